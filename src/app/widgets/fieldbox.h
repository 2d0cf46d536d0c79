#pragma once

#include "core/drawing/canvas.h"

#include <QWidget>

#include <optional>

// What is shown over the Field's picture without entering it: a mark around
// each chosen player's centre, the rectangle being dragged and, in the
// football and paper looks, the football around its centre.
struct FieldOverlay {
  QList<QPoint> chosen;
  QRect band;
  std::optional<QPointF> ball;

  bool operator==(const FieldOverlay&) const = default;
};

// The Field: shows its canvas and reports the mouse and the arrow keys in
// Field pixels.
class FieldBox : public QWidget {
  Q_OBJECT
 public:
  explicit FieldBox(QWidget* parent = nullptr);

  FieldCanvas canvas;

  // Paints what was drawn since the last repaint, and the extra area, at once.
  void repaintNow(const QRegion& extra = QRegion());

  const FieldOverlay& overlay() const { return overlay_; }
  void setOverlay(const FieldOverlay& overlay);

  // Rings the players at these points in orange: the rule book's warnings.
  void setWarned(const QList<QPoint>& centres);
  const QList<QPoint>& warned() const { return warned_; }

  // Shows the picture in place of the canvas, the canvas again when it is null.
  void showPicture(const QImage& picture);
  const QImage& shownPicture() const { return picture_; }

  // The Field shown this many times its size (Zoom to Fit, Zoom In and Out):
  // its own pixels, the size of its picture and what the mouse reports, stay
  // the Field's; the layout sizes the widget. 1 shows each pixel as it is.
  void setScale(double scale);
  double scale() const { return scale_; }
  // The Field's size in its own pixels: the widget's, less its scale.
  QSize fieldSize() const;
  // A point of the screen as a point of the Field, and back.
  QPoint fieldPointAt(QPoint global) const;
  QPoint screenPointOf(QPoint fieldPoint) const;

 signals:
  // button: 1 primary, 2 secondary, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
  void mousePressed(int button, int shift, float x, float y);
  void mouseMoved();
  // A move with the primary button held, after mouseMoved.
  void mouseDragged(float x, float y);
  void mouseReleased(int button, float x, float y);
  // A double-click of the primary button, after its second mousePressed.
  void mouseDoubleClicked(float x, float y);
  // An arrow key: one pixel, ten with Shift.
  void arrowPressed(QPoint offset);
  // Enter or Return.
  void enterPressed();
  // The canvas was drawn on (told once for a run of drawing).
  void canvasChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showChanges();
  QRegion overlayArea() const;
  // Repaints the area of the Field (all of it while it is scaled).
  void updateField(const QRegion& area);
  QPointF fieldPointOf(const QMouseEvent* event) const;

  FieldOverlay overlay_;
  QList<QPoint> warned_;
  QImage picture_;
  bool changeQueued_ = false;
  double scale_ = 1;
};
