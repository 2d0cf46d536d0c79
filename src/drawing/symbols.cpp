#include "drawing/symbols.h"

#include "drawing/canvas.h"
#include "model/numbers.h"
#include "settings/colors.h"

namespace {

// T is the type the corner coordinates are computed in: 64-bit integers for
// stored positions (so that no sum overflows), single precision for the mouse.
template <typename T>
void squareShape(FieldCanvas& field, T x, T y) {
  const T right = x + T(10), left = x - T(10), bottom = y + T(10), top = y - T(10);
  field.drawWidth = 2;
  field.line(double(right), double(bottom), double(right), double(top));
  field.line(double(right), double(bottom), double(left), double(bottom));
  field.line(double(left), double(bottom), double(left), double(top));
  field.line(double(left), double(top), double(right), double(top));
  field.currentX = double(x - T(7));
  field.currentY = double(y - T(7));
}

template <typename T>
void crossShape(FieldCanvas& field, T x, T y) {
  const T right = x + T(10), left = x - T(10), bottom = y + T(10), top = y - T(10);
  field.drawWidth = 2;
  field.line(double(right), double(bottom), double(left), double(top));
  field.line(double(left), double(bottom), double(right), double(top));
  field.currentX = double(x - T(7));
  field.currentY = double(y - T(7));
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
