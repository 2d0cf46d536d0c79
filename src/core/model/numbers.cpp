#include "core/model/numbers.h"

#include "core/model/playstate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<double> leadingNumber(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  const qsizetype start = i;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < n && isDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == u'.') {
    ++i;
    while (i < n && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  qsizetype end = i;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype j = i + 1;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) ++j;
    const qsizetype expStart = j;
    while (j < n && isDigit(text[j])) ++j;
    if (j > expStart) end = j;
  }
  bool ok = false;
  const double value = text.sliced(start, end - start).toString().toDouble(&ok);
  if (ok) return value;
  // Out of the range of a double: keep the sign, lose the size.
  const bool negative = text[start] == u'-';
  return negative ? -std::numeric_limits<double>::infinity()
                  : std::numeric_limits<double>::infinity();
}

double readNumber(QStringView text) { return leadingNumber(text).value_or(0.0); }

double roundHalfEven(double value) { return std::nearbyint(value); }

namespace {

template <typename Int>
std::optional<Int> toInt(double value) {
  const double rounded = roundHalfEven(value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> toInt16(double value) { return toInt<std::int16_t>(value); }

std::optional<std::int32_t> toInt32(double value) { return toInt<std::int32_t>(value); }

QPoint withinDrawingReach(QPointF point) {
  const auto within = [](double value) { return std::clamp(roundToInt32(value), -drawingReach, drawingReach); };
  return {within(point.x()), within(point.y())};
}

std::int32_t roundToInt32(double value) {
  constexpr double low = std::numeric_limits<std::int32_t>::min();
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  const double rounded = roundHalfEven(value);
  if (std::isnan(rounded)) return 0;
  if (rounded <= low) return std::numeric_limits<std::int32_t>::min();
  if (rounded >= high) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

QString listNumber(long long value) {
  return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

std::optional<int> playerNumberIn(QStringView text) {
  const std::optional<std::int16_t> number = toInt16(readNumber(text));
  if (!number || !isPlayerNumber(*number)) return std::nullopt;
  return *number;
}

QString printNumber(long long value) { return listNumber(value) + u' '; }
