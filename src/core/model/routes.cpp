#include "core/model/routes.h"

#include "core/model/numbers.h"
#include "core/model/yards.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace {

// A route's points in yards from the player, x toward the outside (away
// from the ball), y down the Field: negative is upfield.
QList<QPointF> offenceSteps(RouteName name) {
  switch (name) {
    case RouteName::Hitch: return {{0, -6}, {-1, -5}};
    case RouteName::Flat: return {{3, -2}, {8, -3}};
    case RouteName::Slant: return {{0, -1}, {-4, -5}};
    case RouteName::Comeback: return {{0, -15}, {3, -12}};
    case RouteName::Curl: return {{0, -12}, {-2, -10}};
    case RouteName::Out: return {{0, -10}, {5, -10}};
    case RouteName::Dig: return {{0, -12}, {-10, -12}};
    case RouteName::Corner: return {{0, -12}, {8, -20}};
    case RouteName::Post: return {{0, -12}, {-8, -20}};
    case RouteName::Go: return {{0, -20}};
    case RouteName::Wheel: return {{3, -1}, {6, -5}, {6, -20}};
    case RouteName::Swing: return {{3, 1}, {8, -1}};
    case RouteName::Drag: return {{-2, -2}, {-14, -3}};
    case RouteName::PassSet: return {{0, 1.5}};
    case RouteName::DriveBlock: return {{0, -1.5}};
    default: return {};
  }
}

// The defence's drops and the blitz: Field points, from the ball and the line.
QList<QPointF> defenceSteps(RouteName name, QPointF from, QPointF ball, double outward) {
  const double yard = pixelsPerYard;
  const double third = fieldWidth / 3.0;
  switch (name) {
    case RouteName::DeepThird: {
      const double middle = (std::clamp(std::floor(from.x() / third), 0.0, 2.0) + 0.5) * third;
      return {{middle, ball.y() - 15 * yard}};
    }
    case RouteName::DeepHalf: return {{from.x() < ball.x() ? fieldWidth / 4.0 : fieldWidth * 3 / 4.0, ball.y() - 15 * yard}};
    case RouteName::HookDrop: return {{from.x() + outward * yard, ball.y() - 10 * yard}};
    case RouteName::FlatDrop: return {{from.x() + outward * 6 * yard, ball.y() - 6 * yard}};
    case RouteName::Blitz: return {{from.x(), ball.y() + yard}, {ball.x(), ball.y() + 6 * yard}};
    default: return {};
  }
}

bool isBlock(RouteName name) { return name == RouteName::PassSet || name == RouteName::DriveBlock; }

}  // namespace

const QList<RouteChoice>& routeChoices() {
  static const QList<RouteChoice> choices = {
      {RouteName::Hitch, "routeHitch", "&0 Hitch"},          {RouteName::Flat, "routeFlat", "&1 Flat"},
      {RouteName::Slant, "routeSlant", "&2 Slant"},          {RouteName::Comeback, "routeComeback", "&3 Comeback"},
      {RouteName::Curl, "routeCurl", "&4 Curl"},             {RouteName::Out, "routeOut", "&5 Out"},
      {RouteName::Dig, "routeDig", "&6 Dig"},                {RouteName::Corner, "routeCorner", "&7 Corner"},
      {RouteName::Post, "routePost", "&8 Post"},             {RouteName::Go, "routeGo", "&9 Go"},
      {RouteName::Wheel, "routeWheel", "&Wheel"},            {RouteName::Swing, "routeSwing", "&Swing"},
      {RouteName::Drag, "routeDrag", "D&rag"},               {RouteName::PassSet, "routePassSet", "&Pass Set"},
      {RouteName::DriveBlock, "routeDriveBlock", "Dri&ve Block"},
      {RouteName::DeepThird, "routeDeepThird", "Deep &Third"}, {RouteName::DeepHalf, "routeDeepHalf", "Deep &Half"},
      {RouteName::HookDrop, "routeHookDrop", "Hoo&k Drop"},  {RouteName::FlatDrop, "routeFlatDrop", "F&lat Drop"},
      {RouteName::Blitz, "routeBlitz", "&Blitz"},
  };
  return choices;
}

void giveRoute(Play& play, int player, RouteName name, std::uint32_t color, QSize field) {
  if (player < 1 || player > play.placedCount()) return;
  PlayerRecord& who = play.players[player];
  const QPointF from(who.x, who.y);
  // Without a centre the ball stands at the middle of the Field, its line
  // 5 yards below a defender and level with anyone else.
  const double defenceGap = who.kind == Defence ? 5.0 * pixelsPerYard : 0;
  const QPointF ball = ballSpot(play).value_or(QPoint(fieldWidth / 2, roundToInt32(from.y() + defenceGap)));
  const double outward = from.x() < ball.x() ? -1 : 1;
  QList<QPointF> points = defenceSteps(name, from, ball, outward);
  for (const QPointF yards : offenceSteps(name)) points << from + QPointF(outward * yards.x(), yards.y()) * pixelsPerYard;
  who.color = color;
  play.moves[player] = {};
  play.moves[player][0] = {who.x, who.y, 0, 0};
  for (qsizetype s = 0; s < points.size() && s < 3; ++s) {
    const QPoint at = withinField(points[s], field);
    play.moves[player][s + 1] = {at.x(), at.y(), 0, 0};
  }
  if (isBlock(name)) play.routes[player].end = RouteEnd::Block;
}
