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

// The top-left corner of a football centred on the point.
QPointF cornerOfBallAround(QPointF centre);

// Where the football's top-left corner goes, in whole pixels.
QPoint footballCorner(QPointF corner);
