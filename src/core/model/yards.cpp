#include "core/model/yards.h"

#include "core/model/numbers.h"

#include <algorithm>
#include <cmath>

namespace {

double nearest(double value, double origin, double step) { return origin + std::round((value - origin) / step) * step; }

}  // namespace

std::optional<QPoint> ballSpot(const Play& play) {
  for (int i = 1; i <= play.placedCount(); ++i)
    if (play.players[i].kind == Centre) return QPoint(play.players[i].x, play.players[i].y);
  return std::nullopt;
}

std::optional<int> lineOfScrimmage(const Play& play) {
  if (const std::optional<QPoint> ball = ballSpot(play)) return ball->y();
  return std::nullopt;
}

std::optional<double> ownGoalLine(const Play& play) {
  const std::optional<int> scrimmage = lineOfScrimmage(play);
  if (!scrimmage || play.ballOn < 1 || play.ballOn > 99) return std::nullopt;
  return *scrimmage + double(play.ballOn) * pixelsPerYard;
}

QPointF snappedToYards(QPointF point, std::optional<QPoint> ball) {
  const QPoint origin = ball.value_or(QPoint(0, 0));
  return {nearest(point.x(), origin.x(), pixelsPerYard / 2.0), nearest(point.y(), origin.y(), pixelsPerYard)};
}

QPoint onWholeYard(QPointF point, std::optional<int> scrimmage) {
  return {roundToInt32(nearest(point.x(), 0, pixelsPerYard)),
          roundToInt32(nearest(point.y(), scrimmage.value_or(0), pixelsPerYard))};
}

QPoint withinField(QPointF point, QSize field) {
  return {roundToInt32(std::clamp(point.x(), 1.0, std::max(1.0, field.width() - 1.0))),
          roundToInt32(std::clamp(point.y(), 1.0, std::max(1.0, field.height() - 1.0)))};
}

namespace {

QString halfYards(double pixels) { return QString::number(std::round(std::abs(pixels) / pixelsPerYard * 2) / 2); }

}  // namespace

QString placeInYards(QPointF point, std::optional<QPoint> ball) {
  if (!ball)
    return halfYards(point.x()) + QStringLiteral(" yd from the left, ") + halfYards(point.y()) +
           QStringLiteral(" yd from the top");
  const double across = point.x() - ball->x(), down = point.y() - ball->y();
  const auto side = [](double pixels, const QString& less, const QString& more, const QString& none) {
    return halfYards(pixels) == QStringLiteral("0") ? none : halfYards(pixels) + QStringLiteral(" yd ") + (pixels < 0 ? less : more);
  };
  return side(across, QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("on the ball")) +
         QStringLiteral(", ") + side(down, QStringLiteral("deep"), QStringLiteral("behind"), QStringLiteral("on the line"));
}
