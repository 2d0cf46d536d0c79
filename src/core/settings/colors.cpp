#include "core/settings/colors.h"

#include <array>

namespace {

struct NamedColor {
  const char16_t* name;
  std::uint32_t value;
};

constexpr std::array<NamedColor, 4> colorTable{{
    {u"vbBlack", vbBlack},
    {u"vbWhite", vbWhite},
    {u"vbRed", vbRed},
    {u"vbBlue", vbBlue},
}};

}  // namespace

QStringList colorNames() {
  QStringList names;
  for (const auto& entry : colorTable) names << QString::fromUtf16(entry.name);
  return names;
}

std::uint32_t colorFromName(const QString& name) {
  for (const auto& entry : colorTable)
    if (name == QStringView(entry.name)) return entry.value;
  return vbBlack;
}

bool isTableColor(std::uint32_t color) {
  for (const auto& entry : colorTable)
    if (entry.value == color) return true;
  return false;
}

QColor toQColor(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::uint32_t fromQColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}
