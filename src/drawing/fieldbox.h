#pragma once

#include "drawing/canvas.h"

#include <QWidget>

// The Field: shows its canvas and reports mouse presses and moves in Field
// pixels.
class FieldBox : public QWidget {
  Q_OBJECT
 public:
  explicit FieldBox(QWidget* parent = nullptr);

  FieldCanvas canvas;

  // Paints what was drawn since the last repaint, and the extra area, at once.
  void repaintNow(const QRegion& extra = QRegion());

 signals:
  // button: 1 primary, 2 secondary, 4 middle.
  void mousePressed(int button, float x, float y);
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void showChanges();
};
