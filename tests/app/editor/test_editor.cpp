#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "core/editor/cursorfile.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDataStream>
#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList items(const QComboBox* box) {
  QStringList result;
  for (int i = 0; i < box->count(); ++i) result << box->itemText(i);
  return result;
}

QPoint step(const Moxten* w, int p, int s) { return {w->moves[p][s].x, w->moves[p][s].y}; }

// The top-left corner of the white pixels in an area of the Field.
QPoint whiteCorner(const TestWindow& w, const QRect& area) {
  QPoint corner(area.right() + 1, area.bottom() + 1);
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (w.pixel(x, y) == vbWhite) corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
  return corner;
}

// "&Motion", then the player, move count and colour typed into the boxes,
// then "C&reate Path".
void startPath(TestWindow& w, const QString& player, const QString& count, const QString& color) {
  w->motion_Click();
  w->PlayerN->setEditText(player);
  w->movements->setEditText(count);
  w->colorbox->setEditText(color);
  QTest::mouseClick(w->Path, Qt::LeftButton);
}

// A Windows cursor holding a PNG picture of the given size, transparent but
// for a black first row, with the hot spot in its directory entry.
QByteArray cursorBytes(int width, int height, QPoint hotSpot) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  for (int x = 0; x < width; ++x) picture.setPixelColor(x, 0, Qt::black);
  QByteArray png;
  QBuffer pngBuffer(&png);
  pngBuffer.open(QIODevice::WriteOnly);
  picture.save(&pngBuffer, "PNG");
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(2) << quint16(1);
  out << quint8(width & 0xFF) << quint8(height & 0xFF) << quint8(0) << quint8(0) << quint16(hotSpot.x())
      << quint16(hotSpot.y()) << quint32(png.size()) << quint32(22);
  return bytes + png;
}

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT
 private slots:
  void eachToolPlacesItsKind_data() {
    QTest::addColumn<QString>("toolName");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("strokePixel");
    QTest::newRow("offence") << "obox" << int(Offence) << QPoint(125, 215);
    QTest::newRow("centre") << "sbox" << int(Centre) << QPoint(125, 225);
    QTest::newRow("defence") << "XBox" << int(Defence) << QPoint(124, 224);
  }

  void eachToolPlacesItsKind() {
    QFETCH(QString, toolName);
    QFETCH(int, kind);
    QFETCH(QPoint, strokePixel);
    TestWindow w;
    auto* tool = w->findChild<ToolPicture*>(toolName);
    QTest::mouseClick(tool, Qt::LeftButton);
    QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w->cursor().hotSpot(), QPoint(0, 0));
    w.click(QPoint(100, 200));
    QCOMPARE(w->playerCount, std::int16_t(1));
    QCOMPARE(w->players[1].kind, std::int16_t(kind));
    QCOMPARE(w->players[1].x, 115);
    QCOMPARE(w->players[1].y, 215);
    QCOMPARE(w->players[1].color, 0u);
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(w.pixel(strokePixel.x(), strokePixel.y()), navy);
    QCOMPARE(w.field().foreColor, navy);
    // The number " 1" in white, its text starting 8 pixels right of and below the hot spot.
    const QPoint corner = whiteCorner(w, QRect(100, 200, 30, 30));
    QVERIFY2(corner.x() > 108 && corner.x() < 118 && corner.y() >= 208 && corner.y() < 213,
             qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    w.click(QPoint(300, 100));
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(w->players[2].x, 315);
  }

  void placedPositionsRoundHalvesToEven() {
    TestWindow w;
    w->obox_Click();
    w->Field_MouseDown(1, 0, 12.5f - 15, 13.5f - 15);
    QCOMPARE(w->players[1].x, 12);
    QCOMPARE(w->players[1].y, 14);
  }

  void defenceToolTakesAnyButtonTheOthersOnlyAClick() {
    TestWindow w;
    QTest::mouseClick(w->obox, Qt::RightButton);
    QCOMPARE(w->editMode, std::int16_t(None));
    QTest::mouseClick(w->XBox, Qt::RightButton);
    QCOMPARE(w->editMode, std::int16_t(PlaceDefence));
    QTest::mouseClick(w->sbox, Qt::MiddleButton);
    QCOMPARE(w->editMode, std::int16_t(PlaceDefence));
    QTest::mousePress(w->sbox, Qt::LeftButton);
    QTest::mouseRelease(w->sbox, Qt::LeftButton, {}, QPoint(100, 100));  // released elsewhere: no click
    QCOMPARE(w->editMode, std::int16_t(PlaceDefence));
    QTest::mouseClick(w->sbox, Qt::LeftButton);
    QCOMPARE(w->editMode, std::int16_t(PlaceCentre));
  }

  void cursorFilesCarryTheirHotSpotAndPicture() {
    const std::optional<CursorFile> cursor = readCursorFile(QStringLiteral(MOXTEN_DATA_DIR "/circle.cur"));
    QVERIFY(cursor);
    QCOMPARE(cursor->hotSpot, QPoint(0, 0));
    QCOMPARE(cursor->image.size(), QSize(32, 32));
    // The circle's stroke lies 10 pixels from the point 15 right of and below the hot spot.
    QCOMPARE(cursor->image.pixelColor(25, 15), QColor(Qt::black));
    QCOMPARE(cursor->image.pixelColor(15, 15).alpha(), 0);
    QVERIFY(!readCursorFile(QByteArray()));
    QVERIFY(!readCursorFile(QByteArray(22, '\0')));
  }

  void cursorsThePointerCannotShowGiveTheArrow() {
    const std::optional<CursorFile> cursor = readCursorFile(cursorBytes(32, 24, QPoint(7, 9)));
    QVERIFY(cursor);
    QCOMPARE(cursor->hotSpot, QPoint(7, 9));
    QCOMPARE(cursor->image.size(), QSize(32, 24));
    QCOMPARE(cursor->image.pixelColor(5, 0), QColor(Qt::black));
    QCOMPARE(cursor->image.pixelColor(5, 1).alpha(), 0);
    QVERIFY(readCursorFile(cursorBytes(256, 256, QPoint(255, 255))));
    QVERIFY(!readCursorFile(cursorBytes(32, 24, QPoint(32, 3))));
    QVERIFY(!readCursorFile(cursorBytes(32, 24, QPoint(3, 24))));
    QVERIFY(!readCursorFile(cursorBytes(300, 40, QPoint(0, 0))));
    QVERIFY(!readCursorFile(cursorBytes(40, 2100, QPoint(0, 0))));

    TestWindow w;
    const QString xCursor = w.platform.dataFile(QStringLiteral("x.cur"));
    for (const QByteArray& refused : {QByteArray(), cursorBytes(32, 24, QPoint(40, 3))}) {
      w->sbox_Click();
      QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
      writeBytes(xCursor, refused);
      w->XBox_MouseUp();
      QCOMPARE(w->editMode, std::int16_t(PlaceDefence));
      QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    }
    writeBytes(xCursor, cursorBytes(32, 24, QPoint(7, 9)));
    w->XBox_MouseUp();
    QCOMPARE(w->cursor().hotSpot(), QPoint(7, 9));
  }

  void hundredPlayersAtMost() {
    TestWindow w;
    w->obox_Click();
    for (int i = 0; i < 100; ++i) w->Field_MouseDown(1, 0, 10 + 5 * (i % 100), 300);
    QCOMPARE(w->playerCount, std::int16_t(100));
    QVERIFY(w.platform.messages.isEmpty());
    w.platform.answers << Answer::Ok;
    w.click(QPoint(400, 400));
    QCOMPARE(w->playerCount, std::int16_t(100));
    QCOMPARE(w.platform.messages.size(), 1);
    QVERIFY(w.platform.messages[0].text.contains(QStringLiteral("100")));
    QCOMPARE(w.pixel(415, 415), fieldGreen);
  }

  void rightPressesNeverPlaceOrAddPoints() {
    TestWindow w;
    w->obox_Click();
    w.press(Qt::RightButton, QPoint(100, 100));
    QCOMPARE(w->playerCount, std::int16_t(0));
    w->motion_Click();
    w.press(Qt::RightButton, QPoint(200, 100));
    QCOMPARE(w->moves[0][1].x, 0);
  }

  void motionFillsTheBoxesAndShowsThem() {
    TestWindow w;
    w->configuration->lineColor->setEditText(QStringLiteral("Purple"));
    w->obox_Click();
    w.clickAll({{100, 100}, {200, 100}, {300, 100}});
    w->motion_Click();
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w->editMode, std::int16_t(PathEntry));
    QCOMPARE(w.field().drawWidth, 2);
    for (QWidget* box : std::initializer_list<QWidget*>{w->PlayerN, w->movements, w->colorbox, w->Path})
      QVERIFY(box->isVisible());
    QCOMPARE(w->colorbox->currentText(), QStringLiteral("Purple"));
    QCOMPARE(items(w->colorbox), (QStringList{"vbBlack", "vbWhite", "vbRed", "vbBlue"}));
    QCOMPARE(w->movements->currentText(), QStringLiteral("# of Moves"));
    QCOMPARE(items(w->movements), (QStringList{" 1", " 2", " 3", "None"}));
    QCOMPARE(w->PlayerN->currentText(), QStringLiteral("Player #"));
    QCOMPARE(items(w->PlayerN), (QStringList{" 1", " 2", " 3"}));
    // A player with a path leaves the list unless "Show All" is marked.
    startPath(w, QStringLiteral(" 2"), QStringLiteral("None"), QStringLiteral("vbRed"));
    for (QWidget* box : std::initializer_list<QWidget*>{w->PlayerN, w->movements, w->colorbox, w->Path})
      QVERIFY(box->isHidden());
    w->motion_Click();
    QCOMPARE(items(w->PlayerN), (QStringList{" 1", " 3"}));
    w->showall->trigger();
    QVERIFY(w->showall->isChecked());
    QCOMPARE(items(w->PlayerN), (QStringList{" 1", " 3"}));  // read only by "&Motion"
    w->motion_Click();
    QCOMPARE(items(w->PlayerN), (QStringList{" 1", " 2", " 3"}));
    w->showall->trigger();
    w->motion_Click();
    QCOMPARE(items(w->PlayerN).size(), 2);
    // A tool brings its cursor back.
    w->obox_Click();
    QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
  }

  void oneMovePath() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 200));
    startPath(w, QStringLiteral(" 1"), QStringLiteral(" 1"), QStringLiteral("vbRed"));
    QCOMPARE(w->pathMovesLeft, std::int16_t(1));
    QCOMPARE(w->pathMovesTotal, std::int16_t(1));
    QCOMPARE(w->isSaved, flagFalse);
    w.click(QPoint(315, 215));
    QCOMPARE(step(w.window.get(), 1, 0), QPoint(115, 215));
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(315, 215));
    QCOMPARE(step(w.window.get(), 1, 2), QPoint(0, 0));
    QCOMPARE(w->pathMovesLeft, std::int16_t(0));
    QCOMPARE(w->players[1].color, vbRed);
    QCOMPARE(w.pixel(200, 215), vbRed);
    QCOMPARE(w.field().foreColor, navy);
    // Further clicks record the colour only.
    w->colorbox->setEditText(QStringLiteral("vbBlue"));
    const QImage before = w.field().image().copy();
    w.click(QPoint(300, 400));
    QCOMPARE(w.field().image(), before);
    QCOMPARE(w->players[1].color, vbBlue);
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(315, 215));
  }

  void threeMovePathOverALongerOne() {
    TestWindow w;
    w->XBox_MouseUp();
    w.click(QPoint(100, 100));
    for (int s = 1; s <= 5; ++s) w->moves[1][s] = {500 + s, 500, 0, 0};
    startPath(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("vbBlue"));
    w.clickAll({{200, 115}, {200, 300}, {400, 300}});
    QCOMPARE(step(w.window.get(), 1, 0), QPoint(115, 115));
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(200, 115));
    QCOMPARE(step(w.window.get(), 1, 2), QPoint(200, 300));
    QCOMPARE(step(w.window.get(), 1, 3), QPoint(400, 300));
    QCOMPARE(step(w.window.get(), 1, 4), QPoint(504, 500));  // steps 4 and 5 are not touched
    QCOMPARE(w.pixel(160, 115), vbBlue);
    QCOMPARE(w.pixel(200, 200), vbBlue);
    QCOMPARE(w.pixel(300, 300), vbBlue);
    QCOMPARE(w->lastX, 400);
    // A shorter path over it clears steps 2 and 3.
    startPath(w, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("vbWhite"));
    w.click(QPoint(150, 150));
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(150, 150));
    QCOMPARE(step(w.window.get(), 1, 2), QPoint(0, 0));
    QCOMPARE(step(w.window.get(), 1, 3), QPoint(0, 0));
  }

  void typedMoveCountsUpToFiveFillEveryStep() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 100));
    startPath(w, QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("vbRed"));
    w.clickAll({{150, 100}, {200, 100}, {250, 100}, {300, 100}, {350, 100}, {400, 100}});
    QCOMPARE(step(w.window.get(), 1, 5), QPoint(350, 100));
    QCOMPARE(w->pathMovesLeft, std::int16_t(0));
  }

  void nonePathStandsStillAndSlotZeroTakesPlayerHash() {
    TestWindow w;
    w->sbox_Click();
    for (int i = 0; i < 4; ++i) w.click(QPoint(100, 200));
    w->moves[4][4] = {9, 9, 0, 0};
    startPath(w, QStringLiteral(" 4"), QStringLiteral("None"), QStringLiteral("vbRed"));
    for (int s = 0; s <= 3; ++s) QCOMPARE(step(w.window.get(), 4, s), QPoint(115, 215));
    QCOMPARE(step(w.window.get(), 4, 4), QPoint(9, 9));
    // "# of Moves" is None too; "Player #" is slot 0.
    startPath(w, QStringLiteral("Player #"), QStringLiteral("# of Moves"), QStringLiteral("vbRed"));
    QCOMPARE(w->pathMovesLeft, std::int16_t(0));
    startPath(w, QStringLiteral("Player #"), QStringLiteral(" 1"), QStringLiteral("vbRed"));
    w.click(QPoint(300, 300));
    QCOMPARE(step(w.window.get(), 0, 1), QPoint(300, 300));
    QCOMPARE(w->players[0].color, vbRed);
  }

  void colourNamesAreExact() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 100));
    startPath(w, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("VBRED"));
    w.click(QPoint(315, 115));
    QCOMPARE(w->players[1].color, vbBlack);
    QCOMPARE(w.pixel(200, 115), vbBlack);
  }

  // Typed as a user types, key by key, and confirmed with Enter.
  void typedBoxTextsStayExactlyAsTyped() {
    TestWindow w;
    w->obox_Click();
    for (int i = 0; i < 12; ++i) w.click(QPoint(40 + 40 * i, 300));
    w->motion_Click();
    const auto type = [](QComboBox* box, const QString& text) {
      box->lineEdit()->clear();
      QTest::keyClicks(box->lineEdit(), text);
      QTest::keyClick(box->lineEdit(), Qt::Key_Return);
      QCOMPARE(box->currentText(), text);
    };
    type(w->PlayerN, QStringLiteral(" 1"));
    type(w->movements, QStringLiteral("1"));
    type(w->colorbox, QStringLiteral("vbred"));
    QTest::mouseClick(w->Path, Qt::LeftButton);
    w.click(QPoint(55, 500));
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(55, 500));
    QCOMPARE(step(w.window.get(), 10, 1), QPoint(0, 0));
    QCOMPARE(w->players[1].color, vbBlack);
    QCOMPARE(w.pixel(55, 420), vbBlack);
    w->Quarterback_DropDown();
    type(w->Quarterback, QStringLiteral(" 1"));
    w->configuration->lineColor->addItem(QStringLiteral("vbRed"));
    type(w->configuration->lineColor, QStringLiteral("vbr"));
  }

  void pathInputOutsideTheArraysIsRefused() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 100));
    for (const char* count : {"6", "-1", "70000"}) {
      w.platform.answers << Answer::Ok;
      startPath(w, QStringLiteral("1"), QString::fromLatin1(count), QStringLiteral("vbRed"));
      QCOMPARE(w->pathMovesLeft, std::int16_t(0));
      QVERIFY(w.platform.messages.last().text.contains(QStringLiteral("moves")));
      QVERIFY(w->Path->isVisible());
    }
    for (const char* player : {"101", "-1", "99999"}) {
      w.platform.answers << Answer::Ok;
      startPath(w, QString::fromLatin1(player), QStringLiteral("2"), QStringLiteral("vbRed"));
      QCOMPARE(w->pathMovesLeft, std::int16_t(0));
      QVERIFY(w.platform.messages.last().text.contains(QStringLiteral("player")));
    }
    QCOMPARE(w.platform.messages.size(), 6);
    // A player number retyped to 150 after the path started: the click does nothing.
    startPath(w, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("vbRed"));
    w->PlayerN->setEditText(QStringLiteral("150"));
    w.click(QPoint(300, 300));
    QCOMPARE(w->pathMovesLeft, std::int16_t(2));
    QCOMPARE(step(w.window.get(), 1, 1), QPoint(0, 0));
  }

  void choosingAToolDuringAPathPlacesPlayers() {
    TestWindow w;
    w->obox_Click();
    w.click(QPoint(100, 100));
    startPath(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("vbRed"));
    w.click(QPoint(200, 100));
    w->XBox_MouseUp();
    w.click(QPoint(300, 300));
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(w->pathMovesLeft, std::int16_t(2));
    w->motion_Click();
    w->PlayerN->setEditText(QStringLiteral("1"));
    w.click(QPoint(200, 200));  // the counters go on where they were
    QCOMPARE(step(w.window.get(), 1, 2), QPoint(200, 200));
  }

  void lockStatesFollowPressesAndMoves() {
    TestWindow w;
    const auto state = [&w] { return QPair<int, int>(w->mouseLockOn, w->mouseLockArmed); };
    const QPair<int, int> off{0, 0}, on{-1, 0}, armed{0, -1}, onArmed{-1, -1};
    QCOMPARE(state(), off);
    w->Field_MouseMove();
    QCOMPARE(state(), off);
    w.platform.pointer = QPoint(40, 50);
    w.press(Qt::RightButton, QPoint(10, 10));
    QCOMPARE(state(), on);
    QCOMPARE(w->lockAnchor, QPoint(40, 50));
    w.press(Qt::RightButton, QPoint(10, 10));
    QCOMPARE(state(), off);
    w.press(Qt::LeftButton, QPoint(10, 10));
    QCOMPARE(state(), armed);
    w.press(Qt::RightButton, QPoint(10, 10));
    QCOMPARE(state(), onArmed);
    w->Field_MouseMove();
    QCOMPARE(state(), on);
    w.press(Qt::LeftButton, QPoint(10, 10));
    QCOMPARE(state(), armed);
    w->Field_MouseMove();
    QCOMPARE(state(), on);
    w->Field_MouseMove();
    QCOMPARE(state(), on);
    w.press(Qt::MiddleButton, QPoint(10, 10));
    QCOMPARE(state(), on);
    QVERIFY(w.platform.pointerMoves.isEmpty());  // neither item marked: nothing pinned
  }

  void lockPinsThePointerToTheMarkedAxes() {
    TestWindow w;
    w->xlock->trigger();
    QVERIFY(w->xlock->isChecked());
    w.press(Qt::LeftButton, QPoint(10, 10));
    w.platform.pointer = QPoint(300, 400);
    w->Field_MouseMove();  // the first move after a left press is not pinned
    QVERIFY(w.platform.pointerMoves.isEmpty());
    w->Field_MouseMove();  // no anchor yet: x goes to the screen's left edge
    QCOMPARE(w.platform.pointerMoves, (QList<QPoint>{{0, 400}}));
    w.platform.pointer = QPoint(250, 260);
    w.press(Qt::RightButton, QPoint(10, 10));  // lock off, anchor taken
    w.press(Qt::RightButton, QPoint(10, 10));  // lock on, anchor (250, 260)
    w.platform.pointerMoves.clear();
    w.platform.pointer = QPoint(320, 330);
    w->Field_MouseMove();
    QCOMPARE(w.platform.pointerMoves, (QList<QPoint>{{250, 330}}));
    w->ylock->trigger();
    w.platform.pointerMoves.clear();
    w.platform.pointer = QPoint(333, 344);
    w->Field_MouseMove();  // both marked: y pinned, x follows, in one move
    QCOMPARE(w.platform.pointerMoves, (QList<QPoint>{{333, 260}}));
    w->Field_MouseMove();  // already on the line: the pointer stays
    QCOMPARE(w.platform.pointerMoves, (QList<QPoint>{{333, 260}}));
    w->xlock->trigger();
    w.platform.pointerMoves.clear();
    w.platform.pointer = QPoint(333, 270);
    w->Field_MouseMove();
    QCOMPARE(w.platform.pointerMoves, (QList<QPoint>{{333, 260}}));
    // "C&reate Path" clears both marks.
    startPath(w, QStringLiteral("0"), QStringLiteral("None"), QStringLiteral("vbRed"));
    QVERIFY(!w->xlock->isChecked() && !w->ylock->isChecked());
  }

  void passingRoleListsOfferThePlayersEachTimeTheyOpen() {
    TestWindow w;
    w->Quarterback->showPopup();
    QCOMPARE(w->Quarterback->count(), 0);
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    w->Quarterback->hidePopup();
    // The offence only, each with his label; the defender is not offered.
    w->obox_Click();
    w.clickAll({{100, 100}, {200, 100}});
    w->XBox_MouseUp();
    w.click({300, 100});
    w->sbox_Click();
    w.click({400, 100});
    w->labels[2] = labelFrom(QStringLiteral("QB"));
    w->Quarterback->setEditText(QStringLiteral("2"));
    w->Quarterback->showPopup();
    QCOMPARE(items(w->Quarterback), (QStringList{" 1", " 2 QB", " 4"}));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    w->Quarterback->hidePopup();
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    w->intended->showPopup();
    QCOMPARE(items(w->intended), (QStringList{" 1", " 2 QB", " 4"}));
    QCOMPARE(w->intended->currentText(), QStringLiteral("Intended"));
    w->intended->hidePopup();
    w->intended->setCurrentIndex(1);
    QCOMPARE(w->intended->currentText(), QStringLiteral(" 2 QB"));
  }
};

QTEST_MAIN(EditorTest)
#include "test_editor.moc"
