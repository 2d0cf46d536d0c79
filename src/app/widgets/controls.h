#pragma once

#include <QComboBox>
#include <QLabel>

// A tool picture: reports the release of any button pressed on it, and a
// primary-button click (press and release on it). It takes the keyboard
// focus, shows it, and Space chooses it as a click does.
class ToolPicture : public QLabel {
  Q_OBJECT
 public:
  explicit ToolPicture(QWidget* parent = nullptr);

 signals:
  void mouseUp();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// A drop-down box whose text can also be typed; tells when its list is about
// to open, before it opens.
class DropDownBox : public QComboBox {
  Q_OBJECT
 public:
  explicit DropDownBox(QWidget* parent = nullptr);

  // Replaces the list; the text in the box stays as it is.
  void replaceItems(const QStringList& items);

  void showPopup() override;

 signals:
  void dropDown();

 protected:
  // A click that brings the keyboard into the text opens the list too; a
  // character typed while the list is open closes it and starts the text
  // afresh, so the box can still be typed into.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool openOnRelease_ = false;
};

// Gives every control under the root that has none an accessible name: its
// caption without the access key's ampersand, the text a drop-down box starts
// with, the text of the label it is the buddy of, or its tool tip (the
// pictures); and its tool tip as its description where that says more.
void giveAccessibleNames(QWidget* root);

// Shows a window of the program in front of the others, with the keyboard.
void bringToFront(QWidget* window);
