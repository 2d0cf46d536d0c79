#include "core/files/regularfile.h"

#include "core/files/filenames.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* why) {
  const auto fail = [why](const QString& reason) {
    if (why) *why = reason;
    return false;
  };
  int flags = O_CLOEXEC | O_NONBLOCK;
  if (mode.testFlag(QIODevice::ReadOnly) && mode.testFlag(QIODevice::WriteOnly))
    flags |= O_RDWR;
  else if (mode.testFlag(QIODevice::WriteOnly))
    flags |= O_WRONLY;
  else
    flags |= O_RDONLY;
  if (mode.testFlag(QIODevice::Append)) flags |= O_APPEND | O_CREAT;
  const int fd = ::open(fileSystemName(file.fileName()).constData(), flags, 0666);
  if (fd < 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  if (!regular || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(regular ? file.errorString() : QStringLiteral("it is not a regular file"));
  }
  return true;
}

QString tooLargeReason() { return QStringLiteral("it is larger than %1 MiB").arg(maxFileBytes / (1024 * 1024)); }

std::optional<FileBytes> readRegularFile(const QString& path, QString* why) {
  QFile file(path);
  if (!openRegularFile(file, QIODevice::ReadOnly, why)) return std::nullopt;
  FileBytes read{file.read(maxFileBytes + 1)};
  if (file.error() != QFileDevice::NoError) {
    if (why) *why = file.errorString();
    return std::nullopt;
  }
  if (read.bytes.size() > maxFileBytes) {
    read.bytes.truncate(maxFileBytes);
    read.whole = false;
  }
  return read;
}
