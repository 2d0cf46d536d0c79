#pragma once

#include <QByteArray>
#include <QString>

// Why the file may not be written, or an empty text when it may: the program
// writes only where the name is a regular file that can be written or does
// not exist yet. A symbolic link as the last part of the name is followed
// only where the kernel would follow it for this user: not in a sticky folder
// that everyone can write, unless the link is the user's or the folder
// owner's.
QString writeRefusal(const QString& path);

// Whether the two names lead to one file that exists.
bool sameFile(const QString& a, const QString& b);

// Whether the file name ends in "." and the extension, in any case.
bool hasExtension(const QString& path, const QString& extension);

// Replaces the file with these bytes, or leaves the old file whole when the
// new one cannot be written completely (no room, no permission). Where the
// folder takes no new file, a file that can be written is rewritten in place:
// for the small play and settings files only. A failure says why, when asked.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// Writes an exported file whole or not at all, never in place; a failure
// says why: the name refused, the folder that does not exist or cannot take
// a new file, a full disk.
bool writeExport(const QString& path, const QByteArray& bytes, QString* why);
