#include "core/files/playfile.h"

#include "core/files/fieldreader.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"
#include "core/model/numbers.h"
#include "core/model/vocabulary.h"

#include <QBuffer>

#include <algorithm>
#include <type_traits>

QByteArray playFileText(const Play& play, const PlayRoles& roles) {
  QString text;
  const auto line = [&text](const QString& content) { text += content + QStringLiteral("\r\n"); };
  const int count = play.placedCount();
  line(QString::number(count));
  for (int i = 1; i <= count; ++i) {
    const PlayerRecord& player = play.players[i];
    line(QStringLiteral("player,") + QString::number(i) + u',' + printNumber(player.kind));
    line(QStringLiteral("coord,") + QString::number(player.x) + u',' + QString::number(player.y));
    for (int s = 0; s <= maxStep; ++s) {
      const PlayerRecord& step = play.moves[i][s];
      if (step.x == 0 || step.y == 0) break;
      line(QString::number(s) + u',' + QString::number(step.x) + u',' + QString::number(step.y) + u',' +
           printNumber(static_cast<std::int32_t>(player.color)));
    }
    line(QStringLiteral("END"));
  }
  if (roles.any())
    line(QStringLiteral("roles,") + QString::number(roles.quarterback) + u',' + QString::number(roles.receiver) + u',' +
         QString::number(roles.passing ? flagTrue : flagFalse));
  for (int i = 1; i <= count; ++i)
    if (play.labels[i][0] != 0) line(QStringLiteral("label,%1,").arg(i) + labelText(play.labels[i]));
  for (int i = 1; i <= count; ++i)
    if (play.routes[i] != RouteStyle())
      line(QStringLiteral("route,%1,").arg(i) + routeLineWord(play.routes[i].line) + u',' +
           routeEndWord(play.routes[i].end));
  if (!play.call.isEmpty()) line(QStringLiteral("call,") + play.call);
  if (!play.note.isEmpty()) line(QStringLiteral("note,") + play.note);
  if (play.ballOn != 0) line(QStringLiteral("ball,%1").arg(play.ballOn));
  for (int i = 1; i <= count; ++i)
    if (play.speeds[i] != 0) line(QStringLiteral("speed,%1,").arg(i) + QString::number(play.speeds[i]));
  if (play.throwTime != 0) line(QStringLiteral("throw,") + QString::number(play.throwTime));
  if (play.ballSpeed != 0) line(QStringLiteral("ballspeed,") + QString::number(play.ballSpeed));
  for (const QString& defence : play.defences) line(QStringLiteral("defence,") + defence);
  return text.toLatin1();
}

bool writePlayFile(const QString& path, const Play& play, const PlayRoles& roles, QString* why) {
  return replaceFile(path, playFileText(play, roles), why);
}

namespace {

// Reads the fields of one play file under one policy. Every read answers
// whether the reading goes on.
class PlayReader {
 public:
  PlayReader(QIODevice& device, ReadPolicy policy) : fields_(device), strict_(policy == ReadPolicy::Strict) {}

  enum class Outcome { NoCount, Stopped, Complete };
  Outcome readPlay(Play& play);
  // The lines that may follow the last block, in any order: the roles,
  // which it answers, and the play's labels, route styles, call, note and
  // ball-on. A line that is malformed, names no placed player or holds a
  // value out of range is passed over.
  std::optional<PlayRoles> readExtraLines(Play& play);
  // Why the reading stopped.
  const ReadFailure& failure() const { return failure_; }

 private:
  bool readBlock(Play& play, int player);
  std::optional<QString> field();
  bool skipField() { return field().has_value(); }
  // Stops with the reason in full and plainly, at the last field read.
  bool stop(const QString& reason, const QString& plain);
  // A field that is not a number reads as 0; under Strict it ends the
  // reading when it must be a number.
  std::optional<double> numberField(bool mustBeNumber);
  template <typename Int>
  bool wholeField(Int& value);

