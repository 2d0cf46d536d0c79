#include "files/savedfile.h"

#include <QSaveFile>

bool replaceFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // QSaveFile::commit() does not see a failure of its own last flush, so the
  // buffer is flushed and checked here, before the new file takes the old one's place.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
