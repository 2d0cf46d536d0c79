#pragma once

#include "core/model/playstate.h"
#include "core/model/roles.h"

#include <QLineF>
#include <QList>
#include <QPointF>

#include <optional>

// The play in time: where every player and the ball are t seconds after the
// snap, computed from the play alone. Each player runs his path at his
// speed and then stands at its last point; on a passing play the ball stays
// with the quarterback until the throw and then flies to where the receiver
// will be when it gets there.

inline constexpr double usualBallSpeed = 20;  // yards a second
// A preview or a video holds the first picture this long and the last this long.
inline constexpr double heldAtStart = 0.5;
inline constexpr double heldAtEnd = 1;
// No play runs longer than this, however far its points lie.
inline constexpr double longestPlay = 60;

// The player's speed in yards a second: his own when the play sets one, else
// the usual one for his label, read by his kind (T is a tackle on either side).
double speedOf(const Play& play, int player);

// A player's run: the moment he reaches each point of his path, his start at
// 0, running at his speed; between two points he moves in a straight line at
// that speed, and after the last he stands.
struct TimedPoint {
  double t = 0;
  QPointF at;
};
QList<TimedPoint> runOf(const Play& play, int player);
// Where the run is at t seconds.
QPointF pointOfRun(const QList<TimedPoint>& run, double t);

struct PlayMoment {
  QList<QPointF> standing;      // one point for each player number, entry 0 unused
  std::optional<QPointF> ball;  // the ball's centre on a passing play
  std::optional<QLineF> flight; // from the throw to where the ball is, while it flies
  bool ballHeld = false;        // a player holds it: the quarterback, or the receiver after the catch
};

// The pass of a passing play (Passing Play ticked, the quarterback and the
// receiver placed): when and where it is thrown and caught.
struct Pass {
  int quarterback = 0;
  int receiver = 0;
  double thrown = 0;
  double caught = 0;
  QPointF from;
  QPointF to;
};

// What the play's moments share, found once: its pass, and its length (when
// every player has stopped and the ball, on a passing play, is caught; at
// most longestPlay).
struct Timeline {
  std::optional<Pass> pass;
  double length = 0;
};
Timeline timelineOf(const Play& play, const PlayRoles& roles);

// The moment of the play at t seconds (clamped to 0 and the play's length).
PlayMoment playAt(const Play& play, const Timeline& timeline, double t);
