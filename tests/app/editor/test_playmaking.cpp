#include "app/support/window.h"
#include "app/settings/configuration.h"
#include "app/widgets/controls.h"
#include "app/widgets/playbookdock.h"
#include "app/widgets/previewbar.h"
#include "app/widgets/properties.h"
#include "core/files/playfile.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QDockWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

namespace {

// A window whose Field is as wide as the football field.
const QSize wide(1940, 1100);

QPoint at(const Moxten* w, int p) { return {w->players[p].x, w->players[p].y}; }
QPoint step(const Moxten* w, int p, int s) { return {w->moves[p][s].x, w->moves[p][s].y}; }

QAction* item(const TestWindow& w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }

// The formation chosen from the menu placed with a press at the point.
void placeFormation(TestWindow& w, const char* name, QPoint press) {
  item(w, name)->trigger();
  w.click(press);
}

QString labelsOf(const Moxten* w, int from, int to) {
  QStringList labels;
  for (int p = from; p <= to; ++p) labels << labelText(w->labels[p]);
  return labels.join(u' ');
}

}  // namespace

class PlaymakingTest : public QObject {
  Q_OBJECT
 private slots:
  // Formations placed at a press, their ball on the whole yard pressed; the
  // route tree's slants break inward on both sides; Save Again writes the
  // play with no dialog; each command is one undo step.
  void aPlayFromFormationsAndTheRouteTree() {
    TestWindow w(wide);
    placeFormation(w, "formationShotgunSpread2x2", QPoint(795, 610));
    QCOMPARE(w->playerCount, std::int16_t(11));
    QCOMPARE(w->players[3].kind, std::int16_t(Centre));
    QCOMPARE(at(w.window.get(), 3), QPoint(810, 600));  // the nearest whole yard
    QCOMPARE(labelsOf(w.window.get(), 1, 11), QStringLiteral("LT LG C RG RT X H Y Z QB RB"));
    QCOMPARE(at(w.window.get(), 6), QPoint(810 - 450, 600));    // X on the numbers
    QCOMPARE(at(w.window.get(), 10), QPoint(810, 600 + 150));   // the quarterback 5 yards deep
    QCOMPARE(w->selection.count(), 11u);
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Place Formation"));

    // The defence aligns on the ball: the press snaps to the line of scrimmage's yards.
    placeFormation(w, "formation43Over", QPoint(812, 604));
    QCOMPARE(w->playerCount, std::int16_t(22));
    QCOMPARE(at(w.window.get(), 13), QPoint(810 - 30, 570));  // N shaded a yard, a yard off the ball
    QCOMPARE(labelsOf(w.window.get(), 12, 22), QStringLiteral("E N T E W M S CB CB FS SS"));

    // A slant for X (left) and Z (right): both break toward the ball.
    w->selectTool->trigger();
    w->selection.reset();
    w->selection.set(6).set(9);
    item(w, "routeSlant")->trigger();
    QCOMPARE(step(w.window.get(), 6, 1), at(w.window.get(), 6) + QPoint(0, -30));
    QCOMPARE(step(w.window.get(), 6, 2), at(w.window.get(), 6) + QPoint(120, -150));
    QCOMPARE(step(w.window.get(), 9, 2), at(w.window.get(), 9) + QPoint(-120, -150));
    QCOMPARE(w->moves[6][3].x, 0);
    QCOMPARE(w->players[6].color, colorFromName(w->configuration->lineColor->currentText()));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Routes"));
    w->selection.reset();
    w->selection.set(1);
    item(w, "routePassSet")->trigger();
    QCOMPARE(w->routes[1].end, RouteEnd::Block);

    // A formation that would pass 100 players is refused whole.
    for (int i = 0; i < 6; ++i) placeFormation(w, "formationProI", QPoint(800, 300));
    QCOMPARE(w->playerCount, std::int16_t(88));
    w.platform.answers << Answer::Ok;
    placeFormation(w, "formationPistol", QPoint(800, 300));
    placeFormation(w, "formationPistol", QPoint(800, 300));
    QCOMPARE(w->playerCount, std::int16_t(99));
    QCOMPARE(w.platform.texts().last(),
             QStringLiteral("A play holds at most 100 players: 11 more do not fit beside its 99."));
    for (int i = 0; i < 10; ++i) w->undo->trigger();
    QCOMPARE(w->playerCount, std::int16_t(11));
    QCOMPARE(w->moves[6][1].x, 0);

    // Save Again: the dialog the first time, then none.
    const QString path = w.file(QStringLiteral("spread.ply"));
    w.platform.fileAnswers << path;
    w->saveAgain->trigger();
    QCOMPARE(w->playFileName, path);
    w->selection.reset();
    w->selection.set(7);
    item(w, "routeGo")->trigger();
    w->saveAgain->trigger();
    QCOMPARE(w->isSaved, flagTrue);
    Play read;
    QVERIFY(readPlayFile(path, ReadPolicy::Strict, read));
    QCOMPARE(QPoint(read.moves[7][1].x, read.moves[7][1].y), at(w.window.get(), 7) + QPoint(0, -600));
    QCOMPARE(w.platform.fileRequests.size(), 1);
  }

