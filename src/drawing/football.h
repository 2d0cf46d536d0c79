#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>

class QPainter;

// The football lies over the Field as a picture of this size, on the Field's
// green.
inline constexpr int footballSize = 29;

// The ball alone, drawn into the box.
void drawBall(QPainter& painter, const QRectF& box);

// The football's picture with its top-left corner at the point.
void drawFootball(QPainter& painter, QPoint corner);
QImage footballPicture();

// Where the football's top-left corner goes, in whole pixels, for the top-left
// corner it is given, and for a ball centred on a point.
QPoint footballCorner(QPointF corner);
QPoint footballCornerAround(QPointF centre);
