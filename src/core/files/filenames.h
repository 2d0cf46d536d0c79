#pragma once

#include <QByteArray>
#include <QString>

// File names as the file system's bytes. Qt turns a name's bytes that are
// not UTF-8 into U+FFFD and so loses them; here each such byte b becomes the
// lone surrogate U+DC00 + b (as Python's surrogateescape does) and goes back
// to the same byte, so that every name a user gives reaches its file.
QString nameFromFileSystem(const QByteArray& bytes);
QByteArray fileSystemName(const QString& name);

// A call as the name of its play file: each character a file name or the
// play list cannot hold (a slash, a backslash, : * ? " < > |, a comma, a
// control character) becomes "-".
QString fileNameOfCall(const QString& call);

// Whether Qt's own file classes reach the file of this name.
bool qtReaches(const QString& name);
