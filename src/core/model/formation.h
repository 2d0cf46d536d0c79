#pragma once

#include "core/model/editing.h"
#include "core/model/playstate.h"

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>

#include <optional>

// A group of players kept apart from a play: a formation, or players copied.
// Positions are in yards from the group's anchor (a formation's ball): x to
// the right, y down the Field.
struct GroupPlayer {
  std::int16_t kind = Offence;
  QPointF at;
  PlayerLabel label{};
  RouteStyle route;
  std::uint32_t color = 0;
  QList<QPointF> path;  // up to 3 points

  bool operator==(const GroupPlayer&) const = default;
};

struct PlayerGroup {
  QString name;
  QList<GroupPlayer> players;

  bool operator==(const PlayerGroup&) const = default;
};

// The chosen players as a group anchored at the point, with their paths or without.
PlayerGroup groupOf(const Play& play, const Selection& chosen, QPointF anchor, bool withPaths);

// The play with its own defenders taken out and the defence aligned on its
// ball (the centre), within the Field's room; nothing, and why, for a play
// without a centre.
std::optional<Play> playAgainst(const Play& play, const PlayerGroup& defence, QSize field, QString* why);

// Adds the group's players after the play's, with its anchor at the point,
// moved as a whole to lie within the Field's room; answers them. Nothing,
// and why, when the play would pass maxPlayers players.
std::optional<Selection> placeGroup(Play& play, const PlayerGroup& group, QPointF anchor, QSize field, QString* why);
