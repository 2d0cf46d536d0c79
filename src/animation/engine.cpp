#include "animation/frames.h"
#include "app/controls.h"
#include "app/moxten.h"
#include "drawing/fieldbox.h"
#include "drawing/symbols.h"
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

// A player number read from a box, as an index into the play: nothing when it
// is outside 0 to 100.
std::optional<int> playerIndex(double number) {
  const std::optional<std::int16_t> index = toInt16(number);
  if (!index || !isPlayerNumber(*index)) return std::nullopt;
  return *index;
}

void drawSymbol(FieldCanvas& field, std::int16_t kind, QPointF at) {
  switch (kind) {
    case Offence: field.circle(at.x(), at.y(), circleRadius); break;
    case Centre: drawSquareMark(field, roundToInt32(at.x()), roundToInt32(at.y())); break;
    case Defence: drawXMark(field, roundToInt32(at.x()), roundToInt32(at.y())); break;
    default: break;
  }
}

}  // namespace

// Frame k of a step for every player in number order: the path segment, the
// symbol of frame k - 1 erased, the ball put on the quarterback's frame k - 1,
// the symbol of frame k, and the segment again. Answers where the ball was and is.
QRegion Moxten::drawFrame(const StepSegment* segments, int k, double quarterback) {
  FieldCanvas& field = canvas();
  FieldCanvas::Batch batch(field);
  QRegion ballArea;
  const int count = std::clamp<int>(playerCount, 0, maxPlayers);
  for (int p = 1; p <= count; ++p) {
    const StepSegment& step = segments[p];
    const PlayerRecord& player = players[p];
    penColor = player.color;
    if (isTableColor(penColor)) field.foreColor = penColor;
    if (!step.played()) continue;
    field.line(step.x0, step.y0, step.x1, step.y1);
    if (k > 1) {
      field.foreColor = field.backColor;
      drawSymbol(field, player.kind, step.at(k - 1));
      field.foreColor = penColor;
    }
    penColor = field.foreColor;
    if (quarterback == p) ballArea = centreFootballOn(step.at(k - 1));
    drawSymbol(field, player.kind, step.at(k));
    penColor = field.foreColor;
    if (isTableColor(player.color)) field.foreColor = player.color;
    field.line(step.x0, step.y0, step.x1, step.y1);
    penColor = field.foreColor;
  }
  return ballArea;
}

void Moxten::animatePlay() {
  animating_ = true;
  const int delay = std::clamp(roundToInt32(readNumber(configuration->Speed->text())), 0, longestDelay);
  const double quarterback = readNumber(Quarterback->currentText());
  const std::optional<int> q = playerIndex(quarterback);
  const std::optional<int> r = playerIndex(readNumber(intended->currentText()));

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

  const int count = std::clamp<int>(playerCount, 0, maxPlayers);
  std::array<StepSegment, maxPlayers + 1> segments{};
  for (int t = 1; t <= 3; ++t) {
    for (int p = 1; p <= count; ++p)
      segments[p] = StepSegment::between(moves[p][t - 1].x, moves[p][t - 1].y, moves[p][t].x, moves[p][t].y);
    for (int k = 1; k <= framesPerStep; ++k) {
      Field->repaintNow(drawFrame(segments.data(), k, quarterback));
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
