#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "app/widgets/properties.h"
#include "core/files/playfile.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoStack>

#include <limits>

namespace {

QPoint at(const Moxten* w, int p) { return {w->players[p].x, w->players[p].y}; }

// The right-hand edge of an offence player's circle is navy: the player is drawn there.
bool circleOn(const TestWindow& w, QPoint centre) { return w.pixel(centre.x() + 10, centre.y()) == navy; }

QImage fieldPicture(const TestWindow& w) { return w.field().image().copy(w->Field->rect()); }

void drag(TestWindow& w, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {}) {
  QTest::mousePress(w->Field, Qt::LeftButton, keys, from);
  QTest::mouseMove(w->Field, (from + to) / 2);
  QTest::mouseMove(w->Field, to);
  QTest::mouseRelease(w->Field, Qt::LeftButton, keys, to);
}

// Three offence players in a row at (115, 115), (215, 115) and (315, 115).
void placeThree(TestWindow& w) {
  w->obox_Click();
  w.clickAll({QPoint(100, 100), QPoint(200, 100), QPoint(300, 100)});
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  // Place, drag, undo, redo, delete, flip, then undo back to the empty Field.
  void everyChangeIsOneStepBackToTheStart() {
    TestWindow w;
    const QImage empty = fieldPicture(w);
    const QString caption = w->windowTitle();
    QVERIFY(!w->undo->isEnabled());
    QVERIFY(!w->redo->isEnabled());
    placeThree(w);
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Place Player 3"));
    QCOMPARE(w->isSaved, flagFalse);
    w->Quarterback->setEditText(QStringLiteral(" 3"));
    w->intended->setEditText(QStringLiteral(" 2"));

    w->selectTool->trigger();
    QCOMPARE(w->editMode, std::int16_t(None));
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    drag(w, QPoint(217, 113), QPoint(237, 143));
    QCOMPARE(at(w.window.get(), 2), QPoint(235, 145));
    QCOMPARE(w->playerCount, std::int16_t(3));
    QVERIFY(circleOn(w, QPoint(235, 145)) && !circleOn(w, QPoint(215, 115)) && circleOn(w, QPoint(315, 115)));
    QCOMPARE(w->selection, Selection().set(2));
    QCOMPARE(w->Field->overlay().chosen, QList<QPoint>({QPoint(235, 145)}));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Move Players"));

    w->undo->trigger();
    QCOMPARE(at(w.window.get(), 2), QPoint(215, 115));
    QVERIFY(circleOn(w, QPoint(215, 115)) && !circleOn(w, QPoint(235, 145)));
    QCOMPARE(w->redo->text(), QStringLiteral("&Redo Move Players"));
    QCOMPARE(w->isSaved, flagFalse);
    w->redo->trigger();
    QCOMPARE(at(w.window.get(), 2), QPoint(235, 145));

    // Deleting the middle player: the third becomes 2 and the boxes follow.
    w->deletePlayers->trigger();
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(at(w.window.get(), 2), QPoint(315, 115));
    QCOMPARE(w->players[3], PlayerRecord());
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 2"));
    QCOMPARE(w->intended->currentText(), QStringLiteral("Intended"));
    QVERIFY(w->selection.none());
    QVERIFY(!circleOn(w, QPoint(235, 145)) && circleOn(w, QPoint(315, 115)));

    w->flipPlay->trigger();
    const int width = w->Field->width();
    QCOMPARE(at(w.window.get(), 1), QPoint(width - 115, 115));
    QCOMPARE(at(w.window.get(), 2), QPoint(width - 315, 115));
    QVERIFY(circleOn(w, QPoint(width - 315, 115)) && !circleOn(w, QPoint(315, 115)));

    // Back through the flip and the delete: the roles come back with the play.
    w->undo->trigger();
    w->undo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(3));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 3"));
    QCOMPARE(w->intended->currentText(), QStringLiteral(" 2"));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Move Players"));
    for (int i = 0; i < 4; ++i) w->undo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(0));
    QVERIFY(!w->undo->isEnabled());
    QCOMPARE(w->isSaved, flagTrue);  // the play is as the program started
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(fieldPicture(w), empty);
    w->redo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(1));
    QCOMPARE(w->isSaved, flagFalse);

    // The last thousand steps stay: of 1,001 flips, the first can no longer be undone.
    for (int i = 0; i < 1001; ++i) w->flipPlay->trigger();
    QCOMPARE(w->undoStack->count(), 1000);
    while (w->undo->isEnabled()) w->undo->trigger();
    QCOMPARE(at(w.window.get(), 1), QPoint(w->Field->width() - 115, 115));
  }

  // Rubber band, Shift, the arrow keys as one step, the Field's edge, and the
  // overlay kept out of the Field's picture.
  void choosingAndMovingWithMouseAndKeys() {
    TestWindow w;
    placeThree(w);
    w->selectTool->trigger();
    const QImage placed = fieldPicture(w);
    QTest::mousePress(w->Field, Qt::LeftButton, {}, QPoint(90, 90));
    QTest::mouseMove(w->Field, QPoint(250, 140));
    QCOMPARE(w->Field->overlay().band.normalized(), QRect(QPoint(90, 90), QPoint(250, 140)));
    QTest::mouseRelease(w->Field, Qt::LeftButton, {}, QPoint(250, 140));
    QCOMPARE(w->selection, Selection().set(1).set(2));
    QVERIFY(w->Field->overlay().band.isNull());
    QCOMPARE(fieldPicture(w), placed);
    const QImage shown = w->Field->grab().toImage();
    QVERIFY(shown.pixelColor(115 - 15, 115) != toQColor(w.pixel(100, 115)));  // the mark is on the screen only
    QTest::mouseClick(w->Field, Qt::LeftButton, Qt::ShiftModifier, QPoint(115, 115));
    QCOMPARE(w->selection, Selection().set(2));
    QTest::mouseClick(w->Field, Qt::LeftButton, Qt::ShiftModifier, QPoint(315, 115));
    QCOMPARE(w->selection, Selection().set(2).set(3));

    const int steps = w->undoStack->count();
    QTest::keyClick(w->Field, Qt::Key_Right);
    QTest::keyClick(w->Field, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(w->Field, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(at(w.window.get(), 2), QPoint(216, 135));
    QCOMPARE(at(w.window.get(), 3), QPoint(316, 135));
    QCOMPARE(w->undoStack->count(), steps + 1);
    w->undo->trigger();
    QCOMPARE(at(w.window.get(), 3), QPoint(315, 115));

    // Dragged past the Field's corner, the players stop on its edge in their formation.
    drag(w, QPoint(215, 115), QPoint(-500, -500));
    QCOMPARE(at(w.window.get(), 2), QPoint(1, 1));
    QCOMPARE(at(w.window.get(), 3), QPoint(101, 1));
    // A press on empty Field without a drag clears the choice.
    w.click(QPoint(600, 400));
    QVERIFY(w->selection.none());
    QVERIFY(w->Field->overlay().chosen.isEmpty());
  }

  // A path point is dragged alone; a path replaced by a new one leaves no line.
  void pathsAreEditedAndReplacedCleanly() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 100));
    w->motion_Click();
    w->PlayerN->setEditText(QStringLiteral("1"));
    w->movements->setEditText(QStringLiteral("2"));
    w->colorbox->setEditText(QStringLiteral("vbRed"));
    w->Path_Click();
    w.clickAll({QPoint(115, 300), QPoint(300, 300)});
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Add Path Point"));
    QCOMPARE(w.pixel(200, 300), vbRed);
    w->selectTool->trigger();
    drag(w, QPoint(302, 298), QPoint(402, 398));
    QCOMPARE(w->moves[1][2], (PlayerRecord{400, 400, 0, 0}));
    QCOMPARE(w->moves[1][1], (PlayerRecord{115, 300, 0, 0}));
    QCOMPARE(at(w.window.get(), 1), QPoint(115, 115));
    QVERIFY(w.pixel(200, 300) != vbRed && w.pixel(257, 350) == vbRed);
    // Undoing the last click lets it be clicked again.
    w->undo->trigger();
    w->undo->trigger();
    QCOMPARE(w->moves[1][2], PlayerRecord());
    QCOMPARE(w->pathMovesLeft, std::int16_t(1));
    QVERIFY(w.pixel(200, 300) != vbRed);

    w->motion_Click();
    w->PlayerN->setEditText(QStringLiteral("1"));
    w->movements->setEditText(QStringLiteral("1"));
    w->colorbox->setEditText(QStringLiteral("vbBlue"));
    w->Path_Click();
    w.click(QPoint(400, 115));
    QVERIFY(w.pixel(115, 250) != vbRed);  // the old line is gone
    QCOMPARE(w.pixel(300, 115), vbBlue);
  }

  // A play drawn in a larger window, with one player at the far end of 32
  // bits, opened in a smaller one: moves never pull a point in, never go
  // further out, and never wrap around; the flip is refused by name; every
  // export draws it (the sanitizer build checks the arithmetic).
  void aPlayBeyondTheFieldMovesOnlyAsTheUserMovesIt() {
    TestWindow w;
    constexpr int far = std::numeric_limits<std::int32_t>::max();
    Play wide;
    wide.playerCount = 3;
    wide.players[1] = {100, 100, Offence, 0};
    wide.moves[1][0] = {100, 100, 0, 0};
    wide.moves[1][1] = {200, 200, 0, 0};
    wide.players[2] = {1500, 300, Centre, 0};
    wide.moves[2][0] = {1500, 300, 0, 0};
    wide.players[3] = {far, far, Defence, 0};
    wide.moves[3][0] = {far, far, 0, 0};
    wide.moves[3][1] = {far, 20, 0, 0};
    const QString path = w.file(QStringLiteral("wide.ply"));
    QVERIFY(writePlayFile(path, wide, {3, 1, true}));
    w.platform.fileAnswers << path;
    w->Open_Click();
    QCOMPARE(static_cast<Play&>(*w.window), wide);
    w->selectTool->trigger();
    w->selectAll->trigger();
    const int steps = w->undoStack->count();
    for (const auto key : {Qt::Key_Right, Qt::Key_Down}) QTest::keyClick(w->Field, key);
    QCOMPARE(static_cast<Play&>(*w.window), wide);
    QCOMPARE(w->undoStack->count(), steps);
    QTest::keyClick(w->Field, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w->Field, Qt::Key_Up);
    Play moved = wide;
    for (const int p : {1, 2, 3}) {
      moved.players[p].x -= 10;
      moved.players[p].y -= 1;
      moved.moves[p][0] = {moved.players[p].x, moved.players[p].y, 0, 0};
    }
    QCOMPARE(static_cast<Play&>(*w.window), moved);
    drag(w, QPoint(90, 99), QPoint(190, 99));  // right: player 2 is beyond the edge
    QCOMPARE(static_cast<Play&>(*w.window), moved);

    w.platform.answers << Answer::Ok;
    w->flipPlay->trigger();
    QCOMPARE(w.platform.texts(), QStringList({QStringLiteral(
                                     "The play cannot be flipped: player 2 or his path lies beyond the left or right "
                                     "edge of the Field.")}));
    QCOMPARE(static_cast<Play&>(*w.window), moved);

    for (const char* name : {"wide.png", "wide.svg", "wide.pdf"}) {
      w.platform.fileAnswers << w.file(QLatin1String(name));
      w->exportPicture->trigger();
    }
    w.platform.fileAnswers << w.file(QStringLiteral("wide.gif"));
    w->exportAnimation->trigger();
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "wide.ply," + path.toLocal8Bit() + "\r\n");
    w.platform.fileAnswers << w.file(QStringLiteral("wide-book.pdf"));
    w->exportPlaybook->trigger();
    for (const char* name : {"wide.png", "wide.svg", "wide.pdf", "wide.gif", "wide-book.pdf"})
      QVERIFY2(readBytes(w.file(QLatin1String(name))).size() > 100, name);
    QCOMPARE(w.platform.messages.size(), 1);
    w->deletePlayers->trigger();
    QCOMPARE(w->playerCount, std::int16_t(0));
  }

  // A file without roles is saved without them until the user sets one; undo
  // and redo of edits never rename the play, undoing New does.
  void rolesAndTheNameStayWithTheirPlay() {
    TestWindow w;
    placeThree(w);
    w->Quarterback->setEditText(QStringLiteral(" 1"));
    w->intended->setEditText(QStringLiteral(" 3"));
    w->PassingPlay->setChecked(true);
    w.platform.fileAnswers << w.file(QStringLiteral("a.ply"));
    w->save_Click();
    const QString b = w.file(QStringLiteral("b.ply"));
    const QByteArray twoPlayers =
        "2\r\nplayer,1, 1 \r\ncoord,200,300\r\n0,200,300, 0 \r\nEND\r\nplayer,2, 3 \r\ncoord,260,180\r\n0,260,180, 0 \r\nEND\r\n";
    writeBytes(b, twoPlayers);
    w.platform.fileAnswers << b;
    w->Open_Click();
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));  // another play's roles are not its own
    QCOMPARE(w->intended->currentText(), QStringLiteral("Intended"));
    QVERIFY(w->PassingPlay->isChecked());
    const QString b2 = w.file(QStringLiteral("b2.ply"));
    w.platform.fileAnswers << b2;
    w->save_Click();
    QCOMPARE(readBytes(b2), twoPlayers);
    w->Quarterback->setEditText(QStringLiteral(" 2"));
    w.platform.answers << Answer::Yes;
    w.platform.fileAnswers << b2;
    w->save_Click();
    QCOMPARE(readBytes(b2), twoPlayers + "roles,2,0,-1\r\n");

    w->newItem->trigger();
    w->obox_Click();
    w.click(QPoint(400, 400));
    const QString c = w.file(QStringLiteral("c.ply"));
    w.platform.fileAnswers << c;
    w->save_Click();
    QCOMPARE(readBytes(c), QByteArray("1\r\nplayer,1, 1 \r\ncoord,415,415\r\nEND\r\n"));
    w->undo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(0));
    QCOMPARE(w->playFileName, c);
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + c);
    QCOMPARE(w->isSaved, flagFalse);
    w->redo->trigger();
    QCOMPARE(w->playFileName, c);
    QCOMPARE(w->isSaved, flagTrue);
    w->undo->trigger();
    w->undo->trigger();  // New
    QCOMPARE(w->playFileName, b2);
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 2"));
  }

  // Player Properties sets the label and route style of the selected players,
  // Play Properties the call, note and ball-on; each Apply is one step, a
  // text the file cannot keep is refused in a message, Save keeps them.
  void propertiesAreEditedAsOneStepEach() {
    TestWindow w;
    placeThree(w);
    QCOMPARE(w->edit->actions().last(), w->playerProperties);
    QVERIFY(w->play->actions().contains(w->playProperties));
    w->selectTool->trigger();
    QTest::mouseDClick(w->Field, Qt::LeftButton, {}, QPoint(215, 115));
    PlayerProperties& player = *w->playerPropertiesDialog;
    QVERIFY(player.isVisible());
    QCOMPARE(player.focusWidget(), player.labelEdit);  // typing goes into the first field
    QCOMPARE(player.labelEdit->text(), QString());
    QCOMPARE(player.routeLine->currentText(), QStringLiteral("Solid"));
    QCOMPARE(player.routeEnd->currentText(), QStringLiteral("Arrow"));
    player.labelEdit->setText(QStringLiteral("Z"));
    player.routeLine->setCurrentText(QStringLiteral("Dashed"));
    player.routeEnd->setCurrentText(QStringLiteral("Block"));
    player.findChild<QPushButton*>(QStringLiteral("apply"))->click();
    QCOMPARE(labelText(w->labels[2]), QStringLiteral("Z"));
    QCOMPARE(w->routes[2], (RouteStyle{RouteLine::Dashed, RouteEnd::Block}));
    QCOMPARE(labelText(w->labels[1]), QString());
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Player Properties"));
    QCOMPARE(w->isSaved, flagFalse);

    w->selectAll->trigger();
    w->playerProperties->trigger();
    QCOMPARE(player.labelEdit->text(), QString());  // the first selected player's
    player.labelEdit->setText(QStringLiteral("Q,B"));
    w.platform.answers << Answer::Ok;
    player.buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(w.platform.texts(), QStringList{QStringLiteral(
                                     "The label Q,B cannot be used: a label holds only letters, digits, \"-\" and \"/\".")});
    QVERIFY(player.isVisible());
    // The keys go back to the field, the comma chosen.
    QTRY_COMPARE(QApplication::focusWidget(), player.labelEdit);
    QCOMPARE(player.labelEdit->selectedText(), QStringLiteral(","));
    player.labelEdit->setText(QStringLiteral("CB"));
    player.buttons->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!player.isVisible());
    for (const int p : {1, 2, 3}) QCOMPARE(labelText(w->labels[p]), QStringLiteral("CB"));
    w->undo->trigger();
    QCOMPARE(labelText(w->labels[2]), QStringLiteral("Z"));
    QCOMPARE(labelText(w->labels[3]), QString());

    w->playProperties->trigger();
    PlayProperties& play = *w->playPropertiesDialog;
    play.callEdit->setText(QStringLiteral("Spread Right 76 Z Post"));
    play.noteEdit->setText(QStringLiteral("Z runs the post, read the safety"));
    play.ballOn->setValue(35);
    w.platform.answers << Answer::Ok;
    play.buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(w.platform.texts().last(), QStringLiteral("The play file cannot keep this note: it holds a comma or a double quote."));
    QVERIFY(w->note.isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), play.noteEdit);
    QCOMPARE(play.noteEdit->selectionStart(), 15);
    QCOMPARE(play.noteEdit->selectedText(), QStringLiteral(","));
    play.noteEdit->setText(QStringLiteral("Z runs the post; read the safety"));
    play.buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Play Properties"));
    const QString path = w.file(QStringLiteral("props.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(readBytes(path).endsWith("END\r\nlabel,2,Z\r\nroute,2,dashed,block\r\ncall,Spread Right 76 Z Post\r\n"
                                     "note,Z runs the post; read the safety\r\nball,35\r\n"));
  }

  // Open and Load Play are steps; the roles travel in the file.
  void readsAreStepsAndTheFileKeepsTheRoles() {
    TestWindow w;
    placeThree(w);
    w->Quarterback->setEditText(QStringLiteral(" 1"));
    w->intended->setEditText(QStringLiteral("3"));
    w->PassingPlay->setChecked(true);
    const QString path = w.file(QStringLiteral("pass.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(readBytes(path).endsWith("END\r\nroles,1,3,-1\r\n"));
    QCOMPARE(w->isSaved, flagTrue);
    QVERIFY(w->undoStack->isClean());

    w->newItem->trigger();
    w->Quarterback->setEditText(QStringLiteral("QuarterBack"));
    w->intended->setEditText(QStringLiteral(" 9"));
    w.platform.fileAnswers << path;
    w->Open_Click();
    QCOMPARE(w->playerCount, std::int16_t(3));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 1"));
    QCOMPARE(w->intended->currentText(), QStringLiteral(" 3"));
    QVERIFY(w->PassingPlay->isChecked());
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Open Play"));
    // Undoing Open brings back the new play, its name and its boxes.
    w->undo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(0));
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QCOMPARE(w->intended->currentText(), QStringLiteral(" 9"));
    QVERIFY(!w->PassingPlay->isChecked());
    QCOMPARE(w->isSaved, flagFalse);
    w->redo->trigger();
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w->playFileName, path);

    // Load Play after New keeps the roles and the Passing Play mark.
    w->newItem->trigger();
    w->loadPlayList();
    w->plays->setEditText(QStringLiteral("pass.ply"));
    w->LoadPlay_Click();
    QCOMPARE(w->playerCount, std::int16_t(3));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 1"));
    QVERIFY(w->PassingPlay->isChecked());
    QVERIFY(w->football->isVisibleTo(w.window.get()));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Load Play"));

    // Deleting every player leaves a play that saves and reads back.
    w->selectAll->trigger();
    w->deletePlayers->trigger();
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    w.platform.answers << Answer::Yes;
    w.platform.fileAnswers << path;
    w->save_Click();
    QCOMPARE(readBytes(path), QByteArray("0\r\nroles,0,0,-1\r\n"));
    Play read;
    QVERIFY(readPlayFile(path, ReadPolicy::Strict, read));
    QCOMPARE(read.playerCount, std::int16_t(0));
  }
};

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
