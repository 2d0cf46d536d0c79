#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QPainter;

// The font as drawings away from the window use it: pictures, pages, print.
// It never shares Qt's font engine with the widgets' text: text drawn into a
// PDF or onto a printer leaves the glyphs of the engine it used blank for
// every later user, the menus included (seen with Qt 6.4).
QFont fontAwayFromWindow(QFont font);

// The Field's background: a field green that shows the yellow marks, white
// numbers and navy symbols clearly (0x00BBGGRR).
inline constexpr std::uint32_t fieldGreen = 0x3C9B46;

// The Field's persistent picture and its pen state. What is drawn stays until
// the picture is cleared; the pen state stays set until it is changed.
class FieldCanvas {
 public:
  FieldCanvas(QSize size, std::uint32_t background);
  // A canvas that draws through the painter of another device (a picture
  // file, a page), in Field pixels from (0, 0) to size; its text is as large
  // as on the Field whatever the device's resolution. It has no picture of
  // its own to read back.
  FieldCanvas(QPainter& painter, QSize size, std::uint32_t background);
  ~FieldCanvas();

  const QImage& image() const { return image_; }
  std::uint32_t pixel(int x, int y) const;

  // Makes the picture at least this large, keeping what it holds.
  void ensureSize(QSize size);

  // Pen state; colours are 0x00BBGGRR values.
  std::uint32_t foreColor;
  std::uint32_t backColor;
  int drawWidth = 1;
  double currentX = 0;
  double currentY = 0;

  void line(double x1, double y1, double x2, double y2);
  // A circle by centre and radius; the text position moves to the centre.
  void circle(double cx, double cy, double radius);
  // Prints the text with its top-left corner at the text position.
  void print(const QString& text);
  // Fills the picture with the background colour; the text position goes to (0, 0).
  void clear();

  // Keeps one painter open on the picture while it lives, for a run of
  // drawing calls such as a frame of the animation.
  class Batch {
   public:
    explicit Batch(FieldCanvas& canvas);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    FieldCanvas& canvas_;
  };

  // The area drawn on since the last call.
  QRegion takeDirty();
  // Called when the picture changes after the dirty area was last taken.
  void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

 private:
  void markDirty(const QRect& rect);
  template <typename Draw>
  void paint(Draw draw);

  QImage image_;
  QPainter* external_ = nullptr;
  QSize externalSize_;
  std::unique_ptr<QPainter> batch_;
  QFont font_;
  QRegion dirty_;
  QRect group_;
  std::function<void()> changed_;
};
