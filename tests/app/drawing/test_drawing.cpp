#include "app/widgets/fieldbox.h"
#include "core/drawing/canvas.h"
#include "core/drawing/playdrawing.h"
#include "core/drawing/symbols.h"
#include "core/files/playfile.h"
#include "core/settings/colors.h"

#include "app/support/window.h"

#include <QTest>

namespace {

constexpr std::uint32_t green = fieldGreen;

FieldCanvas blankField() { return FieldCanvas(QSize(800, 700), green); }

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT
 private slots:
  void squareHasFourSidesAndLeavesTheTextPosition() {
    FieldCanvas field = blankField();
    drawSquareMark(field, 100, 100);
    for (const QPoint corner : {QPoint(110, 110), QPoint(90, 90), QPoint(110, 90), QPoint(90, 110)})
      QCOMPARE(field.pixel(corner.x(), corner.y()), navy);
    for (const QPoint side : {QPoint(110, 100), QPoint(100, 110), QPoint(90, 100), QPoint(100, 90)})
      QCOMPARE(field.pixel(side.x(), side.y()), navy);
    QCOMPARE(field.pixel(100, 100), green);
    QCOMPARE(field.pixel(113, 100), green);
    QCOMPARE(field.drawWidth, 2);
    QCOMPARE(field.currentX, 93.0);
    QCOMPARE(field.currentY, 93.0);
  }

  void crossFromTheMouseKeepsFractions() {
    FieldCanvas field = blankField();
    field.foreColor = vbRed;
    drawXMarkAtMouse(field, 100.5f, 200.25f);
    QCOMPARE(field.pixel(100, 200), vbRed);
    QCOMPARE(field.pixel(109, 209), vbRed);
    QCOMPARE(field.pixel(91, 209), vbRed);
    QCOMPARE(field.pixel(109, 191), vbRed);
    QCOMPARE(field.pixel(100, 209), green);
    QCOMPARE(field.currentX, 93.5);
    QCOMPARE(field.currentY, 193.25);
  }

  void squareFromTheMouseAndCrossFromStoredPositions() {
    FieldCanvas field = blankField();
    drawSquareMarkAtMouse(field, 50.5f, 60.5f);
    QCOMPARE(field.pixel(60, 70), navy);
    QCOMPARE(field.currentX, 43.5);
    drawXMark(field, 200, 200);
    QCOMPARE(field.pixel(190, 190), navy);
    QCOMPARE(field.pixel(209, 191), navy);
    QCOMPARE(field.currentY, 193.0);
  }

  void symbolsAtTheEdgeAreClippedNotMoved() {
    FieldCanvas field = blankField();
    drawXMark(field, 2, 3);
    drawSquareMark(field, 795, 695);
    QCOMPARE(field.pixel(2, 3), navy);
    QCOMPARE(field.pixel(785, 695), navy);
    QCOMPARE(field.currentX, 788.0);
    drawXMark(field, 2147483647, -2147483647 - 1);
    QCOMPARE(field.currentX, 2147483640.0);
  }

  void fieldMarksDrawSixYardLinesAndTheirTicks() {
    FieldCanvas field = blankField();
    drawFieldMarks(field, 660, 547.2);
    for (int y : {1, 110, 219, 328, 437, 546}) {
      QCOMPARE(field.pixel(80, y), yellow);  // yard lines run to 82.5
      QCOMPARE(field.pixel(86, y), green);
    }
    // The ticks are 66 pixels long, every 21.8 pixels.
    for (double y : {22.8, 44.6, 66.4, 88.2, 131.8, 153.6, 175.4, 197.2}) {
      QCOMPARE(field.pixel(60, int(y)), yellow);
      QCOMPARE(field.pixel(70, int(y)), green);
    }
    QCOMPARE(field.pixel(60, 33), green);
    QCOMPARE(field.pixel(60, 120), green);
    // The last band's ticks run on below its yard line.
    QCOMPARE(field.pixel(60, 633), yellow);
    QCOMPARE(field.pixel(80, 633), green);
    QCOMPARE(field.pixel(200, 110), green);
    QCOMPARE(field.foreColor, navy);
    QCOMPARE(field.drawWidth, 2);
  }

