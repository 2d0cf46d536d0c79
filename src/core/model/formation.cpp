#include "core/model/formation.h"

#include "core/model/numbers.h"
#include "core/model/yards.h"

#include <algorithm>
#include <cmath>

namespace {

QPointF inYards(const PlayerRecord& point, QPointF anchor) {
  return (QPointF(point.x, point.y) - anchor) / pixelsPerYard;
}

QPoint inPixels(QPointF yards, QPointF anchor) {
  const QPointF at = anchor + yards * pixelsPerYard;
  return {roundToInt32(at.x()), roundToInt32(at.y())};
}

// The offset on one axis that brings low to high within 1 to room - 1; the
// low end first when the group is larger than the room.
std::int64_t intoRoom(std::int64_t low, std::int64_t high, int room) {
  if (low < 1) return 1 - low;
  if (high > room - 1) return std::max<std::int64_t>(room - 1 - high, 1 - low);
  return 0;
}

}  // namespace

PlayerGroup groupOf(const Play& play, const Selection& chosen, QPointF anchor, bool withPaths) {
  PlayerGroup group;
  for (int i = 1; i <= play.placedCount(); ++i) {
    if (!chosen[i]) continue;
    const PlayerRecord& player = play.players[i];
    GroupPlayer member{player.kind, inYards(player, anchor), play.labels[i], play.routes[i], player.color, {}};
    for (int s = 1; s <= 3 && withPaths; ++s) {
      const PlayerRecord& step = play.moves[i][s];
      if (step.x == 0 || step.y == 0) break;
      member.path << inYards(step, anchor);
    }
    group.players << member;
  }
  return group;
}

std::optional<Selection> placeGroup(Play& play, const PlayerGroup& group, QPointF anchor, QSize field, QString* why) {
  const int first = play.placedCount() + 1;
  if (first - 1 + group.players.size() > maxPlayers) {
    *why = QStringLiteral("A play holds at most %1 players: %2 more do not fit beside its %3.")
               .arg(maxPlayers)
               .arg(group.players.size())
               .arg(first - 1);
    return std::nullopt;
  }
  std::int64_t left = 0, right = 0, top = 0, bottom = 0;
  bool any = false;
  for (const GroupPlayer& member : group.players)
    for (const QPointF yards : QList<QPointF>{member.at} + member.path) {
      const QPoint at = inPixels(yards, anchor);
      left = any ? std::min<std::int64_t>(left, at.x()) : at.x();
      right = any ? std::max<std::int64_t>(right, at.x()) : at.x();
      top = any ? std::min<std::int64_t>(top, at.y()) : at.y();
      bottom = any ? std::max<std::int64_t>(bottom, at.y()) : at.y();
      any = true;
    }
  const QPointF shift(double(intoRoom(left, right, field.width())), double(intoRoom(top, bottom, field.height())));
  Selection placed;
  int n = first;
  for (const GroupPlayer& member : group.players) {
    const QPoint at = inPixels(member.at, anchor + shift);
    play.players[n] = {at.x(), at.y(), member.kind, member.color};
    play.moves[n] = {};
    play.moves[n][0] = {at.x(), at.y(), 0, 0};
    for (qsizetype s = 0; s < member.path.size() && s < 3; ++s) {
      const QPoint step = inPixels(member.path[s], anchor + shift);
      play.moves[n][s + 1] = {step.x(), step.y(), 0, 0};
    }
    play.labels[n] = member.label;
    play.routes[n] = member.route;
    placed.set(std::size_t(n));
    ++n;
  }
  play.playerCount = std::int16_t(n - 1);
  return placed;
}

std::optional<Play> playAgainst(const Play& play, const PlayerGroup& defence, QSize field, QString* why) {
  const std::optional<QPoint> ball = ballSpot(play);
  if (!ball) {
    *why = QStringLiteral("the play has no centre to align a defence on");
    return std::nullopt;
  }
  Play against = play;
  Selection defenders;
  for (int i = 1; i <= against.placedCount(); ++i)
    if (against.players[i].kind == Defence) defenders.set(std::size_t(i));
  removePlayers(against, defenders);
  if (!placeGroup(against, defence, *ball, field, why)) return std::nullopt;
  return against;
}
