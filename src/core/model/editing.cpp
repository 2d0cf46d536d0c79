#include "core/model/editing.h"

#include "core/model/vocabulary.h"

#include <QLineF>

#include <algorithm>
#include <cstdint>

namespace {

QPoint positionOf(const PlayerRecord& record) { return {record.x, record.y}; }

void place(PlayerRecord& record, QPoint point) {
  record.x = point.x();
  record.y = point.y();
}

bool isPathPoint(const PlayerRecord& step) { return step.x != 0 && step.y != 0; }

double distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

}  // namespace

QPoint offsetWithinField(const QList<QPoint>& points, QPoint offset, QSize field) {
  const auto cut = [](int shift, std::int64_t low, std::int64_t high, auto coordinate, const QList<QPoint>& all) {
    std::int64_t allowed = shift;
    for (const QPoint& point : all) {
      const std::int64_t c = coordinate(point);
      if (allowed > 0) allowed = std::min(allowed, std::max<std::int64_t>(0, high - c));
      if (allowed < 0) allowed = std::max(allowed, std::min<std::int64_t>(0, low - c));
    }
    return int(allowed);
  };
  return {cut(offset.x(), 1, std::max(1, field.width() - 1), [](QPoint p) { return p.x(); }, points),
          cut(offset.y(), 1, std::max(1, field.height() - 1), [](QPoint p) { return p.y(); }, points)};
}

bool hasPath(const Play& play, int player) {
  return isPlayerNumber(player) && !(play.moves[player][1].x == 0 && play.moves[player][1].y == 0);
}

std::optional<int> playerAt(const Play& play, QPointF point, double reach) {
  std::optional<int> nearest;
  double nearestDistance = reach;
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

void movePlayers(Play& play, const Selection& chosen, QPoint offset, QSize field) {
  QList<PlayerRecord*> moved;
  for (int i = 1; i <= play.placedCount(); ++i) {
    if (!chosen[i]) continue;
    moved << &play.players[i];
    if (isPathPoint(play.moves[i][0])) moved << &play.moves[i][0];
  }
  QList<QPoint> points;
  for (const PlayerRecord* record : moved) points << positionOf(*record);
  const QPoint cut = offsetWithinField(points, offset, field);
  for (PlayerRecord* record : moved) place(*record, positionOf(*record) + cut);
}

namespace {

// Every point of the play that a mirror moves, with its player.
template <typename AnyPlay, typename Visit>
void forEachMirrored(AnyPlay& play, Visit visit) {
  for (int i = 1; i <= play.placedCount(); ++i) {
    visit(i, play.players[i]);
    for (auto& step : play.moves[i])
      if (isPathPoint(step)) visit(i, step);
  }
}

}  // namespace

std::optional<int> playerBeyondMirror(const Play& play, QSize field) {
  std::optional<int> first;
  forEachMirrored(play, [&](int player, const PlayerRecord& record) {
    if (!first && (record.x < 1 || record.x > field.width() - 1)) first = player;
  });
  return first;
}

void mirrorPlay(Play& play, QSize field) {
  forEachMirrored(play, [field](int, PlayerRecord& record) { record.x = field.width() - record.x; });
}

void mirrorSides(Play& play) {
  for (int i = 1; i <= play.placedCount(); ++i) play.labels[i] = labelFrom(mirroredLabel(labelText(play.labels[i])));
  play.call = mirroredCall(play.call);
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
    play.labels[kept] = play.labels[i];
    play.routes[kept] = play.routes[i];
    play.speeds[kept] = play.speeds[i];
  }
  for (int i = kept + 1; i <= count; ++i) {
    play.players[i] = PlayerRecord{};
    play.moves[i] = {};
    play.labels[i] = {};
    play.routes[i] = {};
    play.speeds[i] = 0;
  }
  play.playerCount = std::int16_t(kept);
  return renumbering;
}
