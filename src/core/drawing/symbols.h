#pragma once

#include <cstdint>

class FieldCanvas;

// Player symbols, 20 pixels across, drawn in the current drawing colour at
// line width 2. Each leaves the text position at (x - 7, y - 7).
void drawSquareMark(FieldCanvas& field, std::int32_t x, std::int32_t y);
void drawXMark(FieldCanvas& field, std::int32_t x, std::int32_t y);
void drawSquareMarkAtMouse(FieldCanvas& field, float x, float y);
void drawXMarkAtMouse(FieldCanvas& field, float x, float y);

// Offence circles have no procedure of their own: callers draw a circle of
// this radius at line width 2.
inline constexpr int circleRadius = 10;

// The window's own scale: its inner area is 792 by 576 units, whatever its
// size in pixels. The Field fills 5/6 of the width and 95% of the height.
inline constexpr double windowUnitsWide = 792;
inline constexpr double windowUnitsHigh = 576;
inline constexpr double fieldWidthUnits = windowUnitsWide - windowUnitsWide / 6;
inline constexpr double fieldHeightUnits = windowUnitsHigh - windowUnitsHigh / 20;

// The yard marks down the left edge; width and height are the Field's size in
// window units. Leaves the pen navy at width 2.
void drawFieldMarks(FieldCanvas& field, double width, double height);
