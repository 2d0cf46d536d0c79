#include "core/drawing/canvas.h"

#include "core/settings/colors.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QFont fieldFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  font.setStyleHint(QFont::SansSerif);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// The rectangle of whole pixels that a stroke around this area can touch.
QRect strokeBounds(double left, double top, double right, double bottom, int width) {
  const double margin = width / 2.0 + 2;
  return QRect(QPoint(int(std::floor(left - margin)), int(std::floor(top - margin))),
               QPoint(int(std::ceil(right + margin)), int(std::ceil(bottom + margin))));
}

}  // namespace

// No widget's font forces outlines, and a font of its own strategy is a font
// engine of its own; outline fonts draw the same pixels either way.
QFont fontAwayFromWindow(QFont font) {
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::ForceOutline));
  return font;
}

FieldCanvas::FieldCanvas(QSize size, std::uint32_t background)
    : foreColor(navy), backColor(background), image_(size, QImage::Format_RGB32), font_(fieldFont()) {
  image_.fill(toQColor(backColor));
}

FieldCanvas::FieldCanvas(QPainter& painter, QSize size, std::uint32_t background)
    : foreColor(navy), backColor(background), external_(&painter), externalSize_(size), font_(fontAwayFromWindow(fieldFont())) {
  // The size in pixels that the Field's own picture gives the font.
  const QImage field(1, 1, QImage::Format_RGB32);
  font_.setPixelSize(qRound(font_.pointSizeF() * field.logicalDpiY() / 72));
  painter.setRenderHint(QPainter::Antialiasing, false);
}

FieldCanvas::~FieldCanvas() = default;

FieldCanvas::Batch::Batch(FieldCanvas& canvas) : canvas_(canvas) {
  if (!canvas_.batch_ && !canvas_.external_) canvas_.batch_ = std::make_unique<QPainter>(&canvas_.image_);
}

FieldCanvas::Batch::~Batch() { canvas_.batch_.reset(); }

template <typename Draw>
void FieldCanvas::paint(Draw draw) {
  if (QPainter* open = batch_ ? batch_.get() : external_) {
    draw(*open);
    return;
  }
  QPainter painter(&image_);
  draw(painter);
}

std::uint32_t FieldCanvas::pixel(int x, int y) const {
  if (!image_.rect().contains(x, y)) return backColor;
  return fromQColor(QColor(image_.pixel(x, y)));
}

void FieldCanvas::ensureSize(QSize size) {
  const QSize grown = size.expandedTo(image_.size());
  if (grown == image_.size()) return;
  const bool batched = bool(batch_);
  batch_.reset();
  QImage larger(grown, QImage::Format_RGB32);
  larger.fill(toQColor(backColor));
  {
    QPainter painter(&larger);
    painter.drawImage(0, 0, image_);
  }
  image_ = larger;
  if (batched) batch_ = std::make_unique<QPainter>(&image_);
}

void FieldCanvas::line(double x1, double y1, double x2, double y2) {
  paint([&](QPainter& painter) {
    painter.setPen(QPen(toQColor(foreColor), drawWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  });
  markDirty(strokeBounds(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                         drawWidth));
}

void FieldCanvas::circle(double cx, double cy, double radius) {
  paint([&](QPainter& painter) {
    painter.setPen(QPen(toQColor(foreColor), drawWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(cx, cy), radius, radius);
  });
  markDirty(strokeBounds(cx - radius, cy - radius, cx + radius, cy + radius, drawWidth));
  currentX = cx;
  currentY = cy;
}

void FieldCanvas::print(const QString& text) {
  const QFontMetricsF metrics(font_);
  paint([&](QPainter& painter) {
    painter.setFont(font_);
    painter.setPen(toQColor(foreColor));
    painter.drawText(QPointF(currentX, currentY + metrics.ascent()), text);
  });
  markDirty(strokeBounds(currentX, currentY, currentX + metrics.horizontalAdvance(text),
                         currentY + metrics.height(), 1));
}

void FieldCanvas::clear() {
  if (external_)
    external_->fillRect(QRect(QPoint(0, 0), externalSize_), toQColor(backColor));
  else
    image_.fill(toQColor(backColor));
  currentX = 0;
  currentY = 0;
  markDirty(image_.rect());
}

QRegion FieldCanvas::takeDirty() {
  if (!group_.isNull()) dirty_ += group_;
  group_ = QRect();
  QRegion taken;
  std::swap(taken, dirty_);
  return taken;
}

// Overlapping rectangles drawn one after the other (a symbol and its path,
// say) are merged into one before they join the region, which keeps the
// region small when a frame draws many players.
void FieldCanvas::markDirty(const QRect& rect) {
  const QRect drawn = rect.intersected(image_.rect());
  if (drawn.isEmpty()) return;
  const bool wasClean = dirty_.isEmpty() && group_.isNull();
  if (group_.intersects(drawn)) {
    group_ |= drawn;
  } else {
    if (!group_.isNull()) dirty_ += group_;
    group_ = drawn;
  }
  if (wasClean && changed_) changed_();
}
