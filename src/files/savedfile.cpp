#include "files/savedfile.h"

#include "files/regularfile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// Writes the new bytes over the old ones in the file itself. Until the new
// bytes are longer than the old, that takes no room the file does not hold,
// and on a failure the old bytes go back where they were.
bool rewriteInPlace(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!openRegularFile(file, QIODevice::ReadWrite | QIODevice::Unbuffered) || file.size() > maxFileBytes) return false;
  const QByteArray old = file.readAll();
  if (file.error() != QFileDevice::NoError || !file.seek(0)) return false;
  if (file.write(bytes) == bytes.size() && file.resize(bytes.size())) return true;
  file.seek(0);
  file.write(old);
  file.resize(old.size());
  return false;
}

}  // namespace

bool replaceFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // A folder that takes no new file (no write permission on it) may still
  // hold a file that can be written: then the file is written in place.
  if (!file.open(QIODevice::WriteOnly)) return rewriteInPlace(path, bytes);
  // QSaveFile::commit() does not see a failure of its own last flush, so the
  // buffer is flushed and checked here, before the new file takes the old one's place.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

namespace {

QString unwrittenReason(const QString& path) {
  const QFileInfo folder(QFileInfo(path).absolutePath());
  if (!folder.isDir()) return QStringLiteral("the folder ") + folder.filePath() + QStringLiteral(" does not exist");
  return QStringLiteral("the file could not be written (no permission or no room)");
}

}  // namespace

bool writeExport(const QString& path, const QByteArray& bytes, QString* why) {
  if (replaceFile(path, bytes)) return true;
  if (why) *why = unwrittenReason(path);
  return false;
}
