#include "app/widgets/controls.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSizeGrip>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ToolPicture::ToolPicture(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::StrongFocus); }

void ToolPicture::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ToolPicture::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) {
    QLabel::keyPressEvent(event);
    return;
  }
  emit mouseUp();
  emit clicked();
}

void ToolPicture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = contentsRect().adjusted(1, 1, -1, -1);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void ToolPicture::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

// No completer: the box keeps exactly what is typed, in its case, and an
// item is taken only when the text equals it exactly.
DropDownBox::DropDownBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

void DropDownBox::replaceItems(const QStringList& items) {
  const QString text = currentText();
  clear();
  addItems(items);
  setCurrentIndex(-1);
  setEditText(text);
}

void DropDownBox::showPopup() {
  emit dropDown();
  QComboBox::showPopup();
}

namespace {

QString captionOf(const QWidget* control) {
  QString caption;
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) caption = button->text();
  if (const auto* label = qobject_cast<const QLabel*>(control)) caption = label->text();
  if (const auto* box = qobject_cast<const QComboBox*>(control)) caption = box->currentText();
  if (qobject_cast<const QSizeGrip*>(control)) caption = QStringLiteral("Size grip");
  return QString(caption).remove(u'&');
}

// The parts of a drop-down box (its text, its list) or of a spin box are
// named by the box.
bool isPartOfABox(const QWidget* control) {
  for (const QWidget* above = control->parentWidget(); above; above = above->parentWidget())
    if (qobject_cast<const QComboBox*>(above) || qobject_cast<const QAbstractSpinBox*>(above)) return true;
  return false;
}

}  // namespace

void bringToFront(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void giveAccessibleNames(QWidget* root) {
  for (QWidget* control : root->findChildren<QWidget*>()) {
    if (isPartOfABox(control)) continue;
    if (const auto* label = qobject_cast<QLabel*>(control); label && label->buddy() && !label->text().isEmpty())
      label->buddy()->setAccessibleName(captionOf(label));
  }
  for (QWidget* control : root->findChildren<QWidget*>()) {
    if (isPartOfABox(control)) continue;
    if (control->accessibleName().isEmpty()) {
      const QString caption = captionOf(control);
      control->setAccessibleName(caption.isEmpty() ? control->toolTip() : caption);
    }
    if (control->accessibleDescription().isEmpty() && control->toolTip() != control->accessibleName())
      control->setAccessibleDescription(control->toolTip());
  }
}