  FieldReader fields_;
  bool strict_;
  ReadFailure failure_;
};

bool PlayReader::stop(const QString& reason, const QString& plain) {
  failure_.why = QStringLiteral("line %1: ").arg(fields_.fieldLine()) + reason;
  failure_.plain = QStringLiteral("line %1, field %2: ").arg(fields_.fieldLine()).arg(fields_.fieldInLine()) + plain;
  return false;
}

std::optional<QString> PlayReader::field() {
  std::optional<QString> text = fields_.textField();
  if (!text) {
    const QString reason = fields_.wasCut() ? QStringLiteral("a field is longer than %1 KiB").arg(maxFieldBytes / 1024)
                                            : QStringLiteral("the file ends in the middle of the play");
    stop(reason, reason);
  }
  return text;
}

std::optional<double> PlayReader::numberField(bool mustBeNumber) {
  const std::optional<QString> text = field();
  if (!text) return std::nullopt;
  const std::optional<double> number = leadingNumber(*text);
  if (!number && mustBeNumber && strict_) {
    stop(u'\'' + text->trimmed() + QStringLiteral("' is not a number"), QStringLiteral("not a number"));
    return std::nullopt;
  }
  return number.value_or(0);
}

// A count, kind or coordinate: under Strict a field that is not a number, or
// does not fit, ends the reading; under Lenient it reads as 0.
template <typename Int>
bool PlayReader::wholeField(Int& value) {
  const std::optional<double> number = numberField(true);
  if (!number) return false;
  std::optional<Int> whole;
  if constexpr (std::is_same_v<Int, std::int16_t>)
    whole = toInt16(*number);
  else
    whole = toInt32(*number);
  if (!whole && strict_)
    return stop(QString::number(*number) + QStringLiteral(" does not fit"), QStringLiteral("a number too large"));
  value = whole.value_or(0);
  return true;
}

PlayReader::Outcome PlayReader::readPlay(Play& play) {
  // Under Lenient the blocks of players beyond the arrays are not stored,
  // however many the count says.
  const std::optional<double> count = numberField(true);
  if (!count) {
    if (fields_.atEnd() && !fields_.wasCut()) failure_.why = failure_.plain = QStringLiteral("it holds no player count");
    return Outcome::NoCount;
  }
  const double rounded = roundHalfEven(*count);
  if ((rounded < 0 || rounded > maxPlayers) && strict_) {
    stop(QStringLiteral("the player count %1 is outside 0 to %2").arg(*count).arg(maxPlayers),
         QStringLiteral("a player count outside 0 to %1").arg(maxPlayers));
    return Outcome::NoCount;
  }
  play.clearPositions();
  play.clearVocabulary();
  play.playerCount = std::int16_t(std::clamp<double>(rounded, 0, maxPlayers));
  for (int i = 1; i <= play.playerCount; ++i)
    if (!readBlock(play, i)) return Outcome::Stopped;
  return Outcome::Complete;
}

bool PlayReader::readBlock(Play& play, int i) {
  PlayerRecord& player = play.players[i];
  if (!skipField() || !skipField() || !wholeField(player.kind)) return false;
  std::int32_t x = 0, y = 0;
  if (!skipField() || !wholeField(x) || !wholeField(y)) return false;
  player.x = x;
  player.y = y;
  play.moves[i][0].x = x;
  play.moves[i][0].y = y;
  for (int line = 0; line < 7; ++line) {
    const std::optional<QString> stepField = field();
    if (!stepField) return false;
    if (*stepField == QStringLiteral("END")) return true;
    const std::optional<std::int16_t> step = toInt16(readNumber(*stepField));
    const bool inArrays = step && *step >= 0 && *step <= maxStep;
    if (!inArrays && strict_)
      return stop(QStringLiteral("step %1 is outside 0 to %2").arg(readNumber(*stepField)).arg(maxStep),
                  QStringLiteral("a step outside 0 to %1").arg(maxStep));
    std::int32_t stepX = 0, stepY = 0;
    if (!wholeField(stepX) || !wholeField(stepY)) return false;
    const std::optional<double> color = numberField(false);
    if (!color) return false;
    player.color = static_cast<std::uint32_t>(toInt32(*color).value_or(0));
    if (!inArrays) continue;
    play.moves[i][*step].x = stepX;
    play.moves[i][*step].y = stepY;
  }
  return true;
}

namespace {

// The whole number a text starts with, when it lies within the bounds.
std::optional<int> wholeWithin(const QString& text, int low, int high) {
  const std::optional<double> value = leadingNumber(text);
  if (!value) return std::nullopt;
  const double whole = roundHalfEven(*value);
  if (whole < low || whole > high) return std::nullopt;
  return int(whole);
}

// A decimal number that is the whole text, within low to high.
std::optional<float> decimalWithin(const QString& text, double low, double high) {
  bool ok = false;
  const float value = text.toFloat(&ok);
  if (!ok || !(value >= low && value <= high)) return std::nullopt;
  return value;
}

std::optional<PlayRoles> rolesIn(const QStringList& fields) {
  if (fields.size() < 4) return std::nullopt;
  const std::optional<int> q = wholeWithin(fields[1], 0, maxPlayers), r = wholeWithin(fields[2], 0, maxPlayers),
                           flag = wholeWithin(fields[3], flagTrue, flagFalse);
  if (!q || !r || !flag) return std::nullopt;
  return PlayRoles{*q, *r, *flag == flagTrue};
}

// One line after the blocks, taken into the play when it is whole and in range.
void takeExtraLine(const QStringList& fields, Play& play) {
  const QString& name = fields[0];
  const int player = fields.size() >= 2 ? wholeWithin(fields[1], 1, play.placedCount()).value_or(0) : 0;
  if (name == QStringLiteral("label") && fields.size() == 3 && player != 0 && !fields[2].isEmpty() &&
      labelRefusal(fields[2]).isEmpty())
    play.labels[player] = labelFrom(fields[2]);
  if (name == QStringLiteral("route") && fields.size() == 4 && player != 0) {
    const std::optional<RouteLine> line = routeLineFrom(fields[2]);
    const std::optional<RouteEnd> end = routeEndFrom(fields[3]);
    if (line && end) play.routes[player] = {*line, *end};
  }
  const auto text = [&fields](int most) {
    return fields.size() == 2 && playTextRefusal(fields[1], most).isEmpty() ? std::optional(fields[1]) : std::nullopt;
  };
  if (name == QStringLiteral("call")) play.call = text(maxCallLength).value_or(play.call);
  if (name == QStringLiteral("note")) play.note = text(maxNoteLength).value_or(play.note);
  if (name == QStringLiteral("ball") && fields.size() == 2)
    play.ballOn = std::int16_t(wholeWithin(fields[1], 1, 99).value_or(play.ballOn));
  if (name == QStringLiteral("speed") && fields.size() == 3 && player != 0)
    play.speeds[player] = decimalWithin(fields[2], slowestPlayer, fastestPlayer).value_or(play.speeds[player]);
  if (name == QStringLiteral("throw") && fields.size() == 2)
    play.throwTime = decimalWithin(fields[1], earliestThrow, latestThrow).value_or(play.throwTime);
  if (name == QStringLiteral("ballspeed") && fields.size() == 2)
    play.ballSpeed = decimalWithin(fields[1], slowestBall, fastestBall).value_or(play.ballSpeed);
  if (const std::optional<QString> defence = text(maxCallLength); name == QStringLiteral("defence") && defence &&
      !defence->isEmpty() && !play.defences.contains(*defence) && play.defences.size() < maxDefences)
    play.defences << *defence;
}

}  // namespace

std::optional<PlayRoles> PlayReader::readExtraLines(Play& play) {
  std::optional<PlayRoles> roles;
  QStringList fields;
  int line = 0;
  const auto take = [&] {
    if (fields.isEmpty()) return;
    if (fields[0] == QStringLiteral("roles"))
      roles = rolesIn(fields);
    else
      takeExtraLine(fields, play);
    fields.clear();
  };
  while (const std::optional<QString> text = fields_.textField()) {
    if (fields_.fieldLine() != line) take();
    line = fields_.fieldLine();
    fields << *text;
  }
  take();
  return roles;
}

}  // namespace

