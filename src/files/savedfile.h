#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with these bytes, or leaves the old file whole when the
// new one cannot be written completely (no room, no permission).
bool replaceFile(const QString& path, const QByteArray& bytes);
