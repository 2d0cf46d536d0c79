#pragma once

#include "core/model/playstate.h"

#include <QList>
#include <QSize>
#include <QString>

// The route tree and the common blocks and drops, in yards.
enum class RouteName {
  Hitch, Flat, Slant, Comeback, Curl, Out, Dig, Corner, Post, Go,
  Wheel, Swing, Drag, PassSet, DriveBlock,
  DeepThird, DeepHalf, HookDrop, FlatDrop, Blitz,
};

struct RouteChoice {
  RouteName name;
  const char* objectName;
  const char* caption;
};

// Every route in the order a menu lists it: the tree's 0 to 9, the other
// receivers' routes, the linemen's and the defence's.
const QList<RouteChoice>& routeChoices();

// Gives the player the route from where he stands, in at most three moves of
// the colour, kept within the Field's room. It breaks in (toward the ball)
// or out by his side of the centre, mirrored for a player left of the ball;
// drops and blitzes count their depth from the line of scrimmage. The blocks
// end in a block bar; other routes keep the player's route style.
void giveRoute(Play& play, int player, RouteName name, std::uint32_t color, QSize field);
