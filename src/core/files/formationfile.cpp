#include "core/files/formationfile.h"

#include "core/files/fieldreader.h"
#include "core/files/regularfile.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

const QStringList kindWords = {QStringLiteral("offence"), QStringLiteral("centre"), QStringLiteral("defence")};

// Positions further than this from the anchor are no formation's.
constexpr double farthestYards = 100000;

QString yards(double value) { return QString::number(value, 'g', 8); }

QString point(QPointF at) { return yards(at.x()) + u',' + yards(at.y()); }

struct Line {
  int number;
  QStringList fields;
};

// The text's lines with their fields.
QList<Line> linesOf(const QByteArray& text) {
  QByteArray bytes = text;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  FieldReader reader(buffer);
  QList<Line> lines;
  while (const std::optional<QString> field = reader.textField()) {
    if (lines.isEmpty() || reader.fieldLine() != lines.last().number) lines << Line{reader.fieldLine(), {}};
    lines.last().fields << *field;
  }
  return lines;
}

std::optional<double> yardsIn(const QString& text) {
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok || !std::isfinite(value) || std::abs(value) > farthestYards) return std::nullopt;
  return value;
}

std::optional<QPointF> pointIn(const QStringList& fields, qsizetype at) {
  const std::optional<double> x = yardsIn(fields.value(at)), y = yardsIn(fields.value(at + 1));
  if (!x || !y) return std::nullopt;
  return QPointF(*x, *y);
}

// Reads one line into the group; why it cannot, or empty.
QString takeLine(const QStringList& fields, PlayerGroup& group, std::optional<QPoint>* origin) {
  const QString& kind = fields.first();
  const qsizetype count = fields.size();
  if (kind == QStringLiteral("formation") && count == 2) {
    group.name = fields[1];
    return {};
  }
  if (kind == QStringLiteral("origin") && count == 3) {
    bool x = false, y = false;
    const QPoint at(fields[1].toInt(&x), fields[2].toInt(&y));
    if (!x || !y) return QStringLiteral("its origin is not two whole numbers");
    if (origin) *origin = at;
    return {};
  }
  if (kind == QStringLiteral("player") && count == 4) {
    const std::optional<QPointF> at = pointIn(fields, 2);
    if (!kindWords.contains(fields[1]) || !at) return QStringLiteral("a player is not a kind and two numbers of yards");
    if (group.players.size() == maxPlayers) return QStringLiteral("it has too many players, more than %1").arg(maxPlayers);
    group.players << GroupPlayer{std::int16_t(kindWords.indexOf(fields[1]) + 1), *at, {}, {}, 0, {}};
    return {};
  }
  if (group.players.isEmpty()) return QStringLiteral("it is not a formation line");
  GroupPlayer& player = group.players.last();
  if (kind == QStringLiteral("label") && count == 2 && labelRefusal(fields[1]).isEmpty()) {
    player.label = labelFrom(fields[1]);
    return {};
  }
  if (kind == QStringLiteral("route") && count == 3 && routeLineFrom(fields[1]) && routeEndFrom(fields[2])) {
    player.route = {*routeLineFrom(fields[1]), *routeEndFrom(fields[2])};
    return {};
  }
  if (kind == QStringLiteral("path") && (count == 4 || count == 6 || count == 8)) {
    bool ok = false;
    player.color = fields[1].toUInt(&ok);
    if (!ok || !isTableColor(player.color)) return QStringLiteral("a path's colour is not one of the four colours");
    for (qsizetype at = 2; at < count; at += 2) {
      const std::optional<QPointF> step = pointIn(fields, at);
      if (!step) return QStringLiteral("a path point is not two numbers of yards");
      player.path << *step;
    }
    return {};
  }
  return QStringLiteral("it is not a formation line");
}

}  // namespace

QByteArray formationText(const PlayerGroup& group, std::optional<QPoint> origin) {
  QString text;
  const auto line = [&text](const QString& content) { text += content + QStringLiteral("\n"); };
  if (origin) line(QStringLiteral("origin,%1,%2").arg(origin->x()).arg(origin->y()));
  if (!group.name.isEmpty()) line(QStringLiteral("formation,") + group.name);
  for (const GroupPlayer& player : group.players) {
    line(QStringLiteral("player,") + kindWords.value(player.kind - 1, kindWords.first()) + u',' + point(player.at));
    if (player.label[0] != 0) line(QStringLiteral("label,") + labelText(player.label));
    if (player.route != RouteStyle())
      line(QStringLiteral("route,") + routeLineWord(player.route.line) + u',' + routeEndWord(player.route.end));
    if (player.path.isEmpty()) continue;
    QString path = QStringLiteral("path,") + QString::number(player.color);
    for (const QPointF step : player.path) path += u',' + point(step);
    line(path);
  }
  return text.toLatin1();
}

