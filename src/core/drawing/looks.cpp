#include "core/drawing/looks.h"

#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <limits>
#include <array>
#include <cmath>

namespace {

constexpr double fiveYards = 5.0 * pixelsPerYard;
// A hash mark or sideline tick is 2 feet long; sideline ticks stand 4 inches in.
constexpr double tickLength = 20;
constexpr double sidelineTickInset = 4;
// Yard-line numbers: 2 yards tall, centred 10 yards from each sideline.
constexpr double numberHeight = 2.0 * pixelsPerYard;
constexpr double numberFromSideline = 10.0 * pixelsPerYard;

// The colours of a look's field.
struct FieldColors {
  QColor ground, outOfBounds, endZone, lines, ticks, numbers, scrimmage;
};

FieldColors fieldColors(Look look) {
  if (look == Look::Paper)
    return {Qt::white, QColor(246, 246, 246), QColor(232, 232, 232), QColor(165, 165, 165), QColor(185, 185, 185),
            QColor(150, 150, 150), QColor(20, 90, 230)};
  return {QColor(38, 112, 48), QColor(28, 84, 36), QColor(30, 92, 62), Qt::white, QColor(235, 245, 235),
          Qt::white, QColor(40, 120, 255)};
}

// Symbols: a white fill inside a dark outline, the label dark.
const QColor symbolInk(20, 20, 20);
constexpr double symbolLine = 2.5;
constexpr double routeWidth = 3;
constexpr double arrowLength = 14;
constexpr double arrowHalfWidth = 6.5;
constexpr double blockHalfLength = 10;
constexpr double labelPixels = 14;
// The widest a label is drawn inside its symbol; a wider one is narrowed.
constexpr double labelRoom = 2.0 * lookSymbolReach - 7;

// The sizes of a look's marks in field pixels, at a scale of the symbols and
// labels; route lines and their ends grow more gently.
struct Marks {
  double reach, line, label, room, route, arrowLength, arrowHalfWidth, blockHalfLength;
};

Marks marksAt(const MarkScale& scale) {
  const double gentle = std::sqrt(scale.symbol);
  return {lookSymbolReach * scale.symbol, symbolLine * scale.symbol, labelPixels * scale.label,
          labelRoom * scale.symbol,       routeWidth * gentle,        arrowLength * gentle,
          arrowHalfWidth * gentle,        blockHalfLength * gentle};
}

// The first and last whole k with origin + k * step within 0 to height.
std::pair<double, double> stepsWithin(double origin, double step, int height) {
  return {std::ceil(-origin / step), std::floor((height - origin) / step)};
}

// The part of the segment within the rectangle (Liang-Barsky); none outside.
std::optional<QLineF> clipped(const QLineF& line, const QRectF& area) {
  double t0 = 0, t1 = 1;
  const double dx = line.dx(), dy = line.dy();
  const std::array<std::pair<double, double>, 4> edges = {
      std::pair{-dx, line.x1() - area.left()}, {dx, area.right() - line.x1()},
      {-dy, line.y1() - area.top()}, {dy, area.bottom() - line.y1()}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  return QLineF(line.pointAt(t0), line.pointAt(t1));
}

void drawTicks(QPainter& painter, double y, Level level) {
  const double hash = hashFromSideline(level);
  for (const double x : {sidelineTickInset, hash - tickLength / 2, fieldWidth - hash - tickLength / 2,
                         fieldWidth - sidelineTickInset - tickLength})
    painter.drawLine(QLineF(x, y, x + tickLength, y));
}

void drawYardNumber(QPainter& painter, double y, int number) {
  for (const double x : {numberFromSideline, fieldWidth - numberFromSideline})
    painter.drawText(QRectF(x - 2 * numberHeight, y - numberHeight / 2, 4 * numberHeight, numberHeight),
                     Qt::AlignCenter, QString::number(number));
}

QColor pathColor(std::uint32_t color, Look look) {
  // White disappears on paper; it is drawn dark instead.
  if (look == Look::Paper && color == vbWhite) return QColor(70, 70, 70);
  return toQColor(color);
}

// The mark at the end of a path's last step: an arrowhead or a block bar.
void drawRouteEnd(QPainter& painter, const QLineF& last, RouteEnd end, const QColor& color, const Marks& marks) {
  const QPointF tip = last.p2();
  const QPointF along = QPointF(last.dx(), last.dy()) / last.length();
  const QPointF across(-along.y(), along.x());
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  if (end == RouteEnd::Arrow) {
    const QPointF base = tip - along * marks.arrowLength;
    painter.drawPolygon(QPolygonF({tip, base + across * marks.arrowHalfWidth, base - across * marks.arrowHalfWidth}));
  } else if (end == RouteEnd::Block) {
    painter.setPen(QPen(color, marks.route + 0.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(tip + across * marks.blockHalfLength, tip - across * marks.blockHalfLength));
  }
}

void drawPath(QPainter& painter, const QRectF& area, const Play& play, int player, Look look, const Marks& marks) {
  QList<QLineF> steps;
  for (int s = 1; s <= 3; ++s) {
    const PlayerRecord& from = play.moves[player][s - 1];
    const PlayerRecord& to = play.moves[player][s];
    if (to.x != 0 && to.y != 0) steps << QLineF(from.x, from.y, to.x, to.y);
  }
  // The path starts at the symbol's edge, never across its label.
  const double edge = marks.reach + 2;
  if (!steps.isEmpty() && play.moves[player][1].x != 0 && play.moves[player][1].y != 0) {
    if (steps.front().length() <= edge) steps.removeFirst();
    else steps.front().setP1(steps.front().pointAt(edge / steps.front().length()));
  }
  if (steps.isEmpty()) return;
  const RouteStyle style = play.routes[player];
  const QColor color = pathColor(play.players[player].color, look);
  // A block bar stops short of the defender it meets, clear of his symbol.
  if (style.end == RouteEnd::Block)
    for (int d = 1; d <= play.placedCount(); ++d) {
      const double into = edge - QLineF(steps.back().p2(), QPointF(play.players[d].x, play.players[d].y)).length();
      if (play.players[d].kind == Defence && into > 0 && steps.back().length() > into)
        steps.back().setLength(steps.back().length() - into);
    }
  const bool marked = style.end != RouteEnd::None && steps.back().length() > marks.arrowLength;
  const QLineF last = steps.back();
  // The line stops short of the arrowhead's tip so that its end does not
  // show past the point.
  if (marked && style.end == RouteEnd::Arrow) steps.back().setLength(last.length() - marks.arrowLength + 2);
  QPen pen(color, marks.route, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  if (style.line == RouteLine::Dashed) pen.setDashPattern({3, 2});
  painter.setPen(pen);
  for (const QLineF& step : steps)
    if (const std::optional<QLineF> seen = clipped(step, area)) painter.drawLine(*seen);
  if (marked && area.contains(last.p2())) drawRouteEnd(painter, last, style.end, color, marks);
}

QFont labelFont(double pixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, int(std::lround(pixels))));
  font.setBold(true);
  return fontAwayFromWindow(font);
}

// The label's ink centred on the point, narrowed to the room. The painter
// has the label's font and ink.
void drawLabel(QPainter& painter, const QFontMetricsF& metrics, const QString& text, QPointF centre, double room) {
  const QRectF ink = metrics.tightBoundingRect(text);
  const double narrowing = std::min(1.0, room / std::max(1.0, ink.width()));
  const QTransform field = painter.transform();
  painter.setTransform(QTransform(narrowing, 0, 0, 1, centre.x(), centre.y()) * field);
  painter.drawText(-ink.center(), text);
  painter.setTransform(field);
}

// The symbol's shape; the label goes on it afterwards.
void drawSymbolInLook(QPainter& painter, std::int16_t kind, QPointF at, const Marks& marks) {
  const double r = marks.reach - marks.line / 2;
  painter.setPen(QPen(symbolInk, marks.line));
  painter.setBrush(Qt::white);
  switch (kind) {
    case Offence: painter.drawEllipse(at, r, r); break;
    case Centre: painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
    case Defence: {
      // The cross's arms reach the corners; the label stands on a plate at its middle.
      painter.setPen(QPen(symbolInk, marks.line + 0.5, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
      painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
      painter.setPen(Qt::NoPen);
      const double plate = std::min(2 * r, marks.label + 2);
      painter.drawRoundedRect(QRectF(at.x() - r + 3, at.y() - plate / 2, 2 * r - 6, plate), 3, 3);
      break;
    }
    default: break;
  }
}

// The value whose word is the text, among the values.
template <typename Value>
std::optional<Value> fromWord(const QString& word, std::initializer_list<Value> values, QString (*wordOf)(Value)) {
  for (const Value value : values)
    if (word == wordOf(value)) return value;
  return std::nullopt;
}

}  // namespace

QString lookWord(Look look) {
  switch (look) {
    case Look::Football: return QStringLiteral("football");
    case Look::Paper: return QStringLiteral("paper");
    default: return QStringLiteral("classic");
  }
}

std::optional<Look> lookFrom(const QString& word) {
  return fromWord(word, {Look::Classic, Look::Football, Look::Paper}, lookWord);
}

QString levelWord(Level level) {
  switch (level) {
    case Level::College: return QStringLiteral("college");
    case Level::Pro: return QStringLiteral("pro");
    default: return QStringLiteral("high-school");
  }
}

std::optional<Level> levelFrom(const QString& word) {
  return fromWord(word, {Level::HighSchool, Level::College, Level::Pro}, levelWord);
}

double hashFromSideline(Level level) {
  // In inches: 53 ft 4 in, 60 ft, 70 ft 9 in; a yard is 36 inches.
  const double inches = level == Level::Pro ? 70 * 12 + 9 : level == Level::College ? 60 * 12 : 53 * 12 + 4;
  return inches / 36 * pixelsPerYard;
}

QList<YardLine> yardLines(const Play& play, int height) {
  QList<YardLine> lines;
  if (const std::optional<double> ownGoal = ownGoalLine(play)) {
    for (int yards = 0; yards <= 100; yards += 5) {
      const double y = *ownGoal - yards * double(pixelsPerYard);
      if (y < 0 || y > height) continue;
      const bool goal = yards == 0 || yards == 100;
      lines << YardLine{y, !goal && yards % 10 == 0 ? std::min(yards, 100 - yards) : 0, goal};
    }
    return lines;
  }
  const double origin = lineOfScrimmage(play).value_or(0);
  const auto [first, last] = stepsWithin(origin, fiveYards, height);
  for (double k = first; k <= last; ++k) lines << YardLine{origin + k * fiveYards, 0, false};
  return lines;
}

QList<QRectF> endZones(const Play& play, int height) {
  QList<QRectF> zones;
  const std::optional<double> ownGoal = ownGoalLine(play);
  if (!ownGoal) return zones;
  const QRectF within(0, 0, fieldWidth, height);
  const double tenYards = 10.0 * pixelsPerYard;
  for (const double top : {*ownGoal, *ownGoal - 100 * double(pixelsPerYard) - tenYards}) {
    const QRectF zone = QRectF(0, top, fieldWidth, tenYards).intersected(within);
    if (!zone.isEmpty()) zones << zone;
  }
  return zones;
}

void drawFieldInLook(QPainter& painter, QSize size, const Play& play, Look look, Level level) {
  const FieldColors colors = fieldColors(look);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(QPoint(0, 0), size), colors.ground);
  if (size.width() > fieldWidth)
    painter.fillRect(QRect(fieldWidth, 0, size.width() - fieldWidth, size.height()), colors.outOfBounds);
  for (const QRectF& zone : endZones(play, size.height())) painter.fillRect(zone, colors.endZone);

  // One-yard ticks, between the goal lines where the field has them.
  const std::optional<double> ownGoal = ownGoalLine(play);
  const double origin = ownGoal.value_or(lineOfScrimmage(play).value_or(0));
  painter.setPen(QPen(colors.ticks, 2, Qt::SolidLine, Qt::FlatCap));
  const auto [first, last] = stepsWithin(origin, pixelsPerYard, size.height());
  for (double k = first; k <= last; ++k) {
    const double y = origin + k * pixelsPerYard;
    if (std::fmod(k, 5) != 0 && (!ownGoal || (k < 0 && k > -100))) drawTicks(painter, y, level);
  }

  QFont numbers(QStringLiteral("DejaVu Sans"));
  numbers.setPixelSize(int(numberHeight * 0.8));
  numbers.setBold(true);
  painter.setFont(fontAwayFromWindow(numbers));
  for (const YardLine& line : yardLines(play, size.height())) {
    painter.setPen(QPen(colors.lines, line.goal ? 5 : 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(0, line.y, fieldWidth, line.y));
    if (line.number > 0) {
      painter.setPen(colors.numbers);
      drawYardNumber(painter, line.y, line.number);
    }
  }
  painter.setPen(QPen(colors.lines, 4));
  painter.drawLine(QLineF(0, 0, 0, size.height()));
  painter.drawLine(QLineF(fieldWidth, 0, fieldWidth, size.height()));
  if (const std::optional<int> scrimmage = lineOfScrimmage(play); scrimmage && *scrimmage <= size.height()) {
    painter.setPen(QPen(colors.scrimmage, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(0, *scrimmage, std::min(size.width(), fieldWidth), *scrimmage));
  }
  painter.restore();
}

namespace {

// Where symbols are drawn at all: a little beyond the picture.
QRectF drawnArea(QSize size) { return QRectF(QPointF(0, 0), size).adjusted(-40, -40, 40, 40); }

}  // namespace

void drawPathsInLook(QPainter& painter, QSize size, const Play& play, Look look, const MarkScale& scale) {
  const Marks marks = marksAt(scale);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 1; i <= play.placedCount(); ++i) drawPath(painter, drawnArea(size), play, i, look, marks);
  painter.restore();
}

void drawPlayersInLook(QPainter& painter, QSize size, const Play& play, const QList<QPointF>* standing,
                       const MarkScale& scale) {
  const Marks marks = marksAt(scale);
  const QRectF area = drawnArea(size);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const int count = play.placedCount();
  QList<std::pair<int, QPointF>> shown;
  for (int i = 1; i <= count; ++i) {
    const PlayerRecord& player = play.players[i];
    const QPointF at = standing && i < standing->size() ? standing->at(i) : QPointF(player.x, player.y);
    if (!area.contains(at) || player.kind < Offence || player.kind > Defence) continue;
    drawSymbolInLook(painter, player.kind, at, marks);
    shown << std::pair(i, at);
  }
  // The labels go over every symbol: where symbols crowd, none hides a label.
  const QFont font = labelFont(marks.label);
  const QFontMetricsF metrics(font);
  painter.setFont(font);
  painter.setPen(symbolInk);
  for (const auto& [i, at] : shown) {
    // A label no wider than the way to the next player beside him, less a
    // gap, so that crowded labels stay apart; narrowed down to two thirds of
    // its height at most.
    double room = marks.room;
    for (const auto& [other, there] : shown)
      if (other != i && std::abs(there.y() - at.y()) < marks.label)
        room = std::min(room, std::max(std::abs(there.x() - at.x()) - marks.label / 3, marks.label * 2 / 3));
    const QString label = labelText(play.labels[i]);
    drawLabel(painter, metrics, label.isEmpty() ? QString::number(i) : label, at, room);
  }
  painter.restore();
}

void drawPlayInLook(QPainter& painter, QSize size, const Play& play, Look look, const QList<QPointF>* standing,
                    const MarkScale& scale) {
  drawPathsInLook(painter, size, play, look, scale);
  drawPlayersInLook(painter, size, play, standing, scale);
}

double symbolScaleForSpacing(const Play& play, double wanted) {
  const double reach = lookSymbolReach * wanted;
  const auto side = [&play](int p) { return play.players[p].kind == Defence ? Defence : Offence; };
  double nearest = std::numeric_limits<double>::infinity();
  for (int a = 1; a <= play.placedCount(); ++a)
    for (int b = a + 1; b <= play.placedCount(); ++b) {
      const QPointF first(play.players[a].x, play.players[a].y), second(play.players[b].x, play.players[b].y);
      if (side(a) == side(b) && std::abs(first.y() - second.y()) < reach) nearest = std::min(nearest, QLineF(first, second).length());
    }
  return std::clamp(nearest / (2.0 * lookSymbolReach), wanted * 0.4, wanted);
}

double labelCapHeight() { return QFontMetricsF(labelFont(labelPixels)).capHeight(); }

void drawRuleMark(QPainter& painter, QPointF topRight, double diameter) {
  painter.save();
  const QRectF disc(topRight - QPointF(diameter, 0), QSizeF(diameter, diameter));
  painter.setPen(Qt::NoPen);
  painter.setBrush(ruleWarningColor);
  painter.drawEllipse(disc);
  painter.setFont(labelFont(diameter * 0.75));
  painter.setPen(Qt::white);
  painter.drawText(disc, Qt::AlignCenter, QStringLiteral("!"));
  painter.restore();
}

QList<QPointF> standingOf(const Play& play) {
  QList<QPointF> standing;
  for (int p = 1; p <= play.placedCount(); ++p) standing << QPointF(play.players[p].x, play.players[p].y);
  return standing;
}

QPointF ballBeside(QPointF holder, const QList<QPointF>& standing, double symbolScale) {
  const double reach = lookSymbolReach * symbolScale;
  const double away = reach + 2 + footballSize / 2.0;
  const auto clear = [&](QPointF ball) {
    return std::none_of(standing.begin(), standing.end(), [&](QPointF other) {
      return other != holder && QLineF(ball, other).length() < reach + footballSize / 2.0;
    });
  };
  for (const QPointF side : {QPointF(away, 0), QPointF(-away, 0), QPointF(0, away), QPointF(0, -away)})
    if (clear(holder + side)) return holder + side;
  return holder + QPointF(away, 0);
}

QRect diagramArea(const Play& play, QSize size, Level level) {
  const QRectF picture(QPointF(0, 0), size);
  double left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  const auto take = [&](double x, double y) {
    left = any ? std::min(left, x) : x;
    right = any ? std::max(right, x) : x;
    top = any ? std::min(top, y) : y;
    bottom = any ? std::max(bottom, y) : y;
    any = true;
  };
  for (int i = 1; i <= play.placedCount(); ++i)
    for (int s = 0; s <= 3; ++s) {
      const PlayerRecord& point = s == 0 ? play.players[i] : play.moves[i][s];
      if (point.x != 0 && point.y != 0) take(point.x, point.y);
    }
  if (!any) return picture.toAlignedRect();
  // Both rows of hash marks, on the line of scrimmage where there is one.
  const double hash = hashFromSideline(level), y = lineOfScrimmage(play).value_or(top);
  take(hash - tickLength, y);
  take(fieldWidth - hash + tickLength, y);
  const double margin = 3.0 * pixelsPerYard;
  return QRectF(QPointF(left - margin, top - margin), QPointF(right + margin, bottom + margin))
      .intersected(picture)
      .toAlignedRect();
}
