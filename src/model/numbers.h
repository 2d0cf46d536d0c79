#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
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

// A number as it is listed or printed on the Field: a blank in the sign
// position of a positive number (" 7", "-7").
QString listNumber(long long value);

// The player number a box's text names: nothing when it is outside 0 to 100
// (entry 0 of the play is a player's slot too, never placed).
std::optional<int> playerNumberIn(QStringView text);

// The print form of a written file: the list form followed by one blank.
QString printNumber(long long value);
