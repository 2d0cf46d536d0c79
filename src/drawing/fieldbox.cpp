#include "drawing/fieldbox.h"

#include <QGuiApplication>
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

}  // namespace

FieldBox::FieldBox(QWidget* parent) : QWidget(parent), canvas(initialCanvasSize(), fieldGreen) {
  setObjectName(QStringLiteral("Field"));
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  canvas.setChangeListener([this] {
    QMetaObject::invokeMethod(this, &FieldBox::showChanges, Qt::QueuedConnection);
  });
}

void FieldBox::repaintNow(const QRegion& extra) { repaint(canvas.takeDirty() + extra); }

void FieldBox::showChanges() { update(canvas.takeDirty()); }

void FieldBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& rect : event->region()) painter.drawImage(rect, canvas.image(), rect);
}

void FieldBox::resizeEvent(QResizeEvent* event) {
  canvas.ensureSize(size());
  QWidget::resizeEvent(event);
}

void FieldBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mousePressed(buttonBits(event->button()), float(at.x()), float(at.y()));
}

void FieldBox::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }
