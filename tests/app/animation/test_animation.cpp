#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "core/animation/frames.h"
#include "core/settings/colors.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A saved play set up directly in the window's members; each wait records the
// Field's picture and the ball's position.
struct AnimationWindow : TestWindow {
  QList<QImage> frames;
  QList<QPoint> ballPositions;

  AnimationWindow() {
    window->playFileName = platform.folder.filePath(QStringLiteral("play.ply"));
    window->isSaved = flagTrue;
    platform.onWait = [this] {
      frames << field().image().copy();
      ballPositions << window->football->pos();
    };
  }

  void player(int p, std::int16_t kind, std::uint32_t color, std::initializer_list<QPoint> path) {
    window->playerCount = std::int16_t(std::max<int>(window->playerCount, p));
    window->players[p].kind = kind;
    window->players[p].color = color;
    int s = 0;
    for (const QPoint point : path) window->moves[p][s++] = {point.x(), point.y(), 0, 0};
    window->players[p].x = window->moves[p][0].x;
    window->players[p].y = window->moves[p][0].y;
  }

  std::uint32_t pixelAt(int frame, int x, int y) const {
    return fromQColor(QColor(frames[frame - 1].pixel(x, y)));
  }
};

// The ball's corner for a centre, as the window places it.
QPoint ballCorner(double x, double y) { return {int(std::nearbyint(x - 14.5)), int(std::nearbyint(y - 14.5))}; }

}  // namespace

class AnimationTest : public QObject {
  Q_OBJECT
 private slots:
  void framePositionsRunInTwentyFrames() {
    const StepSegment step = StepSegment::between(100, 100, 300, 150);
    QCOMPARE(step.at(0), QPointF(100, 100));
    QCOMPARE(step.at(1), QPointF(110, 102.5));
    QCOMPARE(step.at(20), QPointF(300, 150));
    QVERIFY(!StepSegment::between(1, 1, 0, 5).played());
    QVERIFY(!StepSegment::between(1, 1, 5, 0).played());
    QVERIFY(StepSegment::between(1, 1, 5, 5).played());
  }

  void everyRunWaitsEightyTimes() {
    AnimationWindow w;
    w.player(1, Defence, vbRed, {{100, 100}, {300, 100}});
    w->animatePlay();
    QCOMPARE(w.platform.waits, 80);
    QCOMPARE(w.platform.waitTimes, QList<int>(80, 20));
    w.player(2, Offence, vbBlue, {{50, 300}, {60, 300}, {70, 300}, {80, 300}});
    w->configuration->Speed->setText(QStringLiteral("2.5"));
    w->animatePlay();
    QCOMPARE(w.platform.waits, 160);
    QCOMPARE(w.platform.waitTimes.last(), 2);
  }

  void speedOutsideTheDialogsRangeIsClamped() {
    AnimationWindow w;
    w.player(1, Defence, vbRed, {{100, 100}, {300, 100}});
    const QList<QPair<QString, int>> cases = {{"-40", 0}, {"70000", 999}, {"fast", 0}, {"1e9", 999}};
    for (const auto& [speed, expected] : cases) {
      w.platform.waitTimes.clear();
      w->configuration->Speed->setText(speed);
      w->animatePlay();
      QCOMPARE(w.platform.waitTimes, QList<int>(80, expected));
    }
  }

  void playersMoveFrameByFrame() {
    AnimationWindow w;
    // A red X from (100, 100) ten pixels a frame to (300, 100), then down to (300, 300).
    w.player(1, Defence, vbRed, {{100, 100}, {300, 100}, {300, 300}});
    w->animatePlay();
    for (int k = 2; k <= 20; ++k) {
      const int x = 100 + 10 * k;
      QCOMPARE(w.pixelAt(k, x + 7, 107), vbRed);             // the symbol at frame k
      QCOMPARE(w.pixelAt(k, x - 10 + 3, 103), fieldGreen);   // the one of frame k - 1, erased
      QCOMPARE(w.pixelAt(k, x - 10, 100), vbRed);            // the segment drawn over it
    }
    // A symbol stays at the end of each step, joined by the path.
    const QImage last = w.frames.last();
    QCOMPARE(fromQColor(QColor(last.pixel(307, 107))), vbRed);
    QCOMPARE(fromQColor(QColor(last.pixel(307, 307))), vbRed);
    QCOMPARE(fromQColor(QColor(last.pixel(300, 200))), vbRed);
    QCOMPARE(w->penColor, vbRed);
    QCOMPARE(w.field().foreColor, navy);
  }

