#include "app/widgets/fieldbox.h"

#include "core/drawing/football.h"
#include "core/drawing/looks.h"
#include "core/model/numbers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {

// Large enough for every yard mark, and for the Field of a maximised window.
QSize initialCanvasSize() {
  QSize size(800, 660);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) size = size.expandedTo(screen->size());
  return size;
}

int buttonBits(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

// The mark around a chosen player reaches this far from its centre.
constexpr int chosenMarkReach = 15;
const QColor overlayColor(0, 220, 255);

QRectF ballBox(QPointF centre) {
  return QRectF(centre - QPointF(footballSize / 2.0, footballSize / 2.0), QSizeF(footballSize, footballSize));
}

QRect chosenMark(QPoint centre) {
  return QRect(withinDrawingReach(centre) - QPoint(chosenMarkReach, chosenMarkReach), QSize(2 * chosenMarkReach, 2 * chosenMarkReach));
}

}  // namespace

FieldBox::FieldBox(QWidget* parent) : QWidget(parent), canvas(initialCanvasSize(), fieldGreen) {
  setObjectName(QStringLiteral("Field"));
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  canvas.setChangeListener([this] {
    if (changeQueued_) return;
    changeQueued_ = true;
    QMetaObject::invokeMethod(this, &FieldBox::showChanges, Qt::QueuedConnection);
  });
}

void FieldBox::repaintNow(const QRegion& extra) {
  const QRegion area = canvas.takeDirty() + extra;
  scale_ == 1 ? repaint(area) : repaint();
}

void FieldBox::showChanges() {
  changeQueued_ = false;
  updateField(canvas.takeDirty());
  emit canvasChanged();
}

void FieldBox::updateField(const QRegion& area) { scale_ == 1 ? update(area) : update(); }

void FieldBox::showPicture(const QImage& picture) {
  if (picture.isNull() && picture_.isNull()) return;
  picture_ = picture;
  update();
}

void FieldBox::setScale(double scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  update();
}

QSize FieldBox::fieldSize() const {
  return scale_ == 1 ? size() : QSize(int(std::lround(width() / scale_)), int(std::lround(height() / scale_)));
}

QPoint FieldBox::fieldPointAt(QPoint global) const { return (QPointF(mapFromGlobal(global)) / scale_).toPoint(); }

QPoint FieldBox::screenPointOf(QPoint fieldPoint) const { return mapToGlobal((QPointF(fieldPoint) * scale_).toPoint()); }

QPointF FieldBox::fieldPointOf(const QMouseEvent* event) const { return event->position() / scale_; }

void FieldBox::setOverlay(const FieldOverlay& overlay) {
  if (overlay == overlay_) return;
  const QRegion before = overlayArea();
  overlay_ = overlay;
  updateField(before + overlayArea());
}

namespace {

constexpr int warningReach = 18;

QRect warningRing(QPoint centre) {
  return QRect(withinDrawingReach(centre) - QPoint(warningReach, warningReach), QSize(2 * warningReach, 2 * warningReach));
}

QRegion ringsArea(const QList<QPoint>& centres) {
  QRegion area;
  for (const QPoint centre : centres) area += warningRing(centre).adjusted(-3, -3, 3, 3);
  return area;
}

}  // namespace

void FieldBox::setWarned(const QList<QPoint>& centres) {
  if (centres == warned_) return;
  const QRegion before = ringsArea(warned_);
  warned_ = centres;
  updateField(before + ringsArea(warned_));
}

QRegion FieldBox::overlayArea() const {
  QRegion area;
  for (const QPoint centre : overlay_.chosen) area += chosenMark(centre).adjusted(-2, -2, 2, 2);
  if (overlay_.ball) area += ballBox(*overlay_.ball).toAlignedRect();
  if (!overlay_.band.isNull()) area += overlay_.band.normalized().adjusted(-2, -2, 2, 2);
  return area;
}

void FieldBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QImage& shown = picture_.isNull() ? canvas.image() : picture_;
  if (scale_ == 1) {
    for (const QRect& rect : event->region()) painter.drawImage(rect, shown, rect);
    painter.setClipRegion(event->region());
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale_, scale_);
    const QSize field = fieldSize();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(field)), shown, QRectF(QPointF(0, 0), QSizeF(field)));
  }
  if (overlay_.ball) drawBall(painter, ballBox(*overlay_.ball));
  painter.setPen(QPen(overlayColor, 2, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  for (const QPoint centre : overlay_.chosen) painter.drawRect(chosenMark(centre));
  painter.setPen(QPen(ruleWarningColor, 3));
  for (const QPoint centre : warned_) painter.drawEllipse(warningRing(centre));
  if (!overlay_.band.isNull()) {
    painter.setPen(QPen(overlayColor, 1, Qt::DashLine));
    QColor fill = overlayColor;
    fill.setAlpha(50);
    painter.setBrush(fill);
    painter.drawRect(overlay_.band.normalized());
  }
}

void FieldBox::resizeEvent(QResizeEvent* event) {
  canvas.ensureSize(fieldSize());
  QWidget::resizeEvent(event);
}

void FieldBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = fieldPointOf(event);
  emit mousePressed(buttonBits(event->button()), shiftBits(event->modifiers()), float(at.x()), float(at.y()));
}

void FieldBox::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  const QPointF at = fieldPointOf(event);
  if (event->button() == Qt::LeftButton) emit mouseDoubleClicked(float(at.x()), float(at.y()));
}

void FieldBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  const QPointF at = fieldPointOf(event);
  if (event->buttons() & Qt::LeftButton) emit mouseDragged(float(at.x()), float(at.y()));
}

void FieldBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = fieldPointOf(event);
  emit mouseReleased(buttonBits(event->button()), float(at.x()), float(at.y()));
}

void FieldBox::keyPressEvent(QKeyEvent* event) {
  const int distance = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
  switch (event->key()) {
    case Qt::Key_Left: emit arrowPressed({-distance, 0}); break;
    case Qt::Key_Right: emit arrowPressed({distance, 0}); break;
    case Qt::Key_Up: emit arrowPressed({0, -distance}); break;
    case Qt::Key_Down: emit arrowPressed({0, distance}); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit enterPressed(); break;
    default: QWidget::keyPressEvent(event);
  }
}
