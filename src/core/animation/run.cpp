#include "core/animation/run.h"

#include "core/animation/frames.h"
#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/drawing/looks.h"
#include "core/drawing/playdrawing.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <algorithm>
#include <array>

namespace {

// The last of steps 1 to 3 whose x is not 0.
PlayerRecord lastStep(const Play& play, std::optional<int> player) {
  PlayerRecord end;
  if (!player) return end;
  for (int t = 1; t <= 3; ++t)
    if (play.moves[*player][t].x != 0) end = play.moves[*player][t];
  return end;
}

// The longest wait the settings dialog lets through, in milliseconds.
constexpr int longestDelay = 999;

}  // namespace

RunRoles runRolesOf(const Play& play, int quarterback, int receiver) {
  const auto placed = [&play](int p) { return p >= 1 && p <= play.placedCount() ? std::optional<int>(p) : std::nullopt; };
  return {double(placed(quarterback).value_or(0)), placed(quarterback), placed(receiver)};
}

int frameWaitFor(const QString& speed) { return std::clamp(roundToInt32(readNumber(speed)), 0, longestDelay); }

std::optional<QPointF> footballStart(const Play& play, const RunRoles& roles) {
  if (!roles.quarterback) return std::nullopt;
  const PlayerRecord& passer = play.players[*roles.quarterback];
  return cornerOfBallAround(QPointF(passer.x, passer.y));
}

int framesOfARun() { return 4 * framesPerStep; }

void runAnimation(FieldCanvas& canvas, const Play& play, const RunRoles& roles, std::uint32_t& penColor,
                  const std::function<void(std::optional<QPointF> ballCorner)>& frameDone) {
  // The flight runs from the quarterback's last step to the receiver's.
  const PlayerRecord passerEnd = lastStep(play, roles.quarterback), receiverEnd = lastStep(play, roles.receiver);
  const QPoint from = footballCorner(cornerOfBallAround(QPointF(passerEnd.x, passerEnd.y)));
  const QPoint to = footballCorner(cornerOfBallAround(QPointF(receiverEnd.x, receiverEnd.y)));
  const StepSegment flight = StepSegment::between(from.x(), from.y(), to.x(), to.y());

  const int count = play.placedCount();
  std::array<StepSegment, maxPlayers + 1> segments{};
  for (int t = 1; t <= 3; ++t) {
    for (int p = 1; p <= count; ++p)
      segments[p] = StepSegment::between(play.moves[p][t - 1].x, play.moves[p][t - 1].y, play.moves[p][t].x,
                                         play.moves[p][t].y);
    for (int k = 1; k <= framesPerStep; ++k) {
      const std::optional<QPointF> ball = drawFrame(canvas, play, segments.data(), k, roles.quarterbackValue, penColor);
      frameDone(ball ? std::optional<QPointF>(cornerOfBallAround(*ball)) : std::nullopt);
    }
  }
  // Without a quarterback and a receiver the ball stays where it is.
  const bool ballFlies = roles.quarterback && roles.receiver;
  for (int k = 1; k <= framesPerStep; ++k) frameDone(ballFlies ? std::optional<QPointF>(flight.at(k)) : std::nullopt);
  canvas.foreColor = navy;
}

LookFrame lookFrame(const Play& play, const RunRoles& roles, bool ballShown, int frame) {
  const int count = play.placedCount();
  LookFrame shown;
  shown.standing.resize(count + 1);
  const int stepsDone = std::clamp(frame, 0, 3 * framesPerStep) / framesPerStep;
  const int k = std::clamp(frame, 0, 3 * framesPerStep) % framesPerStep;
  for (int p = 1; p <= count; ++p) {
    QPointF at(play.players[p].x, play.players[p].y);
    for (int t = 1; t <= std::min(3, stepsDone + 1); ++t) {
      const StepSegment step = StepSegment::between(play.moves[p][t - 1].x, play.moves[p][t - 1].y,
                                                    play.moves[p][t].x, play.moves[p][t].y);
      if (step.played()) at = step.at(t <= stepsDone ? framesPerStep : k);
    }
    shown.standing[p] = at;
  }
  if (!ballShown || !roles.quarterback) return shown;
  const QList<QPointF> others = shown.standing.mid(1);
  const QPointF passer = ballBeside(shown.standing[*roles.quarterback], others);
  shown.ball = passer;
  if (frame > 3 * framesPerStep && roles.receiver)
    shown.ball = passer + (ballBeside(shown.standing[*roles.receiver], others) - passer) *
                              (std::min(frame - 3 * framesPerStep, framesPerStep) / double(framesPerStep));
  return shown;
}
