#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <limits>
#include <optional>

// The number at the start of a text, leading blanks skipped; nothing when the
// text does not start with a number.
std::optional<double> leadingNumber(QStringView text);

// The number at the start of a text, 0 when there is none.
double readNumber(QStringView text);

// Nearest whole number, a half going to the even neighbour.
double roundHalfEven(double value);

// roundHalfEven of value when the result fits the type, nothing otherwise.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// Rounds and clamps into the 32-bit range (for pixel positions).
std::int32_t roundToInt32(double value);

// How far from (0, 0) a drawing places anything: far beyond every picture,
// with room left for the sizes and offsets (up to 65,536 pixels) added to a
// position in 32 bits.
inline constexpr int drawingReach = std::numeric_limits<std::int32_t>::max() - (1 << 16);

// The point in whole pixels, kept within drawingReach on each axis.
QPoint withinDrawingReach(QPointF point);

// A number as it is listed or printed on the Field: a blank in the sign
// position of a positive number (" 7", "-7").
QString listNumber(long long value);

// The player number a box's text names: nothing when it is outside 0 to 100
// (entry 0 of the play is a player's slot too, never placed).
std::optional<int> playerNumberIn(QStringView text);

// The print form of a written file: the list form followed by one blank.
QString printNumber(long long value);
