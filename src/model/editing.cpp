#include "model/editing.h"

#include <QLineF>

#include <algorithm>

namespace {

QPoint positionOf(const PlayerRecord& record) { return {record.x, record.y}; }

void place(PlayerRecord& record, QPoint point) {
  record.x = point.x();
  record.y = point.y();
}

bool isPathPoint(const PlayerRecord& step) { return step.x != 0 && step.y != 0; }

double distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

}  // namespace

QPoint keepOnField(QPoint point, QSize field) {
  return {std::clamp(point.x(), 1, std::max(1, field.width() - 1)),
          std::clamp(point.y(), 1, std::max(1, field.height() - 1))};
}

bool hasPath(const Play& play, int player) {
  return isPlayerNumber(player) && !(play.moves[player][1].x == 0 && play.moves[player][1].y == 0);
}

std::optional<int> playerAt(const Play& play, QPointF point) {
  std::optional<int> nearest;
  double nearestDistance = playerReach;
  for (int i = 1; i <= play.placedCount(); ++i) {
    const double d = distance(positionOf(play.players[i]), point);
    if (d <= nearestDistance) {
      nearest = i;
      nearestDistance = d;
    }
  }
  return nearest;
}

std::optional<PathPoint> pathPointAt(const Play& play, QPointF point) {
  std::optional<PathPoint> nearest;
  double nearestDistance = pathPointReach;
  for (int i = 1; i <= play.placedCount(); ++i)
    for (int s = 1; s <= 3; ++s) {
      const PlayerRecord& step = play.moves[i][s];
      if (!isPathPoint(step)) continue;
      const double d = distance(positionOf(step), point);
      if (d <= nearestDistance) {
        nearest = PathPoint{i, s};
        nearestDistance = d;
      }
    }
  return nearest;
}

Selection allPlayers(const Play& play) {
  Selection all;
  for (int i = 1; i <= play.placedCount(); ++i) all[i] = true;
  return all;
}

Selection playersIn(const Play& play, const QRect& area) {
  Selection inside;
  const QRect normal = area.normalized();
  for (int i = 1; i <= play.placedCount(); ++i) inside[i] = normal.contains(positionOf(play.players[i]));
  return inside;
}

// The offset cut so that the chosen players keep their places to each other
// on the Field, where they all stand on it.
void movePlayers(Play& play, const Selection& chosen, QPoint offset, QSize field) {
  QRect spread;
  for (int i = 1; i <= play.placedCount(); ++i)
    if (chosen[i]) spread |= QRect(positionOf(play.players[i]), QSize(1, 1));
  const QRect room(QPoint(1, 1), keepOnField(QPoint(field.width(), field.height()), field));
  if (room.contains(spread))
    offset = QPoint(std::clamp(offset.x(), room.left() - spread.left(), room.right() - spread.right()),
                    std::clamp(offset.y(), room.top() - spread.top(), room.bottom() - spread.bottom()));
  for (int i = 1; i <= play.placedCount(); ++i) {
    if (!chosen[i]) continue;
    place(play.players[i], keepOnField(positionOf(play.players[i]) + offset, field));
    PlayerRecord& start = play.moves[i][0];
    if (isPathPoint(start)) place(start, keepOnField(positionOf(start) + offset, field));
  }
}

void mirrorPlay(Play& play, QSize field) {
  const auto mirror = [field](PlayerRecord& record) {
    place(record, keepOnField(QPoint(field.width() - record.x, record.y), field));
  };
  for (int i = 1; i <= play.placedCount(); ++i) {
    mirror(play.players[i]);
    for (PlayerRecord& step : play.moves[i])
      if (isPathPoint(step)) mirror(step);
  }
}

Renumbering removePlayers(Play& play, const Selection& chosen) {
  Renumbering renumbering;
  for (int i = 0; i <= maxPlayers; ++i) renumbering.newNumber[i] = i;
  const int count = play.placedCount();
  int kept = 0;
  for (int i = 1; i <= count; ++i) {
    if (chosen[i]) {
      renumbering.newNumber[i] = 0;
      continue;
    }
    ++kept;
    renumbering.newNumber[i] = kept;
    play.players[kept] = play.players[i];
    play.moves[kept] = play.moves[i];
  }
  for (int i = kept + 1; i <= count; ++i) {
    play.players[i] = PlayerRecord{};
    play.moves[i] = {};
  }
  play.playerCount = std::int16_t(kept);
  return renumbering;
}