  // The route tool: a 3-move route from a press on a player, a 1-move route
  // ended by a double-click, a drag for the first move; Esc takes an
  // unfinished route back; each route is one step; the status bar says
  // where the pointer is and what the tool expects.
  void theRouteToolDrawsFromThePlayer() {
    TestWindow w(wide);
    placeFormation(w, "formationShotgunSpread2x2", QPoint(800, 600));
    const EditedPlay formation = w->editedPlay();
    w->routeTool->trigger();
    const QPoint z = at(w.window.get(), 9);
    w.click(z + QPoint(8, 3));  // within the classic symbol's reach
    w.platform.pointer = w->Field->mapToGlobal(z + QPoint(0, -90));
    w->Field_MouseMove();
    QCOMPARE(w->StatusBar1->currentMessage(),
             QStringLiteral("15 yd right, 3 yd deep - Route for Z: press up to 3 points, double-click to end"));
    w.clickAll({z + QPoint(0, -360), z + QPoint(-150, -510), z + QPoint(-200, -560)});
    QCOMPARE(step(w.window.get(), 9, 1), z + QPoint(0, -360));
    QCOMPARE(step(w.window.get(), 9, 3), z + QPoint(-200, -560));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Route"));

    const QPoint x = at(w.window.get(), 6);
    w.click(x);
    QTest::mouseClick(w->Field, Qt::LeftButton, {}, x + QPoint(0, -300));
    QTest::mouseDClick(w->Field, Qt::LeftButton, {}, x + QPoint(0, -300));
    QCOMPARE(step(w.window.get(), 6, 1), x + QPoint(0, -300));
    QCOMPARE(w->moves[6][2].x, 0);

    const QPoint h = at(w.window.get(), 7);
    QTest::mousePress(w->Field, Qt::LeftButton, {}, h);
    QTest::mouseMove(w->Field, h + QPoint(0, -100));
    QTest::mouseRelease(w->Field, Qt::LeftButton, {}, h + QPoint(0, -200));
    QTest::keyClick(w->Field, Qt::Key_Return);
    QCOMPARE(step(w.window.get(), 7, 1), h + QPoint(0, -200));

    // Esc takes back an unfinished route and the old path comes back.
    w.clickAll({z, z + QPoint(50, -50)});
    QCOMPARE(step(w.window.get(), 9, 1), z + QPoint(50, -50));
    w->selectTool->trigger();
    QCOMPARE(step(w.window.get(), 9, 3), z + QPoint(-200, -560));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Route"));
    for (int i = 0; i < 3; ++i) w->undo->trigger();
    QCOMPARE(w->editedPlay(), formation);

    // Snapping to yards, the read-out says where the point lands, counted from the ball.
    if (!w->snapToYards->isChecked()) w->snapToYards->trigger();
    const QPoint ball = *ballSpot(*w.window);
    w.click(z);
    w.platform.pointer = w->Field->mapToGlobal(ball + QPoint(-133, -220));
    w->Field_MouseMove();
    QVERIFY2(w->StatusBar1->currentMessage().startsWith(QStringLiteral("4.5 yd left, 7 yd deep")),
             qPrintable(w->StatusBar1->currentMessage()));
    w.click(ball + QPoint(-133, -220));
    QCOMPARE(step(w.window.get(), 9, 1), ball + QPoint(-135, -210));
  }

  // A formation saved from the chosen players comes back in the menu of the
  // next window; a bad name and a bad file are refused with their reasons.
  void savedFormationsAndCopiedPlayersTravel() {
    TestWindow w(wide);
    placeFormation(w, "formationPistol", QPoint(800, 600));
    w->selection.reset();
    w->selection.set(10);
    item(w, "routeFlat")->trigger();
    w->selectAll->trigger();
    w.platform.textAnswers << QStringLiteral("Bad,Name") << QStringLiteral("Pistol Flat");
    w.platform.optionAnswers << true << true;
    w.platform.answers << Answer::Ok;
    w->saveFormation->trigger();
    w->saveFormation->trigger();
    QCOMPARE(w.platform.texts(), QStringList{QStringLiteral(
                                     "The formation cannot be named Bad,Name: it holds a comma or a double quote.")});
    const QString saved = w.platform.dataFile(QStringLiteral("formations/Pistol Flat.formation"));
    QVERIFY(readBytes(saved).startsWith("formation,Pistol Flat\nplayer,offence,-3,0\nlabel,LT\n"));
    const QString broken = w.platform.dataFile(QStringLiteral("formations/broken.formation"));
    writeBytes(broken, "player,offence,one,2\n");

    const QString copied = [&] {
      w->copyPlayers->trigger();
      return QApplication::clipboard()->text();
    }();
    w.open(wide);  // the next window
    QAction* again = item(w, "formationPistolFlat");
    QVERIFY(again && w->formations->actions().contains(again));
    placeFormation(w, "formationPistolFlat", QPoint(400, 300));
    QCOMPARE(w->playerCount, std::int16_t(11));
    QCOMPARE(w->moves[10][2].y != 0, true);  // the flat came with its player
    w.platform.answers << Answer::Ok;
    item(w, "formationbroken")->trigger();
    QCOMPARE(w.platform.texts().last(), QStringLiteral("The formation could not be read from ") + broken +
                                            QStringLiteral(": line 1: a player is not a kind and two numbers of yards."));

    // Players copied in the first window paste into this one, a yard down and right.
    QCOMPARE(QApplication::clipboard()->text(), copied);
    w.platform.pointer = w->Field->mapToGlobal(QPoint(-50, -50));  // off the Field
    w->pastePlayers->trigger();
    QCOMPARE(w->playerCount, std::int16_t(22));
    QCOMPARE(at(w.window.get(), 12), QPoint(720 + 30, 600 + 30));  // LT was copied at (720, 600)
    QCOMPARE(labelsOf(w.window.get(), 12, 22), labelsOf(w.window.get(), 1, 11));
    QCOMPARE(w->selection.count(), 11u);
    w->cutPlayers->trigger();
    QCOMPARE(w->playerCount, std::int16_t(11));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Cut Players"));
    QApplication::clipboard()->setText(QStringLiteral("not players"));
    w->pastePlayers->trigger();
    QCOMPARE(w->playerCount, std::int16_t(11));
  }