  void circlesMoveUnroundedAndSquaresRounded() {
    AnimationWindow w;
    w.player(1, Offence, vbBlue, {{100, 400}, {101, 500}});
    w.player(2, Centre, vbWhite, {{400, 100}, {401, 300}});
    w->animatePlay();
    // Frame 10: the circle is centred on (100.5, 450), the square on (400, 200).
    QCOMPARE(w.pixelAt(10, 110, 450), vbBlue);
    QCOMPARE(w.pixelAt(10, 410, 190), vbWhite);
    QCOMPARE(w->penColor, vbWhite);
  }

  void playerStandingStillTakesItsPathColour() {
    AnimationWindow w;
    w->sbox_Click();
    w.click(QPoint(185, 185));  // a navy square at (200, 200)
    QCOMPARE(w.pixel(210, 210), navy);
    w->motion_Click();
    w->PlayerN->setEditText(QStringLiteral("1"));
    w->movements->setEditText(QStringLiteral("None"));
    w->Path_Click();
    w->players[1].color = vbBlue;
    w->isSaved = flagTrue;
    w->animatePlay();
    QCOMPARE(w.pixel(210, 210), vbBlue);
    w->players[1].color = 0x123456;  // not a table colour: the drawing colour stays
    w->animatePlay();
    QCOMPARE(w->penColor, 0x123456u);
  }

  void stepsEndingOnAnEdgeAreNotPlayed() {
    AnimationWindow w;
    w.player(1, Defence, vbRed, {{100, 100}, {0, 5}, {300, 300}});
    w->animatePlay();
    QCOMPARE(w.pixelAt(20, 50, 52), fieldGreen);  // no segment towards (0, 5)
    QCOMPARE(w.pixelAt(20, 5, 5), fieldGreen);
    QCOMPARE(w.pixelAt(40, 150, 152), vbRed);  // step 2 starts from (0, 5)
    QCOMPARE(w.platform.waits, 80);
  }

  void playerOfNoKindDrawsOnlyItsPath() {
    AnimationWindow w;
    w.player(1, 0, vbRed, {{100, 100}, {300, 100}});
    w->animatePlay();
    QCOMPARE(w.pixelAt(10, 150, 100), vbRed);
    QCOMPARE(w.pixelAt(10, 207, 107), fieldGreen);
  }

