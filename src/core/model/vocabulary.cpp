#include "core/model/vocabulary.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<RouteLine, const char*>, 2> lineWords{{{RouteLine::Solid, "solid"}, {RouteLine::Dashed, "dashed"}}};
const std::array<std::pair<RouteEnd, const char*>, 3> endWords{
    {{RouteEnd::Arrow, "arrow"}, {RouteEnd::Block, "block"}, {RouteEnd::None, "none"}}};

template <typename Value, std::size_t N>
QString wordOf(const std::array<std::pair<Value, const char*>, N>& words, Value value) {
  for (const auto& [known, word] : words)
    if (known == value) return QLatin1String(word);
  return QString();
}

template <typename Value, std::size_t N>
std::optional<Value> valueOf(const std::array<std::pair<Value, const char*>, N>& words, const QString& word) {
  for (const auto& [value, known] : words)
    if (word == QLatin1String(known)) return value;
  return std::nullopt;
}

bool isLabelCharacter(QChar c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'/';
}

}  // namespace

QString labelText(const PlayerLabel& label) { return QString::fromLatin1(label.data()); }

PlayerLabel labelFrom(const QString& text) {
  PlayerLabel label{};
  for (qsizetype i = 0; i < text.size() && i < maxLabelLength; ++i) label[std::size_t(i)] = text[i].toLatin1();
  return label;
}

QString labelRefusal(const QString& text) {
  if (text.size() > maxLabelLength) return QStringLiteral("a label is at most %1 characters").arg(maxLabelLength);
  for (const QChar c : text)
    if (!isLabelCharacter(c)) return QStringLiteral("a label holds only letters, digits, \"-\" and \"/\"");
  return QString();
}

QString playTextRefusal(const QString& text, int most) {
  if (text.size() > most) return QStringLiteral("it is longer than %1 characters").arg(most);
  if (text.startsWith(u' ') || text.startsWith(u'\t')) return QStringLiteral("it starts with a blank");
  for (const QChar c : text) {
    if (c == u',' || c == u'"') return QStringLiteral("it holds a comma or a double quote");
    if (c.unicode() < 0x20 || c.unicode() > 0x7E) return QStringLiteral("it holds a line end or a character beyond plain ASCII");
  }
  return QString();
}

QString routeLineWord(RouteLine line) { return wordOf(lineWords, line); }
QString routeEndWord(RouteEnd end) { return wordOf(endWords, end); }
std::optional<RouteLine> routeLineFrom(const QString& word) { return valueOf(lineWords, word); }
std::optional<RouteEnd> routeEndFrom(const QString& word) { return valueOf(endWords, word); }
