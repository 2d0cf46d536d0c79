#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

// A Windows cursor: its first picture and the hot spot of its directory entry.
struct CursorFile {
  QImage image;
  QPoint hotSpot;
};

// The largest cursor picture taken, in pixels across and down.
inline constexpr int maxCursorSide = 256;

// Nothing for a file that is not a cursor, a picture larger than the largest
// or a hot spot outside the picture.
std::optional<CursorFile> readCursorFile(const QByteArray& bytes);
std::optional<CursorFile> readCursorFile(const QString& path);
