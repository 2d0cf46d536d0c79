#pragma once

#include "core/model/playstate.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <optional>

// The one scale of the program: Field pixels a yard, the sidelines at x = 0
// and x = fieldWidth, the offence going up (y grows toward its backfield).
inline constexpr int pixelsPerYard = 30;
inline constexpr int fieldWidth = 1600;

// Where the ball is: the centre (the first square player); none for a play
// without one. Its y is the line of scrimmage.
std::optional<QPoint> ballSpot(const Play& play);
std::optional<int> lineOfScrimmage(const Play& play);

// The y of the offence's own goal line, where the play says which yard
// line the ball is on (ball,N: 1 to 99); none otherwise.
std::optional<double> ownGoalLine(const Play& play);

// The point on the nearest whole yard down the Field and half yard across
// it, counted from the ball (the Field's top-left corner without one), so
// that placeInYards reads it as it lands.
QPointF snappedToYards(QPointF point, std::optional<QPoint> ball);

// The point on the nearest whole yard both ways, counted from the line of
// scrimmage (the top without one) and the left sideline.
QPoint onWholeYard(QPointF point, std::optional<int> scrimmage);

// A point kept within the Field's room (1 to width - 1, 1 to height - 1).
QPoint withinField(QPointF point, QSize field);

// Where the point is, in half yards, from the ball ("3 yd left, 7 yd deep";
// "on the ball", "on the line"), or from the Field's left edge and top
// without one ("3 yd from the left, 7 yd from the top").
QString placeInYards(QPointF point, std::optional<QPoint> ball);