bool readPlayFile(QIODevice& device, ReadPolicy policy, Play& play, ReadFailure* failure,
                  std::optional<PlayRoles>* roles) {
  PlayReader reader(device, policy);
  const PlayReader::Outcome outcome = reader.readPlay(play);
  const bool read = outcome == PlayReader::Outcome::Complete ||
                    (outcome == PlayReader::Outcome::Stopped && policy == ReadPolicy::Lenient);
  if (!read && failure) *failure = reader.failure();
  const std::optional<PlayRoles> extraRoles =
      outcome == PlayReader::Outcome::Complete ? reader.readExtraLines(play) : std::nullopt;
  if (roles) *roles = extraRoles;
  return read;
}

bool readPlayFile(const QString& path, ReadPolicy policy, Play& play, ReadFailure* failure,
                  std::optional<PlayRoles>* roles) {
  QString why;
  std::optional<FileBytes> file = readRegularFile(path, &why);
  if (file && !file->whole && policy == ReadPolicy::Strict) {
    file.reset();
    why = tooLargeReason();
  }
  if (!file) {
    if (failure) *failure = {why, why};
    return false;
  }
  QBuffer buffer(&file->bytes);
  buffer.open(QIODevice::ReadOnly);
  return readPlayFile(buffer, policy, play, failure, roles);
}

namespace {

std::int32_t between(std::int32_t from, std::int32_t to, int m) {
  return roundToInt32(double(m) / 3 * (double(to) - double(from)) + from);
}

}  // namespace

void synchronizePaths(Play& play) {
  for (int i = 1; i <= play.placedCount(); ++i) {
    auto& path = play.moves[i];
    int empty = 0;
    while (empty <= 3 && !(path[empty].x == 0 && path[empty].y == 0)) ++empty;
    if (empty != 2 && empty != 3) continue;
    const PlayerRecord from = path[empty - 2];
    const PlayerRecord to = path[empty - 1];
    for (int m = empty - 1; m <= 3; ++m) {
      path[m].x = between(from.x, to.x, m);
      path[m].y = between(from.y, to.y, m);
    }
  }
}
