#include "files/playlist.h"

#include "files/fieldreader.h"
#include "model/playstate.h"

#include <QFile>

QList<PlayListEntry> readPlayList(QIODevice& device) {
  QList<PlayListEntry> entries;
  FieldReader fields(device);
  while (!fields.atEnd() && entries.size() < maxPlayListEntries) {
    const std::optional<QString> name = fields.textField();
    const std::optional<QString> file = fields.textField();
    if (!name || !file) break;
    entries.append({*name, *file});
  }
  return entries;
}

bool appendPlayListLine(const QString& listPath, const QString& title, const QString& playPath) {
  QFile file(listPath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  const QByteArray line = (title + u',' + playPath + QStringLiteral("\r\n")).toLocal8Bit();
  return file.write(line) == line.size();
}

QString playTitle(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return path.mid(separator + 1);
}
