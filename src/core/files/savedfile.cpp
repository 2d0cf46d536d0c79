#include "core/files/savedfile.h"

#include "core/files/filenames.h"
#include "core/files/regularfile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The kernel's rule for links in shared folders (fs.protected_symlinks).
bool kernelFollows(const QString& path, const struct stat& link) {
  struct stat folder {};
  if (::stat(fileSystemName(QFileInfo(path).absolutePath()).constData(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

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

enum class Written { Whole, NoNewFile, Failed };

// Why the folder took no new file.
QString noNewFileReason(const QString& path) {
  const QFileInfo folder(QFileInfo(path).absolutePath());
  if (!folder.isDir()) return QStringLiteral("the folder ") + folder.filePath() + QStringLiteral(" does not exist");
  return QStringLiteral("the folder ") + folder.filePath() + QStringLiteral(" cannot take a new file");
}

// Writes the file with QSaveFile, under a name Qt reaches.
Written saveWithQt(const QString& path, const QByteArray& bytes, QString* why) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *why = noNewFileReason(path);
    return Written::NoNewFile;
  }
  // QSaveFile::commit() does not see a failure of its own last flush, so the
  // buffer is flushed and checked here, before the new file takes the old one's place.
  if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
    *why = file.error() == QFileDevice::ResourceError ? QStringLiteral("no space left on the device")
                                                        : file.errorString();
    file.cancelWriting();
    return Written::Failed;
  }
  return Written::Whole;
}

// A name that Qt's file classes cannot reach (its bytes are not UTF-8) is
// written as a new file of a name they can, in the same folder through the
// folder's descriptor, and then renamed to its own bytes.
Written writeBeyondQt(const QString& path, const QByteArray& bytes, QString* why) {
  const QFileInfo info(path);
  const int folder = ::open(fileSystemName(info.absolutePath()).constData(), O_DIRECTORY | O_RDONLY | O_CLOEXEC);
  if (folder < 0) {
    *why = noNewFileReason(path);
    return Written::NoNewFile;
  }
  const QByteArray temporary = ".moxten-" + QUuid::createUuid().toByteArray(QUuid::Id128);
  Written written = saveWithQt(QStringLiteral("/proc/self/fd/%1/").arg(folder) + QString::fromLatin1(temporary), bytes, why);
  if (written == Written::NoNewFile) *why = noNewFileReason(path);
  if (written == Written::Whole &&
      ::renameat(folder, temporary.constData(), folder, fileSystemName(info.fileName()).constData()) != 0) {
    *why = systemReason(errno);
    ::unlinkat(folder, temporary.constData(), 0);
    written = Written::Failed;
  }
  ::close(folder);
  return written;
}

Written writeWhole(const QString& path, const QByteArray& bytes, QString* why) {
  return qtReaches(path) ? saveWithQt(path, bytes, why) : writeBeyondQt(path, bytes, why);
}

}  // namespace

bool hasExtension(const QString& path, const QString& extension) {
  return QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0;
}

bool sameFile(const QString& a, const QString& b) {
  struct stat first {}, second {};
  return ::stat(fileSystemName(a).constData(), &first) == 0 && ::stat(fileSystemName(b).constData(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString writeRefusal(const QString& path) {
  const QByteArray name = fileSystemName(path);
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0) {
    if (errno == ENOENT) return QString();
    if (errno == ENAMETOOLONG) return QStringLiteral("the file name is longer than the system allows");
    return systemReason(errno);
  }
  if (S_ISLNK(info.st_mode)) {
    if (!kernelFollows(path, info))
      return QStringLiteral("it is a symbolic link that another user made in a folder everyone can write");
    if (::stat(name.constData(), &info) != 0) return errno == ENOENT ? QString() : systemReason(errno);
  }
  if (S_ISDIR(info.st_mode)) return QStringLiteral("it is a folder");
  if (!S_ISREG(info.st_mode)) return QStringLiteral("it is not a regular file (a device, a FIFO or a socket)");
  if (::access(name.constData(), W_OK) != 0) return QStringLiteral("the file is read-only");
  return QString();
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* why) {
  QString reason = writeRefusal(path);
  bool written = false;
  if (reason.isEmpty()) {
    switch (writeWhole(path, bytes, &reason)) {
      case Written::Whole: written = true; break;
      // A folder that takes no new file (no write permission on it) may still
      // hold a file that can be written: then the file is written in place.
      case Written::NoNewFile: written = rewriteInPlace(path, bytes); break;
      case Written::Failed: break;
    }
  }
  if (!written && why) *why = reason;
  return written;
}

bool writeExport(const QString& path, const QByteArray& bytes, QString* why) {
  QString reason = writeRefusal(path);
  if (reason.isEmpty() && writeWhole(path, bytes, &reason) == Written::Whole) return true;
  if (why) *why = reason;
  return false;
}