std::optional<PlayerGroup> formationFromText(const QByteArray& text, QString* why, std::optional<QPoint>* origin) {
  if (text.size() > largestFormationFile) {
    *why = QStringLiteral("it is larger than 64 KiB");
    return std::nullopt;
  }
  PlayerGroup group;
  for (const Line& line : linesOf(text))
    if (const QString reason = takeLine(line.fields, group, origin); !reason.isEmpty()) {
      *why = QStringLiteral("line %1: %2").arg(line.number).arg(reason);
      return std::nullopt;
    }
  if (group.players.isEmpty()) {
    *why = QStringLiteral("it holds no players");
    return std::nullopt;
  }
  return group;
}

namespace {

// The formation a file's bytes hold, named by the file without a formation line.
std::optional<PlayerGroup> formationOfFile(const QByteArray& bytes, const QString& path, QString* why) {
  std::optional<PlayerGroup> group = formationFromText(bytes, why);
  if (group && group->name.isEmpty()) group->name = QFileInfo(path).completeBaseName();
  return group;
}

}  // namespace

std::optional<PlayerGroup> readFormationFile(const QString& path, QString* why) {
  const std::optional<FileBytes> read = readRegularFile(path, why);
  return read ? formationOfFile(read->bytes, path, why) : std::nullopt;
}

QString givenNameRefusal(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("a name is needed");
  if (name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.'))
    return QStringLiteral("a name cannot hold a slash or start with a dot");
  return playTextRefusal(name, maxCallLength);
}

QStringList formationFilesIn(const QString& folder) {
  QStringList files;
  if (folder.isEmpty()) return files;
  const QDir dir(folder);
  for (const QString& name :
       dir.entryList({QStringLiteral("*.") + formationExtension}, QDir::Files | QDir::Readable, QDir::Name))
    files << dir.filePath(name);
  return files;
}

bool isDefence(const PlayerGroup& group) {
  return !group.players.isEmpty() && std::all_of(group.players.begin(), group.players.end(),
                                                 [](const GroupPlayer& player) { return player.kind == Defence; });
}

namespace {

// The name a formation text gives itself, by its formation line (the file's
// name without one).
QString formationNameIn(const QByteArray& text, const QString& path) {
  for (const Line& line : linesOf(text))
    if (line.fields.size() == 2 && line.fields.first() == QStringLiteral("formation")) return line.fields[1];
  return QFileInfo(path).completeBaseName();
}

}  // namespace

SavedDefences readSavedDefences(const QStringList& folders, Progress* progress) {
  QStringList files;
  for (const QString& folder : folders) files << formationFilesIn(folder);
  if (progress) progress->start(int(files.size()));
  SavedDefences saved;
  QStringList names;
  for (const QString& file : files) {
    if (progress && progress->cancelled()) break;
    QString why;
    const std::optional<FileBytes> read = readRegularFile(file, &why);
    const std::optional<PlayerGroup> group = read ? formationOfFile(read->bytes, file, &why) : std::nullopt;
    if (group && isDefence(*group) && !names.contains(group->name)) {
      names << group->name;
      saved.defences << *group;
    } else if (!group && read) {
      saved.unusable.insert(formationNameIn(read->bytes.left(largestFormationFile), file), file + QStringLiteral(": ") + why);
    }
    if (progress) progress->step();
  }
  return saved;
}

QStringList defenceNames(const SavedDefences& saved) {
  QStringList names;
  for (const PlayerGroup& defence : saved.defences) names << defence.name;
  return names;
}

std::optional<PlayerGroup> findDefence(const SavedDefences& saved, const QString& name, QString* why) {
  for (const PlayerGroup& defence : saved.defences)
    if (defence.name == name) return defence;
  const auto unusable = saved.unusable.constFind(name);
  *why = unusable == saved.unusable.constEnd()
             ? QStringLiteral("no saved defence formation is named ") + name
             : QStringLiteral("the saved defence formation ") + name + QStringLiteral(" cannot be used: ") + *unusable;
  return std::nullopt;
}
