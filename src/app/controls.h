#pragma once

#include <QComboBox>
#include <QLabel>

// A tool picture: reports the release of any button pressed on it, and a
// primary-button click (press and release on it).
class ToolPicture : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void mouseUp();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
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
};
