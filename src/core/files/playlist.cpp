#include "core/files/playlist.h"

#include "core/files/fieldreader.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

QList<PlayListEntry> readPlayList(QIODevice& device, qsizetype most) {
  QList<PlayListEntry> entries;
  FieldReader fields(device);
  while (!fields.atEnd() && entries.size() < most) {
    const std::optional<QString> name = fields.textField();
    const std::optional<QString> file = fields.textField();
    if (!name || !file || name->size() > maxPlayListText || file->size() > maxPlayListText) break;
    entries.append({*name, *file});
  }
  return entries;
}

std::optional<QList<PlayListEntry>> readPlayList(const QString& listPath, qsizetype most, QString* why) {
  std::optional<FileBytes> file = readRegularFile(listPath, why);
  if (file && !file->whole && why) *why = tooLargeReason();
  if (!file || !file->whole) return std::nullopt;
  QBuffer buffer(&file->bytes);
  buffer.open(QIODevice::ReadOnly);
  return readPlayList(buffer, most);
}

QString playListRefusal(const QString& path) {
  // The reader splits fields at commas and line ends, skips the blanks before
  // a field and takes a field that starts with a double quote as quoted.
  const QString title = playTitle(path);
  if (path.contains(u',')) return QStringLiteral("a file name or folder with a comma in it");
  if (path.contains(u'\n') || path.contains(u'\r')) return QStringLiteral("a file name or folder with a line end in it");
  for (const QString& field : {title, path}) {
    if (field.startsWith(u'"')) return QStringLiteral("a name that starts with a double quote");
    if (field.startsWith(u' ') || field.startsWith(u'\t')) return QStringLiteral("a name that starts with a blank");
  }
  if (title.size() > maxPlayListText || path.size() > maxPlayListText)
    return QStringLiteral("a name longer than %1 characters").arg(maxPlayListText);
  return QString();
}

QByteArray playListLine(const QString& title, const QString& playPath) {
  return (title + u',' + playPath + QStringLiteral("\r\n")).toLocal8Bit();
}

bool appendPlayListLine(const QString& listPath, const QString& title, const QString& playPath) {
  QFile file(listPath);
  // Unbuffered, so that a short write leaves nothing behind to flush later.
  if (!openRegularFile(file, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) return false;
  const qint64 oldSize = file.size();
  QByteArray line = playListLine(title, playPath);
  // A last line without its line end (left by a write that something cut
  // short) is closed first, as a record of its own, so that it never takes
  // the new line's title as its path.
  if (!file.seek(0)) return false;
  const QByteArray held = file.read(maxFileBytes);
  const QByteArray fragment = held.mid(std::max(held.lastIndexOf('\n'), held.lastIndexOf('\r')) + 1);
  if (!fragment.isEmpty()) line.prepend(fragment.contains(',') ? "\r\n" : ",\r\n");
  if (file.write(line) == line.size()) return true;
  file.resize(oldSize);
  return false;
}

QByteArray playListWithMovedPlay(const QByteArray& list, const QString& from, const QString& to) {
  const QString moved = QFileInfo(from).absoluteFilePath();
  const bool listable = playListRefusal(to).isEmpty();
  QList<QByteArray> lines;
  for (const QByteArray& line : list.split('\n')) {
    const bool crlf = line.endsWith('\r');
    const QByteArray text = crlf ? line.chopped(1) : line;
    const qsizetype comma = text.indexOf(',');
    const QString path = QString::fromLocal8Bit(text.mid(comma + 1)).trimmed();
    if (comma <= 0 || path.isEmpty() || QFileInfo(path).absoluteFilePath() != moved) lines << line;
    else if (listable) lines << playListLine(playTitle(to), to).chopped(crlf ? 1 : 2);
  }
  return lines.join('\n');
}

bool followMovedPlay(const QString& listPath, const QString& from, const QString& to, bool* changed) {
  if (changed) *changed = false;
  if (!QFileInfo::exists(listPath)) return true;
  const std::optional<FileBytes> list = readRegularFile(listPath);
  if (!list || !list->whole) return false;
  const QByteArray moved = playListWithMovedPlay(list->bytes, from, to);
  if (moved == list->bytes) return true;
  if (changed) *changed = true;
  return replaceFile(listPath, moved);
}

QString playTitle(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return path.mid(separator + 1);
}
