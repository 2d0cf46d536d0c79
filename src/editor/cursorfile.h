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

std::optional<CursorFile> readCursorFile(const QByteArray& bytes);
std::optional<CursorFile> readCursorFile(const QString& path);
