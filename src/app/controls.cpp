#include "app/controls.h"

#include <QLineEdit>
#include <QMouseEvent>

void ToolPicture::mousePressEvent(QMouseEvent* event) { event->accept(); }

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
