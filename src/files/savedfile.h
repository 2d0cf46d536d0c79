#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with these bytes, or leaves the old file whole when the
// new one cannot be written completely (no room, no permission).
bool replaceFile(const QString& path, const QByteArray& bytes);

// Writes an exported file whole, as replaceFile does; a failure says why: the
// folder that does not exist, or that the file could not be written.
bool writeExport(const QString& path, const QByteArray& bytes, QString* why);
