#include "app/widgets/fieldbox.h"

#include "core/model/numbers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

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
    QMetaObject::invokeMethod(this, &FieldBox::showChanges, Qt::QueuedConnection);
  });
}

void FieldBox::repaintNow(const QRegion& extra) { repaint(canvas.takeDirty() + extra); }

void FieldBox::showChanges() { update(canvas.takeDirty()); }

void FieldBox::setOverlay(const FieldOverlay& overlay) {
  if (overlay == overlay_) return;
  const QRegion before = overlayArea();
  overlay_ = overlay;
  update(before + overlayArea());
}

QRegion FieldBox::overlayArea() const {
  QRegion area;
  for (const QPoint centre : overlay_.chosen) area += chosenMark(centre).adjusted(-2, -2, 2, 2);
  if (!overlay_.band.isNull()) area += overlay_.band.normalized().adjusted(-2, -2, 2, 2);
  return area;
}

void FieldBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& rect : event->region()) painter.drawImage(rect, canvas.image(), rect);
  if (overlay_.chosen.isEmpty() && overlay_.band.isNull()) return;
  painter.setClipRegion(event->region());
  painter.setPen(QPen(overlayColor, 2, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  for (const QPoint centre : overlay_.chosen) painter.drawRect(chosenMark(centre));
  if (!overlay_.band.isNull()) {
    painter.setPen(QPen(overlayColor, 1, Qt::DashLine));
    QColor fill = overlayColor;
    fill.setAlpha(50);
    painter.setBrush(fill);
    painter.drawRect(overlay_.band.normalized());
  }
}

void FieldBox::resizeEvent(QResizeEvent* event) {
  canvas.ensureSize(size());
  QWidget::resizeEvent(event);
}

void FieldBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mousePressed(buttonBits(event->button()), shiftBits(event->modifiers()), float(at.x()), float(at.y()));
}

void FieldBox::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  const QPointF at = event->position();
  if (event->button() == Qt::LeftButton) emit mouseDoubleClicked(float(at.x()), float(at.y()));
}

void FieldBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  const QPointF at = event->position();
  if (event->buttons() & Qt::LeftButton) emit mouseDragged(float(at.x()), float(at.y()));
}

void FieldBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mouseReleased(buttonBits(event->button()), float(at.x()), float(at.y()));
}

void FieldBox::keyPressEvent(QKeyEvent* event) {
  const int distance = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
  switch (event->key()) {
    case Qt::Key_Left: emit arrowPressed({-distance, 0}); break;
    case Qt::Key_Right: emit arrowPressed({distance, 0}); break;
    case Qt::Key_Up: emit arrowPressed({0, -distance}); break;
    case Qt::Key_Down: emit arrowPressed({0, distance}); break;
    default: QWidget::keyPressEvent(event);
  }
}
