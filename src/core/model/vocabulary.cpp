#include "core/model/vocabulary.h"

#include <QRegularExpression>

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

TextRefusal labelRefusalAt(const QString& text) {
  if (text.size() > maxLabelLength)
    return {QStringLiteral("a label is at most %1 characters").arg(maxLabelLength), maxLabelLength,
            text.size() - maxLabelLength};
  for (qsizetype i = 0; i < text.size(); ++i)
    if (!isLabelCharacter(text[i])) return {QStringLiteral("a label holds only letters, digits, \"-\" and \"/\""), i, 1};
  return {};
}

QString labelRefusal(const QString& text) { return labelRefusalAt(text).why; }

TextRefusal playTextRefusalAt(const QString& text, int most) {
  if (text.size() > most) return {QStringLiteral("it is longer than %1 characters").arg(most), most, text.size() - most};
  if (text.startsWith(u' ') || text.startsWith(u'\t')) return {QStringLiteral("it starts with a blank"), 0, 1};
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u',' || c == u'"') return {QStringLiteral("it holds a comma or a double quote"), i, 1};
    if (c.unicode() < 0x20 || c.unicode() > 0x7E)
      return {QStringLiteral("it holds a line end or a character beyond plain ASCII"), i, 1};
  }
  return {};
}

QString playTextRefusal(const QString& text, int most) { return playTextRefusalAt(text, most).why; }

QString routeLineWord(RouteLine line) { return wordOf(lineWords, line); }
QString routeEndWord(RouteEnd end) { return wordOf(endWords, end); }
std::optional<RouteLine> routeLineFrom(const QString& word) { return valueOf(lineWords, word); }
std::optional<RouteEnd> routeEndFrom(const QString& word) { return valueOf(endWords, word); }

namespace {

// The other side of a side letter.
QChar otherSide(QChar side) { return side == u'L' ? u'R' : u'L'; }

// The words of a call for one side and their twins for the other.
const std::array<std::pair<const char*, const char*>, 4> sideWords{
    {{"right", "left"}, {"rt", "lt"}, {"rip", "liz"}, {"ray", "lou"}}};

// The twin word, in the case the word is written in (RIGHT, Right, right).
QString twinWord(const QString& word) {
  const QString lower = word.toLower();
  QString twin;
  for (const auto& [right, left] : sideWords)
    if (lower == QLatin1String(right)) twin = QLatin1String(left);
    else if (lower == QLatin1String(left)) twin = QLatin1String(right);
  if (word == word.toUpper() && word.size() > 1) return twin.toUpper();
  if (word.front().isUpper()) return twin.front().toUpper() + twin.mid(1);
  return twin;
}

}  // namespace

QString mirroredLabel(const QString& label) {
  // Positions whose players stand on a side, after the side letter.
  static const QStringList sidedPairs = {"T", "G", "E", "H", "W", "C"};
  static const QStringList sidedTriples = {"LB", "CB", "DE", "DT", "OT", "OG", "TE", "WR", "HB", "WB", "SB"};
  if (label.size() < 2 || (label.front() != u'L' && label.front() != u'R')) return label;
  const QString position = label.mid(1);
  const bool sided = label.size() == 2 ? sidedPairs.contains(position) : sidedTriples.contains(position);
  return sided ? otherSide(label.front()) + position : label;
}

QString mirroredCall(const QString& call) {
  static const QRegularExpression words(QStringLiteral("\\b(right|rt|rip|ray|left|lt|liz|lou)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
  QString mirrored;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : words.globalMatch(call)) {
    mirrored += call.mid(from, match.capturedStart() - from) + twinWord(match.captured());
    from = match.capturedEnd();
  }
  mirrored += call.mid(from);
  return mirrored.size() <= maxCallLength ? mirrored : call;
}
