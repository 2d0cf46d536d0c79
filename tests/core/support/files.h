#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// A file's bytes; none when it cannot be read.
inline QByteArray readBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

// Writes the bytes as the file, failing the test when it cannot.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), __FILE__, __LINE__);
  file.write(bytes);
}
