#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// The most the program reads of one file, and of one field of it.
inline constexpr qint64 maxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype maxFieldBytes = 64 * 1024;

// Opens the file only when it is a regular file, and so that a FIFO or a
// device cannot block the program in the open call. With Append the file is
// created when it does not exist.
bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* why = nullptr);

struct FileBytes {
  QByteArray bytes;
  bool whole = true;  // false: the file is larger than maxFileBytes, and these are its first bytes
};

// The bytes of a regular file, at most maxFileBytes of them; nothing when it
// is not a regular file or cannot be read, and then why, when asked.
std::optional<FileBytes> readRegularFile(const QString& path, QString* why = nullptr);

// Why a file larger than the program reads was refused.
QString tooLargeReason();
