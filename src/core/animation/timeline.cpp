#include "core/animation/timeline.h"

#include "core/model/vocabulary.h"
#include "core/model/yards.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

struct SpeedGroup {
  QStringList labels;
  double yards;
};

// The usual speeds by label, the offence's and the defence's apart.
const QList<SpeedGroup>& offenceSpeeds() {
  static const QList<SpeedGroup> groups = {
      {{"C", "G", "T", "LT", "LG", "RG", "RT"}, 5.5},
      {{"TE"}, 7},
      {{"X", "Y", "Z", "H", "A", "F", "WR", "SL"}, 8},
      {{"RB", "TB", "FB", "HB"}, 7.5},
      {{"QB"}, 6},
  };
  return groups;
}

const QList<SpeedGroup>& defenceSpeeds() {
  static const QList<SpeedGroup> groups = {
      {{"E", "T", "N", "DE", "DT", "NT"}, 6},
      {{"M", "W", "S", "B", "LB", "MLB", "OLB", "ILB"}, 7},
      {{"CB", "C1", "C2", "FS", "SS", "DB", "NB"}, 7.5},
  };
  return groups;
}

constexpr double unknownSpeed = 7;

// The player's path as Field points: his start and the steps that are played.
QList<QPointF> pathOf(const Play& play, int player) {
  QList<QPointF> points{QPointF(play.players[player].x, play.players[player].y)};
  for (int s = 1; s <= 3; ++s) {
    const PlayerRecord& step = play.moves[player][s];
    if (step.x == 0 || step.y == 0) break;
    points << QPointF(step.x, step.y);
  }
  return points;
}

double pathLength(const QList<QPointF>& path) {
  double length = 0;
  for (qsizetype i = 1; i < path.size(); ++i) length += QLineF(path[i - 1], path[i]).length();
  return length;
}

// How long the player runs, in seconds.
double runTime(const Play& play, int player) {
  return std::min(longestPlay, pathLength(pathOf(play, player)) / (speedOf(play, player) * pixelsPerYard));
}

QPointF positionAt(const Play& play, int player, double t) { return pointOfRun(runOf(play, player), t); }

bool placed(const Play& play, int player) { return player >= 1 && player <= play.placedCount(); }

// When the ball leaves on a play that sets no throw time: as the receiver
// reaches his break (the start of his last leg, on a route of two legs or
// more) or as the quarterback ends his drop, whichever is later; with
// neither, a while after the snap.
double untimedThrow(const Play& play, const Pass& pass) {
  constexpr double withoutBreakOrDrop = 2;
  const QList<TimedPoint> route = runOf(play, pass.receiver);
  std::optional<double> moment;
  if (route.size() >= 3) moment = std::min(longestPlay, route[route.size() - 2].t);
  if (const double drop = runTime(play, pass.quarterback); drop > 0) moment = std::max(moment.value_or(0), drop);
  return moment.value_or(withoutBreakOrDrop);
}

// The pass of a passing play (Passing Play ticked, the quarterback and the
// receiver placed): when and where it is thrown and caught.
std::optional<Pass> passOf(const Play& play, const PlayRoles& roles) {
  if (!roles.passing || !placed(play, roles.quarterback) || !placed(play, roles.receiver)) return std::nullopt;
  Pass pass;
  pass.quarterback = roles.quarterback;
  pass.receiver = roles.receiver;
  const bool timed = play.throwTime >= earliestThrow && play.throwTime <= latestThrow;
  pass.thrown = timed ? play.throwTime : untimedThrow(play, pass);
  pass.from = positionAt(play, pass.quarterback, pass.thrown);
  const double ballSpeed =
      (play.ballSpeed >= slowestBall && play.ballSpeed <= fastestBall ? play.ballSpeed : usualBallSpeed) * pixelsPerYard;
  // The earliest time the ball has flown as far as the receiver then is:
  // stepped through until it has, then halved down to the moment.
  const auto shortOf = [&](double t) {
    return QLineF(pass.from, positionAt(play, pass.receiver, t)).length() - ballSpeed * (t - pass.thrown);
  };
  const double stops = std::max(pass.thrown, runTime(play, pass.receiver));
  constexpr double tick = 1.0 / 120;
  double low = pass.thrown, high = pass.thrown;
  while (shortOf(high) > 0 && high < stops) {
    low = high;
    high = std::min(stops, high + tick);
  }
  if (shortOf(high) > 0) {
    // He has stopped: the ball flies to where he stands.
    high = pass.thrown + QLineF(pass.from, positionAt(play, pass.receiver, stops)).length() / ballSpeed;
  } else {
    for (int i = 0; i < 40; ++i) {
      const double middle = (low + high) / 2;
      (shortOf(middle) > 0 ? low : high) = middle;
    }
  }
  pass.caught = std::min(high, longestPlay);
  pass.to = positionAt(play, pass.receiver, pass.caught);
  return pass;
}

}  // namespace

QList<TimedPoint> runOf(const Play& play, int player) {
  const QList<QPointF> path = pathOf(play, player);
  const double speed = speedOf(play, player) * pixelsPerYard;
  QList<TimedPoint> run{{0, path.front()}};
  for (qsizetype i = 1; i < path.size(); ++i)
    run << TimedPoint{run.last().t + QLineF(path[i - 1], path[i]).length() / speed, path[i]};
  return run;
}

QPointF pointOfRun(const QList<TimedPoint>& run, double t) {
  if (run.isEmpty()) return {};
  for (qsizetype i = 1; i < run.size(); ++i)
    if (t <= run[i].t) {
      const double span = run[i].t - run[i - 1].t;
      return span <= 0 ? run[i].at : QLineF(run[i - 1].at, run[i].at).pointAt(std::max(0.0, t - run[i - 1].t) / span);
    }
  return run.last().at;
}

double speedOf(const Play& play, int player) {
  if (play.speeds[player] >= slowestPlayer && play.speeds[player] <= fastestPlayer) return play.speeds[player];
  const QString label = labelText(play.labels[player]);
  for (const SpeedGroup& group : play.players[player].kind == Defence ? defenceSpeeds() : offenceSpeeds())
    if (group.labels.contains(label)) return group.yards;
  return unknownSpeed;
}

Timeline timelineOf(const Play& play, const PlayRoles& roles) {
  Timeline timeline{passOf(play, roles), 0};
  double length = timeline.pass ? timeline.pass->caught : 0;
  for (int p = 1; p <= play.placedCount(); ++p) length = std::max(length, runTime(play, p));
  timeline.length = std::min(length, longestPlay);
  return timeline;
}

PlayMoment playAt(const Play& play, const Timeline& timeline, double t) {
  const std::optional<Pass>& pass = timeline.pass;
  t = std::clamp(t, 0.0, timeline.length);
  PlayMoment moment;
  moment.standing.resize(play.placedCount() + 1);
  for (int p = 1; p <= play.placedCount(); ++p) moment.standing[p] = positionAt(play, p, t);
  if (pass) {
    if (t <= pass->thrown) {
      moment.ball = moment.standing[pass->quarterback];
      moment.ballHeld = true;
    } else if (t >= pass->caught) {
      moment.ball = moment.standing[pass->receiver];
      moment.ballHeld = true;
    } else {
      const QLineF whole(pass->from, pass->to);
      moment.ball = whole.pointAt((t - pass->thrown) / (pass->caught - pass->thrown));
      moment.flight = QLineF(pass->from, *moment.ball);
    }
  }
  return moment;
}
