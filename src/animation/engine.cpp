// Moxten: the animation engine and the football.
#include "animation/frames.h"
#include "app/controls.h"
#include "app/moxten.h"
#include "drawing/fieldbox.h"
#include "drawing/playdrawing.h"
#include "model/numbers.h"
#include "settings/colors.h"
#include "settings/configuration.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// The longest wait the settings dialog lets through, in milliseconds.
constexpr int longestDelay = 999;

}  // namespace

void Moxten::placeFootballOn(int player) {
  centreFootballOn(QPointF(players[player].x, players[player].y));
}

QRegion Moxten::moveFootball(double left, double top) {
  QRegion area(football->geometry());
  football->move(roundToInt32(left), roundToInt32(top));
  return area + football->geometry();
}

QRegion Moxten::centreFootballOn(QPointF centre) {
  return moveFootball(centre.x() - football->width() / 2.0, centre.y() - football->height() / 2.0);
}

void Moxten::animatePlay() {
  animating_ = true;
  const int delay = std::clamp(roundToInt32(readNumber(configuration->Speed->text())), 0, longestDelay);
  const double quarterback = readNumber(Quarterback->currentText());
  const std::optional<int> q = playerNumberIn(Quarterback->currentText());
  const std::optional<int> r = playerNumberIn(intended->currentText());

  // The flight runs from the quarterback's last step to the receiver's.
  PlayerRecord passerEnd, receiverEnd;
  for (int t = 1; t <= 3; ++t) {
    if (q && moves[*q][t].x != 0) passerEnd = moves[*q][t];
    if (r && moves[*r][t].x != 0) receiverEnd = moves[*r][t];
  }
  const double ballWidth = football->width(), ballHeight = football->height();
  const StepSegment flight = StepSegment::between(
      roundToInt32(passerEnd.x - ballWidth / 2), roundToInt32(passerEnd.y - ballHeight / 2),
      roundToInt32(receiverEnd.x - ballWidth / 2), roundToInt32(receiverEnd.y - ballHeight / 2));
  if (q) placeFootballOn(*q);
  football->setVisible(PassingPlay->checkState() != Qt::Unchecked);

  const int count = placedCount();
  std::array<StepSegment, maxPlayers + 1> segments{};
  for (int t = 1; t <= 3; ++t) {
    for (int p = 1; p <= count; ++p)
      segments[p] = StepSegment::between(moves[p][t - 1].x, moves[p][t - 1].y, moves[p][t].x, moves[p][t].y);
    for (int k = 1; k <= framesPerStep; ++k) {
      const std::optional<QPointF> ball = drawFrame(canvas(), *this, segments.data(), k, quarterback, penColor);
      Field->repaintNow(ball ? centreFootballOn(*ball) : QRegion());
      platform_.wait(delay);
    }
  }

  // Without a quarterback and a receiver the ball stays where it is.
  const bool ballFlies = q && r;
  for (int k = 1; k <= framesPerStep; ++k) {
    const QPointF ball = flight.at(k);
    Field->repaintNow(ballFlies ? moveFootball(ball.x(), ball.y()) : QRegion());
    platform_.wait(delay);
  }
  canvas().foreColor = navy;

  animating_ = false;
  // The waits held the user's input back in the window system's queue, where
  // nothing new wakes the event loop to take it: wake it, so that the input
  // is handled now, in the order given.
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}
