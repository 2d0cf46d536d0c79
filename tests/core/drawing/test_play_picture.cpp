#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/drawing/picture.h"
#include "core/drawing/playdrawing.h"
#include "core/files/playbookfolder.h"
#include "core/settings/colors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Three offence players on a row, 200 pixels apart, without paths.
Play threePlayers() {
  Play play;
  play.playerCount = 3;
  for (int i = 1; i <= 3; ++i) {
    play.players[i] = {200 * i, 300, Offence, 0};
    play.moves[i][0] = {200 * i, 300, 0, 0};
  }
  return play;
}

}  // namespace

class PlayPictureTest : public QObject {
  Q_OBJECT
 private slots:
  void theBallLiesOnTheQuarterback_data() {
    QTest::addColumn<int>("quarterback");
    QTest::addColumn<bool>("passing");
    QTest::addColumn<bool>("ball");
    QTest::newRow("the first player") << 1 << true << true;
    QTest::newRow("the last player") << 3 << true << true;
    QTest::newRow("no player") << 0 << true << false;
    QTest::newRow("a player beyond the play") << 4 << true << false;
    QTest::newRow("not a passing play") << 3 << false << false;
  }

  // The picture with the ball differs from the one without exactly inside
  // the ball's square around the quarterback.
  void theBallLiesOnTheQuarterback() {
    QFETCH(int, quarterback);
    QFETCH(bool, passing);
    QFETCH(bool, ball);
    const Play play = threePlayers();
    const QImage without = playImage({play, {}, QSize(800, 600), 0});
    const QImage with = playImage({play, {quarterback, 2, passing}, QSize(800, 600), 0});
    QCOMPARE(with != without, ball);
    if (!ball) return;
    const int x = play.players[quarterback].x;
    const QRect square(footballCorner(cornerOfBallAround(QPointF(x, 300))), QSize(footballSize, footballSize));
    QCOMPARE(with.copy(square), footballPicture());
    QCOMPARE(with.copy(0, 0, square.left(), 600), without.copy(0, 0, square.left(), 600));
  }

  void aPathIsDrawnToItsThirdStep_data() {
    QTest::addColumn<int>("steps");
    for (int steps = 0; steps <= maxStep; ++steps) QTest::newRow(qPrintable(QStringLiteral("%1 steps").arg(steps))) << steps;
  }

  // A red path of the given number of steps, 100 pixels each to the right:
  // the middle of each of its first three moves is red, of any later none.
  void aPathIsDrawnToItsThirdStep() {
    QFETCH(int, steps);
    Play play;
    play.playerCount = 1;
    play.players[1] = {50, 200, Defence, vbRed};
    for (int s = 0; s <= steps; ++s) play.moves[1][s] = {50 + 100 * s, 200, 0, 0};
    FieldCanvas canvas(QSize(800, 400), fieldGreen);
    drawPlay(canvas, play, navy);
    for (int s = 1; s <= maxStep; ++s)
      QCOMPARE(canvas.pixel(100 * s, 200) == vbRed, s <= std::min(steps, 3));
    QCOMPARE(canvas.foreColor, navy);  // the pen goes back to the pen colour
  }

  // A thumbnail carries the rule book's mark in its top-right corner when
  // the play breaks a rule (a centre alone: one on the line), not otherwise
  // (no centre, no line to check).
  void anIllegalPlaysThumbnailIsMarked_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("marked");
    QTest::newRow("a centre alone") << int(Centre) << true;
    QTest::newRow("no centre") << int(Offence) << false;
  }

  void anIllegalPlaysThumbnailIsMarked() {
    QFETCH(int, kind);
    QFETCH(bool, marked);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("play.ply"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1\r\nplayer,1, " + QByteArray::number(kind) + " \r\ncoord,800,600\r\nEND\r\n");
    file.close();
    const PlayThumbnail thumbnail = playThumbnail(path, Look::Paper, Level::HighSchool, QSize(160, 120));
    QVERIFY(thumbnail.read);
    int orange = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 130; x < 160; ++x) orange += thumbnail.image.pixelColor(x, y) == ruleWarningColor;
    QCOMPARE(orange > 20, marked);
  }
};

QTEST_MAIN(PlayPictureTest)
#include "test_play_picture.moc"