  void ballTrailsTheQuarterbackThenFliesToTheReceiver() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 300}, {100, 200}, {140, 200}});
    w.player(2, Defence, vbBlue, {{400, 100}, {400, 300}, {420, 300}, {500, 350}});
    w->Quarterback->setEditText(QStringLiteral("1"));
    w->intended->setEditText(QStringLiteral(" 2"));
    w->PassingPlay->setChecked(true);
    w->animatePlay();
    QVERIFY(w->football->isVisible());
    QCOMPARE(w.ballPositions.size(), 80);
    for (int k = 1; k <= 20; ++k) {
      QCOMPARE(w.ballPositions[k - 1], ballCorner(100, 300 - 5 * (k - 1)));   // step 1, a frame behind
      QCOMPARE(w.ballPositions[20 + k - 1], ballCorner(100 + 2 * (k - 1), 200));  // step 2
    }
    // Step 3 is empty for the quarterback: the ball stays where it was.
    for (int k = 41; k <= 60; ++k) QCOMPARE(w.ballPositions[k - 1], ballCorner(138, 200));
    // The flight: from (140, 200) to (500, 350), corners rounded first.
    const QPoint from(126, 186), to(486, 336);  // 125.5 and 185.5 go to the even neighbour
    for (int k = 1; k <= 20; ++k) {
      const QPointF expected(from.x() + (to.x() - from.x()) * k / 20.0, from.y() + (to.y() - from.y()) * k / 20.0);
      QCOMPARE(w.ballPositions[60 + k - 1], QPoint(int(std::nearbyint(expected.x())), int(std::nearbyint(expected.y()))));
    }
  }

  void hiddenBallStillFlies() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 300}, {100, 200}});
    w->Quarterback->setEditText(QStringLiteral("1"));
    w->football->show();
    w->animatePlay();
    QVERIFY(w->football->isHidden());
    QCOMPARE(w.platform.waits, 80);
    QCOMPARE(w.ballPositions.last(), QPoint(-14, -14));  // no receiver: the top-left corner
  }

  void ballStaysWithoutAQuarterbackOrReceiverInRange() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 300}, {100, 200}});
    w.player(2, Offence, vbBlue, {{200, 300}, {200, 100}});
    w->PassingPlay->setChecked(true);
    w->football->move(50, 60);
    w->Quarterback->setEditText(QStringLiteral("-3"));
    w->intended->setEditText(QStringLiteral("2"));
    w->animatePlay();
    QCOMPARE(w.ballPositions, QList<QPoint>(80, QPoint(50, 60)));
    // A quarterback in range carries the ball; a receiver outside takes no pass.
    w.ballPositions.clear();
    w->Quarterback->setEditText(QStringLiteral("1"));
    w->intended->setEditText(QStringLiteral("101"));
    w->animatePlay();
    QCOMPARE(w.ballPositions[0], ballCorner(100, 300));
    QCOMPARE(w.ballPositions.mid(59), QList<QPoint>(21, ballCorner(100, 205)));
  }

  // Positions a file can hold, far outside the Field: the player and the ball
  // still move from start to end, through the middle.
  void farPositionsMoveTheRightWay() {
    AnimationWindow w;
    w.player(1, Defence, vbRed, {{-2000000000, 100}, {2000000000, 100}});
    w.player(2, Offence, vbBlue, {{-2000000000, 300}, {-2000000000, 400}});
    w->Quarterback->setEditText(QStringLiteral("1"));
    w->intended->setEditText(QStringLiteral("2"));
    w->animatePlay();
    QCOMPARE(w.pixelAt(10, 7, 107), vbRed);  // frame 10: half way, at x = 0
    // Half way through the flight from corner (1999999986, 86) to (-2000000014, 386).
    QCOMPARE(w.ballPositions[69], QPoint(-14, 236));
    QCOMPARE(StepSegment::between(2000000000, 0, -2000000000, 0).at(1).x(), 1800000000.0);
  }

  void fractionalQuarterbackStartsTheBallButIsNotFollowed() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 300}, {100, 200}});
    w.player(2, Offence, vbBlue, {{200, 300}, {200, 100}});
    w->Quarterback->setEditText(QStringLiteral("2.5"));
    w->PassingPlay->setChecked(true);
    w->animatePlay();
    for (int k = 1; k <= 60; ++k) QCOMPARE(w.ballPositions[k - 1], ballCorner(200, 300));
    QCOMPARE(w.ballPositions.last(), QPoint(-14, -14));
    QCOMPARE(w.ballPositions[59 + 10], QPoint(int(std::nearbyint((186 - 14) / 2.0)), 36));
  }

  void numbersOutsideThePlayAreNoQuarterbackOrReceiver() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 300}, {100, 200}});
    w->football->move(5, 6);
    for (const char* number : {"150", "-3", "99999999"}) {
      w->Quarterback->setEditText(QString::fromLatin1(number));
      w->intended->setEditText(QString::fromLatin1(number));
      w.ballPositions.clear();
      w->football->move(5, 6);
      w->animatePlay();
      QCOMPARE(w.ballPositions, QList<QPoint>(80, QPoint(5, 6)));
    }
  }

  void animateChecksInOrder() {
    AnimationWindow w;
    // Nothing placed and never saved.
    w->playFileName = QStringLiteral("Untitled");
    w.platform.answers << Answer::Cancel;
    w->Animate_Click();
    QCOMPARE(w.platform.texts(), QStringList{"You must save file before running an animation"});
    QCOMPARE(w.platform.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(w.platform.messages[0].icon, Icon::None);
    QCOMPARE(w.platform.messages[0].title, QStringLiteral("Moxten"));
    // Saved and empty.
    w.platform.messages.clear();
    w->playFileName = w.platform.folder.filePath(QStringLiteral("p.ply"));
    w.platform.answers << Answer::Ok;
    QTest::mouseClick(w->AnimateButton, Qt::LeftButton);
    QCOMPARE(w.platform.texts(), QStringList{"There is nothing to animate"});
    QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
    QCOMPARE(w.platform.messages[0].buttons, Buttons::Ok);
    // Player 3 of 5 without a path: one message, nothing animated.
    w.platform.messages.clear();
    for (int p = 1; p <= 5; ++p) w.player(p, Offence, vbRed, {{50 * p, 100}, {50 * p, 200}});
    w->moves[3][1] = {0, 0, 0, 0};
    w->moves[4][1] = {0, 0, 0, 0};
    w.platform.answers << Answer::Ok;
    w->Animate->trigger();
    QCOMPARE(w.platform.texts(), QStringList{"There are inadequate movements on the board"});
    QCOMPARE(w.platform.waits, 0);
    // A first step at (0, 5) passes the check.
    w->moves[3][1] = {0, 5, 0, 0};
    w->moves[4][1] = {200, 250, 0, 0};
    w->Animate_Click();
    QCOMPARE(w.platform.waits, 80);
  }

  void unsavedPlayIsSavedFirstOrNotAnimated() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 100}, {100, 200}});
    w->playFileName = QStringLiteral("Untitled");
    w->isSaved = flagFalse;
    // Cancel on the first question.
    w.platform.answers << Answer::Cancel;
    w->Animate_Click();
    QCOMPARE(w.platform.texts(), QStringList{"You must save changes before continuing."});
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(w.platform.waits, 0);
    // OK, the save cancelled, asked again, cancelled again: the checks run, then nothing.
    w.platform.messages.clear();
    w.platform.answers << Answer::Ok << Answer::Ok;
    w.platform.fileAnswers << QString() << QString();
    w->Animate_Click();
    QCOMPARE(w.platform.texts(), (QStringList{"You must save changes before continuing.",
                                              "You must save file before running an animation"}));
    QCOMPARE(w.platform.fileRequests.size(), 2);
    QCOMPARE(w.platform.waits, 0);
    // OK and a save: animated without a second question.
    w.platform.messages.clear();
    w.platform.answers << Answer::Ok;
    w.platform.fileAnswers << w.platform.folder.filePath(QStringLiteral("saved.ply"));
    w->Animate_Click();
    QCOMPARE(w.platform.texts(), QStringList{"You must save changes before continuing."});
    QCOMPARE(w.platform.waits, 80);
    QCOMPARE(w->isSaved, flagTrue);
  }

  void savedButUntitledPlayRunsEvenWhenTheSaveIsCancelled() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 100}, {100, 200}});
    w->new_Click();
    w.player(1, Offence, vbRed, {{100, 100}, {100, 200}});
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    w.platform.answers << Answer::Ok;
    w.platform.fileAnswers << QString();
    w->Animate_Click();
    QCOMPARE(w.platform.waits, 80);
  }

  void closeRequestedDuringARunIsHandledAfterIt() {
    AnimationWindow w;
    w.player(1, Offence, vbRed, {{100, 100}, {100, 200}});
    bool closedInside = false;
    w.platform.onWait = [&] {
      if (w.platform.waits == 3) closedInside = w->close();
      QVERIFY(w->isVisible());
    };
    w->animatePlay();
    QVERIFY(!closedInside);
    QCOMPARE(w.platform.waits, 80);
    QTRY_VERIFY(!w->isVisible());
  }
};

QTEST_MAIN(AnimationTest)
#include "test_animation.moc"