  void printsTextWithItsTopLeftAtTheTextPosition() {
    FieldCanvas field = blankField();
    field.currentX = 93;
    field.currentY = 193;
    field.foreColor = vbWhite;
    field.print(QStringLiteral(" 1"));
    int whitePixels = 0, left = 1000, top = 1000;
    for (int y = 180; y < 230; ++y)
      for (int x = 80; x < 130; ++x)
        if (field.pixel(x, y) == vbWhite) {
          ++whitePixels;
          left = std::min(left, x);
          top = std::min(top, y);
        }
    QVERIFY(whitePixels > 5);
    QVERIFY(left > 93 && left < 105);  // the blank in the sign position comes first
    QVERIFY(top >= 193 && top < 198);
  }

  void circleMovesTheTextPositionToItsCentre() {
    FieldCanvas field = blankField();
    field.drawWidth = 2;
    field.circle(115, 215, circleRadius);
    QCOMPARE(field.pixel(125, 215), navy);
    QCOMPARE(field.pixel(115, 205), navy);
    QCOMPARE(field.pixel(115, 215), green);
    QCOMPARE(field.currentX, 115.0);
    QCOMPARE(field.currentY, 215.0);
  }

  void pictureIsPersistentAndGrowsKeepingWhatItHolds() {
    FieldCanvas field(QSize(100, 100), green);
    drawSquareMark(field, 50, 50);
    field.ensureSize(QSize(300, 50));
    QCOMPARE(field.image().size(), QSize(300, 100));
    QCOMPARE(field.pixel(60, 60), navy);
    QCOMPARE(field.pixel(250, 60), green);
    field.clear();
    QCOMPARE(field.pixel(60, 60), green);
    QCOMPARE(field.currentX, 0.0);
  }

  void dirtyAreaCoversWhatWasDrawn() {
    FieldCanvas field = blankField();
    int changes = 0;
    field.setChangeListener([&changes] { ++changes; });
    drawSquareMark(field, 100, 100);
    QCOMPARE(changes, 1);
    const QRegion dirty = field.takeDirty();
    QVERIFY(dirty.boundingRect().contains(QRect(90, 90, 21, 21)));
    QVERIFY(!dirty.boundingRect().contains(QPoint(200, 200)));
    QVERIFY(field.takeDirty().isEmpty());
    field.line(0, 0, 1, 1);
    QCOMPARE(changes, 2);
  }

  // The play drawn from its data on a canvas of its own, with no window, is
  // what Open shows on the Field.
  void aPlayDrawnFromItsDataIsWhatOpenShows() {
    const QByteArray text =
        "3\r\nplayer,1, 1 \r\ncoord,200,300\r\n0,200,300, 255 \r\n1,260,250, 255 \r\n2,320,200, 255 \r\nEND\r\n"
        "player,2, 3 \r\ncoord,400,180\r\n0,400,180, 16711680 \r\n1,450,400, 16711680 \r\nEND\r\n"
        "player,3, 2 \r\ncoord,500,500\r\nEND\r\n";
    Play play;
    BytesDevice device(text);
    QVERIFY(readPlayFile(device, ReadPolicy::Lenient, play));
    FieldCanvas bare(QSize(800, 600), green);
    drawFieldMarks(bare, 660, 547.2);
    drawPlay(bare, play, navy);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QCOMPARE(bare.pixel(200, 290), navy);    // the circle's top, in the pen colour
    QCOMPARE(bare.pixel(290, 225), vbRed);   // the red path
    QCOMPARE(bare.pixel(425, 290), vbBlue);  // the blue path
    QCOMPARE(bare.pixel(510, 510), navy);    // the square's corner

    TestWindow w;
    writeBytes(w.platform.folder.filePath(QStringLiteral("three.ply")), text);
    w.platform.fileAnswers << w.platform.folder.filePath(QStringLiteral("three.ply"));
    w->Open_Click();
    const QRect compared(0, 0, 800, 600);
    QCOMPARE(w.field().image().copy(compared), bare.image().copy(compared));
  }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
