#pragma once

#include "core/model/playstate.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <bitset>
#include <optional>

// Changes to a placed play: finding what lies under the pointer, moving,
// mirroring and deleting players. Positions stay within the Field; a
// coordinate of 0 means "no point" in a path, so none is moved to 0.

// The players chosen by their numbers; entry 0 is never chosen.
using Selection = std::bitset<maxPlayers + 1>;

// A press this close to a player's centre takes the player; this close to a
// path point takes the point.
inline constexpr int playerReach = 10;
inline constexpr int pathPointReach = 6;

// The offset cut, on each axis, where the first of the points meets the edge
// of the Field's room (x within 1 to width - 1, y within 1 to height - 1). A
// point already beyond an edge stops every move further out past it, so
// the points move together by the offset returned and none is pulled in.
QPoint offsetWithinField(const QList<QPoint>& points, QPoint offset, QSize field);

// Whether the player's path has a first move.
bool hasPath(const Play& play, int player);

// The placed player nearest the point within reach (playerReach for the
// classic symbols), the later one on a tie.
std::optional<int> playerAt(const Play& play, QPointF point, double reach = playerReach);

struct PathPoint {
  int player;
  int step;
};
// The path point (steps 1 to 3) nearest the point within pathPointReach.
std::optional<PathPoint> pathPointAt(const Play& play, QPointF point);

// Every placed player.
Selection allPlayers(const Play& play);

// The placed players whose centres lie inside the rectangle.
Selection playersIn(const Play& play, const QRect& area);

// Moves the chosen players and the start of their paths together by the
// offset as offsetWithinField cuts it.
void movePlayers(Play& play, const Selection& chosen, QPoint offset, QSize field);

// The first player (by number) with a point beyond the left or right edge of
// the Field (x outside 1 to width - 1): its mirror would be no point the play
// can keep, or one that could not be mirrored back.
std::optional<int> playerBeyondMirror(const Play& play, QSize field);

// Mirrors every player and path point left to right about the Field's middle:
// x becomes width - x, so mirroring twice gives the play back. Call it only
// when playerBeyondMirror finds no player.
void mirrorPlay(Play& play, QSize field);

// Gives each side-bound label and the call's words for right and left the
// other side, as a mirrored play is called.
void mirrorSides(Play& play);

// What became of each player number in a delete: its new number, or 0 when
// it was deleted. Numbers beyond the play map to themselves.
struct Renumbering {
  std::array<int, maxPlayers + 1> newNumber{};
  int operator()(int number) const { return isPlayerNumber(number) ? newNumber[number] : number; }
};

// Deletes the chosen players; the later players move down to close the gap
// with their paths, labels and route styles.
Renumbering removePlayers(Play& play, const Selection& chosen);
