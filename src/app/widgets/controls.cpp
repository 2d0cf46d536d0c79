#include "app/widgets/controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSizeGrip>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <utility>

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
  lineEdit()->installEventFilter(this);
  view()->installEventFilter(this);
}

bool DropDownBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit()) {
    if (event->type() == QEvent::MouseButtonRelease && std::exchange(openOnRelease_, false)) showPopup();
  } else if (watched == view() && event->type() == QEvent::KeyPress) {
    // A character typed while the list is open starts the text afresh, as
    // typing into a selected text would; the rest follows in the text.
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool character = !key->text().isEmpty() && key->text().front().isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (character || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
      hidePopup();
      setEditText(character ? key->text() : QString());
      lineEdit()->setFocus();
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void DropDownBox::replaceItems(const QStringList& items) {
  const QString text = currentText();
  clear();
  addItems(items);
  setCurrentIndex(-1);
  setEditText(text);
}

void DropDownBox::focusInEvent(QFocusEvent* event) {
  openOnRelease_ = event->reason() == Qt::MouseFocusReason;
  QComboBox::focusInEvent(event);
}

void DropDownBox::showPopup() {
  openOnRelease_ = false;
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
