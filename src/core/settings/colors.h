#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>

// Colours are 0x00BBGGRR values.
inline constexpr std::uint32_t vbBlack = 0x000000;
inline constexpr std::uint32_t vbWhite = 0xFFFFFF;
inline constexpr std::uint32_t vbRed = 0x0000FF;
inline constexpr std::uint32_t vbBlue = 0xFF0000;
inline constexpr std::uint32_t navy = 0x800000;
inline constexpr std::uint32_t yellow = 0x00FFFF;

// The names of the colour table, in list order.
QStringList colorNames();

// The colour of a table name (exact, case-sensitive); black for any other text.
std::uint32_t colorFromName(const QString& name);

// Whether the value is one of the four colours of the table.
bool isTableColor(std::uint32_t color);

QColor toQColor(std::uint32_t color);
std::uint32_t fromQColor(const QColor& color);