  // A click that brings the keyboard into a box's text opens its list; a
  // character typed then closes it and starts the text, the rest follows.
  void aClickInABoxTextOpensItsList() {
    TestWindow w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w->obox_Click();
    w.clickAll({QPoint(100, 100), QPoint(200, 100)});
    QLineEdit* text = w->Quarterback->lineEdit();
    w->Field->setFocus();
    QTest::mouseClick(text, Qt::LeftButton);
    QVERIFY(w->Quarterback->view()->isVisible());
    QCOMPARE(w->Quarterback->count(), 2);  // the list was filled as it opened
    QTest::keyClick(w->Quarterback->view(), Qt::Key_1);
    QVERIFY(!w->Quarterback->view()->isVisible());
    QTest::keyClicks(text, QStringLiteral("2"));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("12"));
    QTest::mouseClick(text, Qt::LeftButton);  // a second click only places the cursor
    QVERIFY(!w->Quarterback->view()->isVisible());
  }

  // The preview plays an unsaved play, players without paths included:
  // pause, step, scrub to the end, Esc, and the Field is as it was; an edit
  // closes it first.
  void thePreviewPlaysWithoutSaving() {
    TestWindow w;
    w->obox_Click();
    w.clickAll({QPoint(100, 300), QPoint(300, 300)});  // players at (115, 315) and (315, 315)
    w->routeTool->trigger();
    w.clickAll({QPoint(115, 315), QPoint(115, 75)});
    QTest::keyClick(w->Field, Qt::Key_Return);
    const QImage before = w->Field->grab().toImage();
    w->preview->trigger();
    QVERIFY(w->previewBar->isVisible());
    w->previewBar->previewPlay->click();  // pause
    QCOMPARE(w->previewBar->previewPlay->text(), QStringLiteral("Play"));
    w->previewBar->previewStep->click();
    w->previewBar->previewStep->click();
    // 240 pixels at 7 yards a second (no label): 8 yards in 1.14 s.
    QCOMPARE(w->previewBar->previewTime->text(), QStringLiteral("0.2 s / 1.1 s"));
    QVERIFY(w->Field->grab().toImage() != before);
    // The slider's own keys seek as a drag does.
    QTest::keyClick(w->previewBar->previewSlider, Qt::Key_Home);
    QCOMPARE(w->previewBar->previewTime->text(), QStringLiteral("0.0 s / 1.1 s"));
    QTest::keyClick(w->previewBar->previewSlider, Qt::Key_End);
    QCOMPARE(w->previewBar->previewTime->text(), QStringLiteral("1.1 s / 1.1 s"));
    const QImage end = w->Field->grab().toImage();
    QCOMPARE(QColor(end.pixel(125, 75)), toQColor(navy));   // the runner at his last point
    QCOMPARE(QColor(end.pixel(325, 315)), toQColor(navy));  // the other where he stood
    QVERIFY(w->isSaved == flagFalse && w->playFileName == untitledPlay);
    w->selectTool->trigger();  // Esc
    QVERIFY(!w->previewBar->isVisible());
    QCOMPARE(w->Field->grab().toImage(), before);
    QCOMPARE(w->editedPlay().play.playerCount, std::int16_t(2));

    w->preview->trigger();
    w->obox_Click();
    w.click(QPoint(500, 300));
    QVERIFY(!w->previewShown());
    QCOMPARE(w->playerCount, std::int16_t(3));
  }

  // What a coach met in a trial, as he met it: a new play takes its labelled
  // quarterback; the role lists offer the offence by number and label; Player
  // Properties on the five linemen applies only what he changed; Flip Play
  // swaps the sides of labels and call; each is one step, and the file keeps
  // them; the preview ends with every player on his last point.
  void aCoachsPlayFromFormationToPreview() {
    TestWindow w(wide);
    placeFormation(w, "formationShotgunSpread2x2", QPoint(795, 610));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 10 QB"));
    placeFormation(w, "formation43Over", QPoint(812, 604));
    w->intended->showPopup();
    QStringList offered;
    for (int i = 0; i < w->intended->count(); ++i) offered << w->intended->itemText(i);
    w->intended->hidePopup();
    QCOMPARE(offered, QStringList({" 1 LT", " 2 LG", " 3 C", " 4 RG", " 5 RT", " 6 X", " 7 H", " 8 Y", " 9 Z",
                                   " 10 QB", " 11 RB"}));
    w->intended->setCurrentIndex(8);
    w->PassingPlay->setChecked(true);

    w->selectTool->trigger();
    w->selection.reset();
    for (int p = 1; p <= 5; ++p) w->selection.set(std::size_t(p));
    w->playerProperties->trigger();
    PlayerProperties& dialog = *w->playerPropertiesDialog;
    QCOMPARE(dialog.labelEdit->text(), QString());
    QCOMPARE(dialog.labelEdit->placeholderText(), QStringLiteral("(several)"));
    QCOMPARE(dialog.routeEnd->currentText(), QStringLiteral("Arrow"));
    dialog.routeEnd->setCurrentText(QStringLiteral("Block"));
    dialog.buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(labelsOf(w.window.get(), 1, 5), QStringLiteral("LT LG C RG RT"));
    for (int p = 1; p <= 5; ++p) QCOMPARE(w->routes[p].end, RouteEnd::Block);
    QCOMPARE(w->routes[6].end, RouteEnd::Arrow);
    w->undo->trigger();
    QCOMPARE(w->routes[1].end, RouteEnd::Arrow);
    QCOMPARE(labelsOf(w.window.get(), 1, 5), QStringLiteral("LT LG C RG RT"));
    w->redo->trigger();

    w->call = QStringLiteral("Spread Right 76 Z Post");
    const QPoint leftTackle = at(w.window.get(), 1);
    w->flipPlay->trigger();
    QCOMPARE(labelsOf(w.window.get(), 1, 5), QStringLiteral("RT RG C LG LT"));
    QCOMPARE(at(w.window.get(), 1).x(), w->Field->width() - leftTackle.x());
    QCOMPARE(w->call, QStringLiteral("Spread Left 76 Z Post"));
    QCOMPARE(labelsOf(w.window.get(), 12, 13), QStringLiteral("E N"));
    w->undo->trigger();
    QCOMPARE(w->call, QStringLiteral("Spread Right 76 Z Post"));
    QCOMPARE(labelsOf(w.window.get(), 1, 2), QStringLiteral("LT LG"));
    QCOMPARE(at(w.window.get(), 1), leftTackle);
    w->flipLabels->setChecked(false);
    w->flipPlay->trigger();
    QCOMPARE(labelsOf(w.window.get(), 1, 2), QStringLiteral("LT LG"));
    w->undo->trigger();

    const QString path = w.file(QStringLiteral("trial.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(w.platform.messages.isEmpty());  // a new file: no "Overwrite File?"
    const QByteArray saved = readBytes(path);
    for (const char* line : {"roles,10,9,-1\r\n", "label,1,LT\r\n", "route,1,solid,block\r\n", "route,5,solid,block\r\n"})
      QVERIFY2(saved.contains(line), line);
    QVERIFY(!saved.contains("route,6,"));

    // A route for Z, then the preview run to its end.
    w->selection.reset();
    w->selection.set(9);
    item(w, "routeSlant")->trigger();
    const QPoint slantEnd = step(w.window.get(), 9, 2), zStart = at(w.window.get(), 9);
    w->preview->trigger();
    w->previewBar->previewSlider->setValue(995);
    w->previewBar->previewPlay->click();
    QTRY_COMPARE(w->previewBar->previewPlay->text(), QStringLiteral("Play"));
    QCOMPARE(w->previewBar->previewSlider->value(), 1000);
    const QImage end = w->Field->grab().toImage();
    const QColor green = end.pixelColor(5, 300);
    QVERIFY(end.pixelColor(slantEnd) != green);                 // Z (with the ball) on his last point
    QCOMPARE(end.pixelColor(zStart + QPoint(10, 0)), green);   // and gone from where he stood
    w->previewBar->previewPlay->click();  // Play again starts over
    QVERIFY(w->previewBar->previewSlider->value() < 100);
  }

  // The rule book's warnings follow the play as drawn: in the dock's list and
  // the status bar, the players ringed (not over a preview); saving goes on.
  void theRuleBookWarnsAsThePlayIsDrawn() {
    TestWindow w(wide);
    placeFormation(w, "formationShotgunSpread2x2", QPoint(795, 610));
    QCOMPARE(w->legalityList->count(), 0);
    QVERIFY(w->Field->warned().isEmpty());
    w->intended->setEditText(QStringLiteral(" 1 LT"));
    const QString tackle = QStringLiteral("The intended receiver, player 1 (LT), is not an eligible receiver.");
    QCOMPARE(w->legalityList->count(), 1);
    QCOMPARE(w->legalityList->item(0)->text(), tackle);
    QCOMPARE(w->legalityStatus->text(), tackle);
    QCOMPARE(w->Field->warned(), QList<QPoint>{at(w.window.get(), 1)});
    // X and Z step back off the line and the slot Y further: five on it, six in the backfield.
    w->selectTool->trigger();
    w->selection.reset();
    w->selection.set(6).set(8).set(9);
    for (int i = 0; i < 4; ++i) QTest::keyClick(w->Field, Qt::Key_Down, Qt::ShiftModifier);
    QTRY_COMPARE(w->legalityList->count(), 3);  // once the Field shows the change
    QVERIFY(w->legalityStatus->text().endsWith(QStringLiteral("(and 2 more)")));
    QCOMPARE(w->Field->warned().size(), 7);
    w->undo->trigger();
    QTRY_COMPARE(w->legalityList->count(), 1);
    w->preview->trigger();
    QVERIFY(w->Field->warned().isEmpty());
    w->selectTool->trigger();
    QCOMPARE(w->Field->warned().size(), 1);
    const QString path = w.file(QStringLiteral("illegal.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(w.platform.messages.isEmpty() && QFile::exists(path));
    w->viewLegality->trigger();
    QVERIFY(w->legality->isVisible());
    // A route drawn off the Field (a file may hold one) is listed after the
    // rules, wrapped; it is no rule, and the status bar keeps the rule.
    w->moves[9][1] = {1700, 300, 0, 0};
    w->checkRules();
    QCOMPARE(w->legalityList->count(), 2);
    QCOMPARE(w->legalityList->item(1)->text(),
             QStringLiteral("Drawing: The route of player 9 (Z) ends beyond a sideline."));
    QCOMPARE(w->legalityStatus->text(), tackle);
    QVERIFY(w->legalityList->wordWrap());
  }

  // The play against the defences it names: added from View > Against,
  // aligned on the ball over the Field without touching the play's players,
  // D cycling them, kept in the file, printed a page each; one not saved is
  // listed and skipped.
  void thePlayAgainstItsDefences() {
    TestWindow w(wide);
    placeFormation(w, "formationShotgunSpread2x2", QPoint(795, 610));
    const EditedPlay offence = w->editedPlay();
    const auto againstItem = [&w](const char* name) {
      emit w->againstMenu->aboutToShow();
      return w->againstMenu->findChild<QAction*>(QLatin1String(name));
    };
    QVERIFY(w->Field->shownPicture().isNull());  // the classic Field
    againstItem("addDefence43Over")->trigger();
    againstItem("addDefenceNickel425")->trigger();
    QCOMPARE(w->defences, QStringList({"4-3 Over", "Nickel 4-2-5"}));
    QCOMPARE(w->playerCount, std::int16_t(11));
    const QImage nickel = w->Field->shownPicture();
    QVERIFY(!nickel.isNull());
    QCOMPARE(againstItem("againstNickel425")->isChecked(), true);
    // Defenders upfield of the ball in what the Field shows, none in the play's own picture.
    const auto navyUpfield = [](const QImage& image) {
      int count = 0;
      for (int y = 300; y < 580; ++y)
        for (int x = 300; x < 1300; ++x) count += image.pixelColor(x, y) == toQColor(navy);
      return count;
    };
    QVERIFY(navyUpfield(nickel) > 100);
    QCOMPARE(navyUpfield(w.field().image()), 0);
    w->nextDefence->trigger();  // D: back to none
    QVERIFY(w->Field->shownPicture().isNull());
    w->nextDefence->trigger();
    QVERIFY(againstItem("against43Over")->isChecked());
    QVERIFY(w->Field->shownPicture() != nickel);
    w->undo->trigger();
    QCOMPARE(w->defences, QStringList{"4-3 Over"});
    w->undo->trigger();
    QCOMPARE(w->editedPlay(), offence);
    QTRY_VERIFY(w->Field->shownPicture().isNull());
    w->redo->trigger();

    const QString path = w.file(QStringLiteral("versus.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(readBytes(path).endsWith("defence,4-3 Over\r\n"));
    writeBytes(path, readBytes(path) + "defence,4-4 Stack\r\n");
    w.platform.fileAnswers << path;
    w->Open_Click();
    QCOMPARE(w->defences, QStringList({"4-3 Over", "4-4 Stack"}));
    QAction* unknown = againstItem("against44Stack");
    QCOMPARE(unknown->text(), QStringLiteral("4-4 Stack (not a saved defence)"));
    QVERIFY(!unknown->isEnabled());
    w.platform.answers << Answer::Ok;
    w->printAgainst->trigger();
    QVERIFY(w.platform.texts().last().contains(QStringLiteral("4-4 Stack (no saved defence formation is named 4-4 Stack)")));
    QCOMPARE(QString::fromLatin1(w.platform.printed).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);

    // A defence of too many players says so; a name no play file can keep
    // is offered with the reason and not taken; a ninth defence is refused.
    QByteArray big = "formation,4-4 Stack\n";
    for (int i = 0; i < 101; ++i) big += "player,defence," + QByteArray::number(i % 50) + ",-5\n";
    writeBytes(w.platform.dataFile(QStringLiteral("formations/zz-big.formation")), big);
    const QString longName(61, u'L');
    writeBytes(w.platform.dataFile(QStringLiteral("formations/zz-long.formation")),
               "formation," + longName.toLatin1() + "\nplayer,defence,0,-5\n");
    QCOMPARE(againstItem("against44Stack")->text(), QStringLiteral("4-4 Stack (its saved formation cannot be used)"));
    w.platform.answers << Answer::Ok;
    w->printAgainst->trigger();
    QVERIFY2(w.platform.texts().last().contains(QStringLiteral("4-4 Stack (the saved defence formation 4-4 Stack cannot be "
                                                                "used: ")) &&
                 w.platform.texts().last().contains(QStringLiteral("too many players")),
             qPrintable(w.platform.texts().last()));
    QAction* tooLong = againstItem(("addDefence" + longName.toLatin1()).constData());
    QVERIFY(tooLong && !tooLong->isEnabled());
    QCOMPARE(tooLong->text(), longName + QStringLiteral(" (a play cannot name it: it is longer than 60 characters)"));
    w->defences = {"A", "B", "C", "D", "E", "F", "G", "H"};
    w.platform.answers << Answer::Ok;
    againstItem("addDefence43Over")->trigger();
    QCOMPARE(w->defences.size(), 8);
    QCOMPARE(w.platform.texts().last(),
             QStringLiteral("The play names 8 defences, the most it can keep: remove one before adding 4-3 Over."));
  }

  // A defence that cannot be aligned (the play has no centre) is said and
  // not shown as chosen.
  void aDefenceThatCannotBePlacedIsNotChosen() {
    TestWindow w(wide);
    w->obox_Click();
    w.click(QPoint(400, 400));
    w->defences = {"4-3 Over"};
    const auto againstItem = [&w] {
      emit w->againstMenu->aboutToShow();
      return w->againstMenu->findChild<QAction*>(QStringLiteral("against43Over"));
    };
    againstItem()->trigger();
    QVERIFY(!againstItem()->isChecked());
    QVERIFY(w->Field->shownPicture().isNull());
    QVERIFY2(w->StatusBar1->currentMessage().startsWith(QStringLiteral("The play cannot be shown against 4-3 Over: ")),
             qPrintable(w->StatusBar1->currentMessage()));
  }

  // Beside a dock, in the football look, Zoom to Fit shows the whole Field
  // in the room left and maps the mouse through the scale: a player lands
  // where the cursor shows him. Zoom Out, In and Actual Size take over from
  // it; the classic Field keeps its pixels.
  void zoomToFitShowsTheWholeFieldBesideADock() {
    TestWindow w(QSize(1280, 800));
    const QSize own = w->Field->size();
    w->footballField->trigger();
    w->viewLegality->trigger();
    QTRY_VERIFY(w->Field->scale() < 1);
    QVERIFY(w->zoomToFit->isChecked());
    const double scale = w->Field->scale();
    QVERIFY(std::abs(w->Field->fieldSize().width() - own.width()) <= 1);
    QTRY_VERIFY(w->Field->width() <= w->fieldView->viewport()->width());
    QVERIFY(w->Field->height() <= w->fieldView->viewport()->height());
    w->obox_Click();
    const QPoint pressed(300, 200);  // widget pixels: the cursor's symbol shows 15 further on
    QTest::mouseClick(w->Field, Qt::LeftButton, {}, pressed);
    QCOMPARE(w->playerCount, std::int16_t(1));
    QVERIFY(std::abs(w->players[1].x * scale - (pressed.x() + 15)) <= 1);
    QVERIFY(std::abs(w->players[1].y * scale - (pressed.y() + 15)) <= 1);
    const QImage shown = w->Field->grab().toImage();
    QVERIFY(shown.pixelColor(pressed + QPoint(15, 15)) != shown.pixelColor(pressed + QPoint(60, 60)));  // he is drawn there

    w->view->findChild<QAction*>(QStringLiteral("zoomOut"))->trigger();
    QVERIFY(!w->zoomToFit->isChecked());
    QVERIFY(std::abs(w->Field->scale() - scale / 1.25) < 1e-9);
    w->view->findChild<QAction*>(QStringLiteral("actualSize"))->trigger();
    QCOMPARE(w->Field->scale(), 1.0);
    QVERIFY(w->Field->width() > w->fieldView->viewport()->width());  // it scrolls again
    w->zoomToFit->trigger();
    QCOMPARE(w->Field->scale(), scale);
    w->classicField->trigger();
    QCOMPARE(w->Field->scale(), 1.0);
    QCOMPARE(w->Field->size(), own);
  }

  // A group moves by one pixel or not at all, with a player beyond the Field.
  void theArrowKeysMoveTheGroupWhole() {
    TestWindow w;
    const QString path = w.file(QStringLiteral("edge.ply"));
    writeBytes(path, "2\r\nplayer,1, 1 \r\ncoord,1500,300\r\nEND\r\nplayer,2, 1 \r\ncoord,60,300\r\nEND\r\n");
    w.platform.fileAnswers << path;
    w->Open_Click();
    w->selectAll->trigger();
    QTest::keyClick(w->Field, Qt::Key_Right);
    QCOMPARE(at(w.window.get(), 1), QPoint(1500, 300));
    QCOMPARE(at(w.window.get(), 2), QPoint(60, 300));
    QTest::keyClick(w->Field, Qt::Key_Left);
    QCOMPARE(at(w.window.get(), 1), QPoint(1499, 300));
    QCOMPARE(at(w.window.get(), 2), QPoint(59, 300));
  }

  // A playbook folder beside the Field: its categories, the names at once,
  // a search by call name, a play opened as Open opens it, a file written
  // from outside shown, the folder opened again in the next window.
  void thePlaybookDockShowsAFolder() {
    TestWindow w(QSize(1280, 800));
    const QDir root(w.file(QStringLiteral("book")));
    for (const char* folder : {"Runs", "Red Zone"}) QVERIFY(root.mkpath(QLatin1String(folder)));
    const QByteArray play = "1\r\nplayer,1, 2 \r\ncoord,800,600\r\n0,800,600, 0 \r\n1,800,630, 0 \r\nEND\r\n";
    writeBytes(root.filePath(QStringLiteral("Quick.ply")), play + "call,Trips Right 62 Slant\r\n");
    writeBytes(root.filePath(QStringLiteral("Runs/Dive.ply")), play);
    writeBytes(root.filePath(QStringLiteral("Runs/Power.ply")), play + "note,Pull the guard\r\n");
    writeBytes(root.filePath(QStringLiteral("Red Zone/Fade.ply")), play);
    writeBytes(root.filePath(QStringLiteral("Broken.ply")), "not a play");
    w.platform.folderAnswers << root.path();
    w->openPlaybook->trigger();
    PlaybookDock& dock = *w->playbook;
    QVERIFY(dock.isVisible());
    QStringList categories;
    for (int i = 0; i < dock.playbookCategories->count(); ++i) categories << dock.playbookCategories->itemText(i);
    QCOMPARE(categories, QStringList({"All", "Red Zone", "Runs"}));
    QCOMPARE(dock.shownPlays().size(), 5);
    // A call is found before its thumbnail is drawn; a note is not searched.
    dock.playbookSearch->setText(QStringLiteral("slant"));
    QCOMPARE(dock.shownPlays(), QStringList{root.filePath(QStringLiteral("Quick.ply"))});
    QTRY_VERIFY(dock.thumbnailsDone());
    QCoreApplication::processEvents();
    QCOMPARE(dock.shownPlays(), QStringList{root.filePath(QStringLiteral("Quick.ply"))});
    dock.playbookSearch->setText(QStringLiteral("GUARD"));
    QCOMPARE(dock.shownPlays(), QStringList());
    dock.playbookSearch->setText(QStringLiteral("POWER"));
    QCOMPARE(dock.shownPlays(), QStringList{root.filePath(QStringLiteral("Runs/Power.ply"))});
    dock.playbookSearch->clear();

    // The dock covers none of the Field: it keeps its width and scrolls, the tools stay in view.
    QCOMPARE(w->Field->width(), 1067);
    QVERIFY(w->fieldView->width() < 1067);
    w->fieldView->ensureVisible(1066, 300);
    QVERIFY(w->fieldView->viewport()->rect().contains(w->Field->mapTo(w->fieldView->viewport(), QPoint(1066, 300))));
    QVERIFY(w->AnimateButton->geometry().right() < w->centralWidget()->width());
    w->viewPlaybook->trigger();  // closed from the View menu
    QVERIFY(!dock.isVisible());
    QTRY_COMPARE(w->fieldView->width(), 1067);
    w->viewPlaybook->trigger();
    dock.playbookCategories->setCurrentText(QStringLiteral("Runs"));
    QCOMPARE(dock.shownPlays(), QStringList({root.filePath(QStringLiteral("Runs/Dive.ply")),
                                             root.filePath(QStringLiteral("Runs/Power.ply"))}));
    emit dock.playbookPlays->activated(dock.playbookPlays->model()->index(3, 0));  // after Broken, Quick, Fade
    QCOMPARE(w->playFileName, root.filePath(QStringLiteral("Runs/Dive.ply")));
    QCOMPARE(w->undo->text(), QStringLiteral("&Undo Open Play"));
    // Open Playbook starts in the playbook, not in the open play's category.
    w.platform.folderAnswers << QString();
    w->openPlaybook->trigger();
    QCOMPARE(w.platform.folderStarts, QStringList({QString(), root.path()}));
    const QByteArray otherLine = "Other.ply," + w.file(QStringLiteral("Other.ply")).toLocal8Bit() + "\r\n";
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")),
               "Quick.ply," + root.filePath(QStringLiteral("Quick.ply")).toLocal8Bit() + "\r\n" + otherLine);

    writeBytes(root.filePath(QStringLiteral("Runs/Sweep.ply")), play);
    QTRY_COMPARE(dock.shownPlays().size(), 3);

    // New Category, Rename (asking before a taken name), Duplicate, Move, Delete to the trash.
    w.platform.textAnswers << QStringLiteral("Screens") << QStringLiteral("Slant") << QStringLiteral("Power");
    w.platform.answers << Answer::Yes;
    dock.newCategory();
    QVERIFY(dock.folder().categories.contains(QStringLiteral("Screens")));
    dock.renamePlay(root.filePath(QStringLiteral("Quick.ply")));
    dock.renamePlay(root.filePath(QStringLiteral("Runs/Dive.ply")));
    QCOMPARE(w.platform.texts().last(), QStringLiteral("A play named Power exists. Replace it?"));
    QCOMPARE(w->playFileName, root.filePath(QStringLiteral("Runs/Power.ply")));  // the open play follows
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + w->playFileName);
    dock.duplicatePlay(root.filePath(QStringLiteral("Red Zone/Fade.ply")));
    // Move to Category from the menu of one of the chosen plays moves them all.
    dock.playbookCategories->setCurrentIndex(0);
    const auto rowOf = [&dock](const QString& name) {
      const QList<FolderPlay>& plays = dock.folder().plays;
      for (int r = 0; r < plays.size(); ++r)
        if (plays[r].name == name) return r;
      return -1;
    };
    const QModelIndex slant = dock.playbookPlays->model()->index(rowOf(QStringLiteral("Slant")), 0);
    dock.playbookPlays->selectionModel()->select(slant, QItemSelectionModel::Select);
    dock.playbookPlays->selectionModel()->select(dock.playbookPlays->model()->index(rowOf(QStringLiteral("Fade copy")), 0),
                                                 QItemSelectionModel::Select);
    emit dock.playbookPlays->customContextMenuRequested(dock.playbookPlays->visualRect(slant).center());
    QAction* screens = nullptr;
    for (QMenu* menu : dock.findChildren<QMenu*>())
      for (QAction* item : menu->actions())
        if (item->text() == QStringLiteral("Screens")) screens = item;
    QVERIFY(screens);
    screens->trigger();
    dock.deletePlay(root.filePath(QStringLiteral("Broken.ply")));
    QStringList names;
    for (const FolderPlay& kept : dock.folder().plays) names << kept.category + u'/' + kept.name;
    QCOMPARE(names, QStringList({"Red Zone/Fade", "Runs/Power", "Runs/Sweep", "Screens/Fade copy", "Screens/Slant"}));
    // The play list follows the renamed and moved play; Load Play takes it from there.
    QCOMPARE(readBytes(w.platform.dataFile(QStringLiteral("plays.ini"))),
             "Slant.ply," + root.filePath(QStringLiteral("Screens/Slant.ply")).toLocal8Bit() + "\r\n" + otherLine);
    w->plays->setEditText(QStringLiteral("Slant.ply"));
    w->LoadPlay_Click();
    QCOMPARE(w->playFileName, root.filePath(QStringLiteral("Screens/Slant.ply")));
    QCOMPARE(readBytes(root.filePath(QStringLiteral("Screens/Slant.ply"))), play + "call,Trips Right 62 Slant\r\n");
    const QDir trash(w.platform.folder.filePath(QStringLiteral("user/Trash/files")));
    QCOMPARE(trash.entryList(QDir::Files), QStringList({"Broken.ply", "Power.ply"}));
    // Another play renamed onto the open play's name, and the open play
    // deleted: the window keeps its play, unsaved and with no file, and Save
    // Again asks where to save it rather than writing over the play renamed.
    const QByteArray fadeCopy = readBytes(root.filePath(QStringLiteral("Screens/Fade copy.ply")));
    w.platform.textAnswers << QStringLiteral("Slant");
    w.platform.answers << Answer::Yes;
    dock.renamePlay(root.filePath(QStringLiteral("Screens/Fade copy.ply")));
    QCOMPARE(w.platform.texts().last(),
             QStringLiteral("A play named Slant exists and is the play open in the window. Replace it? The window "
                            "keeps its play, unsaved and with no file."));
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QCOMPARE(w->isSaved, flagFalse);
    const qsizetype asked = w.platform.fileRequests.size();
    w.platform.fileAnswers << QString();
    w->saveAgain->trigger();
    QCOMPARE(w.platform.fileRequests.size(), asked + 1);
    QCOMPARE(readBytes(root.filePath(QStringLiteral("Screens/Slant.ply"))), fadeCopy);
    w->openPlay(root.filePath(QStringLiteral("Runs/Sweep.ply")));
    dock.deletePlay(root.filePath(QStringLiteral("Runs/Sweep.ply")));
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->isSaved, flagFalse);

    // The playbook printed is the dock's category, 9 plays a page.
    dock.playbookCategories->setCurrentText(QStringLiteral("Red Zone"));
    const QString book = w.file(QStringLiteral("red-zone.pdf"));
    w.platform.fileAnswers << book;
    w.platform.fileChoices << 4;
    w->exportPlaybook->trigger();
    QProcess words;
    words.start(QStringLiteral("pdftotext"), {book, QStringLiteral("-")});
    QVERIFY(words.waitForFinished(20000));
    const QByteArray text = words.readAllStandardOutput();
    QVERIFY2(text.contains("Fade") && !text.contains("Fade copy") && !text.contains("Sweep") && text.contains("Page 1 of 1"), text.constData());
    w.open();  // the next window opens it again
    QVERIFY(w->playbook->isVisible());
    QCOMPARE(w->playbook->folder().root, root.path());
    // Closed when the program ends, it starts closed, the folder kept for View > Playbook.
    w->viewPlaybook->trigger();
    QVERIFY(w->close());
    w.open();
    QVERIFY(!w->playbook->isVisible() && !w->viewPlaybook->isChecked());
    QCOMPARE(w->playbook->folder().root, root.path());
    w->viewPlaybook->trigger();
    QVERIFY(w->playbook->isVisible());
    // A width kept from a wider screen leaves the Field and the tools in view.
    QVERIFY(w->close());
    keepPlaybookDockPreference({true, 1500});
    w.open(QSize(1280, 800));
    QVERIFY(w->playbook->isVisible());
    QTRY_VERIFY(w->playbook->width() < 500);
    QVERIFY(w->fieldView->width() > 300);
    QVERIFY(w->AnimateButton->geometry().right() < w->centralWidget()->width());
  }
};

QTEST_MAIN(PlaymakingTest)
#include "test_playmaking.moc"
