#include "core/animation/moment.h"
#include "core/animation/timeline.h"
#include "core/animation/video.h"
#include "core/model/vocabulary.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <limits>
#include <random>

namespace {

// A player of the kind and label at the point, running the path.
int place(Play& play, std::int16_t kind, const QString& label, QPoint at, const QList<QPoint>& path = {}) {
  const int p = ++play.playerCount;
  play.players[p] = {at.x(), at.y(), kind, 0};
  play.moves[p][0] = {at.x(), at.y(), 0, 0};
  for (int s = 1; s <= path.size(); ++s) play.moves[p][s] = {path[s - 1].x(), path[s - 1].y(), 0, 0};
  play.labels[p] = labelFrom(label);
  return p;
}

// A quarterback dropping 3 yards, a receiver running 25 yards up and 10
// across, a tackle setting a yard back and a linebacker standing still.
Play passingPlay() {
  Play play;
  place(play, Offence, QStringLiteral("QB"), {800, 700}, {{800, 790}});
  place(play, Offence, QStringLiteral("Z"), {1200, 600}, {{1200, 150}, {1100, 100}});
  place(play, Offence, QStringLiteral("T"), {880, 600}, {{880, 630}});
  place(play, Defence, QStringLiteral("M"), {800, 450});
  return play;
}

const PlayRoles passing{1, 2, true};

double distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

}  // namespace

