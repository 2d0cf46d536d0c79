#include "files/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile& file, QIODevice::OpenMode mode) {
  int flags = O_CLOEXEC | O_NONBLOCK;
  if (mode.testFlag(QIODevice::ReadOnly) && mode.testFlag(QIODevice::WriteOnly))
    flags |= O_RDWR;
  else if (mode.testFlag(QIODevice::WriteOnly))
    flags |= O_WRONLY;
  else
    flags |= O_RDONLY;
  if (mode.testFlag(QIODevice::Append)) flags |= O_APPEND | O_CREAT;
  const int fd = ::open(QFile::encodeName(file.fileName()).constData(), flags, 0666);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  return true;
}

std::optional<FileBytes> readRegularFile(const QString& path) {
  QFile file(path);
  if (!openRegularFile(file, QIODevice::ReadOnly)) return std::nullopt;
  FileBytes read{file.read(maxFileBytes + 1)};
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  if (read.bytes.size() > maxFileBytes) {
    read.bytes.truncate(maxFileBytes);
    read.whole = false;
  }
  return read;
}
