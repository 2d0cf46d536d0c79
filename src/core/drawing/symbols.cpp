#include "core/drawing/symbols.h"

#include "core/drawing/canvas.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

namespace {

// Draws a symbol's lines between the corners of its 20-pixel box and leaves the
// text position for the number. T is the type the corners are computed in:
// 64-bit integers for stored positions (so that no sum overflows), single
// precision for the mouse.
template <typename T, typename Lines>
void symbol(FieldCanvas& field, T x, T y, Lines lines) {
  field.drawWidth = 2;
  lines(double(x - T(10)), double(y - T(10)), double(x + T(10)), double(y + T(10)));
  field.currentX = double(x - T(7));
  field.currentY = double(y - T(7));
}

template <typename T>
void squareShape(FieldCanvas& field, T x, T y) {
  symbol(field, x, y, [&field](double left, double top, double right, double bottom) {
    field.line(right, bottom, right, top);
    field.line(right, bottom, left, bottom);
    field.line(left, bottom, left, top);
    field.line(left, top, right, top);
  });
}

template <typename T>
void crossShape(FieldCanvas& field, T x, T y) {
  symbol(field, x, y, [&field](double left, double top, double right, double bottom) {
    field.line(right, bottom, left, top);
    field.line(left, bottom, right, top);
  });
}

}  // namespace

void drawSquareMark(FieldCanvas& field, std::int32_t x, std::int32_t y) {
  squareShape<std::int64_t>(field, x, y);
}

void drawXMark(FieldCanvas& field, std::int32_t x, std::int32_t y) {
  crossShape<std::int64_t>(field, x, y);
}

void drawSquareMarkAtMouse(FieldCanvas& field, float x, float y) { squareShape<float>(field, x, y); }

void drawXMarkAtMouse(FieldCanvas& field, float x, float y) { crossShape<float>(field, x, y); }

void drawFieldMarks(FieldCanvas& field, double width, double height) {
  const double band = roundHalfEven(height / 5);
  field.foreColor = yellow;
  if (band > 0) {
    const double tick = 0.2 * band;
    for (double i = 1; i <= height; i += band) {
      field.drawWidth = 4;
      field.line(0, i, width / 8, i);
      for (double j = i; j <= i + band; j += tick) {
        field.drawWidth = 2;
        field.line(0, j, width / 10, j);
      }
    }
  }
  field.foreColor = navy;
  field.drawWidth = 2;
}