class TimelineTest : public QObject {
  Q_OBJECT
 private slots:
  void speedsComeFromTheLabelReadByKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("set");
    QTest::addColumn<double>("speed");
    QTest::newRow("an offensive tackle") << int(Offence) << "T" << 0.0f << 5.5;
    QTest::newRow("a defensive tackle") << int(Defence) << "T" << 0.0f << 6.0;
    QTest::newRow("the centre") << int(Centre) << "C" << 0.0f << 5.5;
    QTest::newRow("a tight end") << int(Offence) << "TE" << 0.0f << 7.0;
    QTest::newRow("a receiver") << int(Offence) << "SL" << 0.0f << 8.0;
    QTest::newRow("a back") << int(Offence) << "FB" << 0.0f << 7.5;
    QTest::newRow("the quarterback") << int(Offence) << "QB" << 0.0f << 6.0;
    QTest::newRow("a linebacker") << int(Defence) << "OLB" << 0.0f << 7.0;
    QTest::newRow("a nickel back") << int(Defence) << "NB" << 0.0f << 7.5;
    QTest::newRow("a cornerback's label on the offence") << int(Offence) << "CB" << 0.0f << 7.0;
    QTest::newRow("no label") << int(Defence) << "" << 0.0f << 7.0;
    QTest::newRow("a speed of his own") << int(Offence) << "T" << 9.5f << 9.5;
  }

  void speedsComeFromTheLabelReadByKind() {
    QFETCH(int, kind);
    QFETCH(QString, label);
    QFETCH(float, set);
    QFETCH(double, speed);
    Play play;
    const int p = place(play, std::int16_t(kind), label, {500, 500});
    play.speeds[p] = set;
    QCOMPARE(speedOf(play, p), speed);
  }

  void playersRunTheirPathsAtTheirSpeeds_data() {
    QTest::addColumn<double>("t");
    QTest::addColumn<QPointF>("receiver");
    QTest::addColumn<QPointF>("tackle");
    QTest::newRow("the snap") << 0.0 << QPointF(1200, 600) << QPointF(880, 600);
    QTest::newRow("the tackle's yard set done at 0.18 s") << 1 / 5.5 << QPointF(1200, 600 - 240.0 / 5.5) << QPointF(880, 630);
    QTest::newRow("the receiver half way up") << 0.9375 << QPointF(1200, 375) << QPointF(880, 630);
    QTest::newRow("the receiver at the break") << 1.875 << QPointF(1200, 150) << QPointF(880, 630);
  }

  // A receiver at 8 yards a second covers 240 pixels a second; a tackle at 5.5, 165.
  void playersRunTheirPathsAtTheirSpeeds() {
    QFETCH(double, t);
    QFETCH(QPointF, receiver);
    QFETCH(QPointF, tackle);
    const PlayMoment moment = playAt(passingPlay(), timelineOf(passingPlay(), {}), t);
    QCOMPARE(moment.standing[2], receiver);
    QCOMPARE(moment.standing[3], tackle);
    QCOMPARE(moment.standing[4], QPointF(800, 450));
    QVERIFY(!moment.ball);
  }

  // 25 yards at 8 yards a second: the receiver is at his last point at 3.125 s and stays.
  void aRouteOf25YardsEndsAt3Point125Seconds() {
    Play play;
    place(play, Offence, QStringLiteral("X"), {300, 900}, {{300, 150}});
    QCOMPARE(timelineOf(play, {}).length, 3.125);
    QCOMPARE(playAt(play, timelineOf(play, {}), 3.125).standing[1], QPointF(300, 150));
    QCOMPARE(playAt(play, timelineOf(play, {}), 3.124).standing[1].y() > 150, true);
    QCOMPARE(playAt(play, timelineOf(play, {}), 30).standing[1], QPointF(300, 150));
  }

  void theBallIsLedToWhereTheReceiverWillBe_data() {
    QTest::addColumn<float>("throwTime");
    QTest::addColumn<float>("ballSpeed");
    QTest::addColumn<double>("thrown");
    QTest::newRow("at the receiver's break") << 0.0f << 0.0f << 1.875;
    QTest::newRow("at the throw time") << 1.5f << 0.0f << 1.5;
    QTest::newRow("a faster ball") << 1.5f << 35.0f << 1.5;
    QTest::newRow("after every player has stopped") << 9.0f << 0.0f << 9.0;
  }

  // Without a throw time the ball leaves at the receiver's break (the start
  // of his last leg) or the end of the drop, whichever is later; with
  // neither, 2 s after the snap.
  void theUntimedThrowWaitsForTheBreakAndTheDrop_data() {
    QTest::addColumn<QList<QPoint>>("drop");
    QTest::addColumn<QList<QPoint>>("route");
    QTest::addColumn<double>("thrown");
    const QList<QPoint> threeStep{{800, 790}}, sevenStep{{800, 700 + 15 * 30}}, none;
    const QList<QPoint> post{{1200, 150}, {1100, 100}}, go{{1200, 150}};
    QTest::newRow("the break after a 3-yard drop") << threeStep << post << 1.875;
    QTest::newRow("a 15-yard drop after the break") << sevenStep << post << 2.5;
    QTest::newRow("a go: the drop") << threeStep << go << 0.5;
    QTest::newRow("no drop: the break") << none << post << 1.875;
    QTest::newRow("a go and no drop: 2 s") << none << go << 2.0;
    QTest::newRow("a receiver standing, no drop: 2 s") << none << none << 2.0;
    QTest::newRow("a wheel: the start of its last leg")
        << none << QList<QPoint>{{1290, 570}, {1380, 450}, {1380, 0 + 1}} << (std::hypot(90.0, 30.0) + std::hypot(90.0, 120.0)) / 240;
  }

  void theUntimedThrowWaitsForTheBreakAndTheDrop() {
    QFETCH(QList<QPoint>, drop);
    QFETCH(QList<QPoint>, route);
    QFETCH(double, thrown);
    Play play;
    place(play, Offence, QStringLiteral("QB"), {800, 700}, drop);
    place(play, Offence, QStringLiteral("Z"), {1200, 600}, route);
    const std::optional<Pass> pass = timelineOf(play, passing).pass;
    QVERIFY(pass);
    QCOMPARE(pass->thrown, thrown);
  }

  // The ball leaves the quarterback at the throw and meets the receiver:
  // its flight is the ball's speed times its time, to within a pixel.
  void theBallIsLedToWhereTheReceiverWillBe() {
    QFETCH(float, throwTime);
    QFETCH(float, ballSpeed);
    QFETCH(double, thrown);
    Play play = passingPlay();
    play.throwTime = throwTime;
    play.ballSpeed = ballSpeed;
    const std::optional<Pass> pass = timelineOf(play, passing).pass;
    QVERIFY(pass);
    QCOMPARE(pass->thrown, thrown);
    QCOMPARE(pass->from, playAt(play, timelineOf(play, passing), thrown).standing[1]);
    const double speed = (ballSpeed == 0 ? usualBallSpeed : ballSpeed) * 30;
    QVERIFY(std::abs(distance(pass->from, pass->to) - speed * (pass->caught - pass->thrown)) <= 1);
    const PlayMoment caught = playAt(play, timelineOf(play, passing), pass->caught);
    QVERIFY(distance(*caught.ball, caught.standing[2]) <= 1);
    QVERIFY(distance(pass->to, caught.standing[2]) <= 1);
    const PlayMoment held = playAt(play, timelineOf(play, passing), thrown * 0.9);
    QVERIFY(held.ballHeld && *held.ball == held.standing[1] && !held.flight);
    const PlayMoment flying = playAt(play, timelineOf(play, passing), (pass->thrown + pass->caught) / 2);
    QVERIFY(!flying.ballHeld && flying.flight && flying.flight->p1() == pass->from);
    QCOMPARE(timelineOf(play, passing).length, std::max(pass->caught, (450 + std::hypot(100.0, 50.0)) / 240));
  }

  // A receiver the ball cannot catch up with gets it where he stops; the
  // play never runs past a minute; the positions do not depend on the
  // order in which times are asked for.
  void farReceiversFarPointsAndAnyOrder() {
    Play play = passingPlay();
    play.speeds[2] = 12;
    play.ballSpeed = 10;
    play.throwTime = 0.5;
    const std::optional<Pass> pass = timelineOf(play, passing).pass;
    QVERIFY(pass);
    QCOMPARE(pass->to, QPointF(1100, 100));
    QVERIFY(!timelineOf(play, {1, 2, false}).pass && !timelineOf(play, {1, 9, true}).pass &&
            !timelineOf(play, {0, 2, true}).pass);

    Play far;
    const int big = std::numeric_limits<std::int32_t>::max();
    place(far, Offence, QStringLiteral("X"), {1, 1}, {{big, big}});
    QCOMPARE(timelineOf(far, {}).length, longestPlay);

    QList<double> times;
    for (int i = 0; i <= 40; ++i) times << i * 0.1;
    QList<PlayMoment> inOrder;
    for (const double t : times) inOrder << playAt(play, timelineOf(play, passing), t);
    std::mt19937 shuffler(7);
    std::shuffle(times.begin(), times.end(), shuffler);
    for (const double t : times) {
      const PlayMoment again = playAt(play, timelineOf(play, passing), t);
      const PlayMoment& first = inOrder[qsizetype(std::lround(t * 10))];
      QCOMPARE(again.standing, first.standing);
      QCOMPARE(again.ball, first.ball);
    }
  }

  // A video frame is the moment it shows, whichever frames came before it:
  // in the football and paper looks the field, paths and players drawn in
  // one pass where they stand (the ball held, and caught); in the classic
  // look the moment as the preview draws it, the ball in flight too.
  void videoFramesAreTheMomentsTheyShow() {
    for (const Look look : {Look::Classic, Look::Football, Look::Paper}) {
      const PlayPicture picture{passingPlay(), passing, QSize(1600, 980), 0, look, Level::HighSchool, {}};
      const VideoRequest request{picture, picture.size, 30};
      const Timeline timeline = timelineOf(picture.play, picture.roles);
      const FrameDrawer draw = videoFrameDrawer(request);
      const int last = videoFrames(request) - 1;
      for (const int i : {last, 40, 0, 20, 41}) {
        const PlayMoment moment = playAt(picture.play, timeline, std::clamp(i / 30.0 - heldAtStart, 0.0, timeline.length));
        if (look != Look::Classic && moment.flight) continue;
        QImage frame(request.frameSize, QImage::Format_RGB32);
        draw(i, frame);
        QImage afresh(request.frameSize, QImage::Format_RGB32);
        afresh.fill(Qt::black);
        QPainter painter(&afresh);
        painter.setClipRect(QRect(QPoint(0, 0), picture.size));
        if (look == Look::Classic)
          drawPlayMoment(painter, picture, moment);
        else
          drawPlayPictureAt(painter, picture, moment.standing,
                            moment.ballHeld ? ballBeside(*moment.ball, moment.standing.mid(1)) : moment.ball);
        painter.end();
        QVERIFY2(frame == afresh, qPrintable(QStringLiteral("look %1, frame %2").arg(int(look)).arg(i)));
      }
    }
  }
};

QTEST_MAIN(TimelineTest)
#include "test_timeline.moc"
