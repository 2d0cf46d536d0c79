#include "core/drawing/football.h"

#include "core/drawing/canvas.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <QPainter>

#include <algorithm>

void drawBall(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 30, 10), 1));
  painter.setBrush(QColor(139, 69, 19));
  painter.translate(box.center());
  painter.rotate(-35);
  const double length = box.width() * 0.95, height = box.height() * 0.55;
  painter.drawEllipse(QRectF(-length / 2, -height / 2, length, height));
  painter.setPen(QPen(Qt::white, std::max(1.0, box.width() / 24)));
  painter.drawLine(QPointF(-length * 0.22, 0), QPointF(length * 0.22, 0));
  for (int i = -2; i <= 2; ++i) {
    const double x = i * length * 0.09;
    painter.drawLine(QPointF(x, -height * 0.16), QPointF(x, height * 0.16));
  }
  painter.restore();
}

void drawFootball(QPainter& painter, QPoint corner) {
  const QRect box(corner, QSize(footballSize, footballSize));
  painter.fillRect(box, toQColor(fieldGreen));
  drawBall(painter, box);
}

QImage footballPicture() {
  QImage picture(footballSize, footballSize, QImage::Format_RGB32);
  QPainter painter(&picture);
  drawFootball(painter, QPoint(0, 0));
  return picture;
}

QPoint footballCorner(QPointF corner) { return withinDrawingReach(corner); }

QPointF cornerOfBallAround(QPointF centre) { return centre - QPointF(footballSize / 2.0, footballSize / 2.0); }
