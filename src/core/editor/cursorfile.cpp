#include "core/editor/cursorfile.h"

#include "core/files/regularfile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

// The file starts with a 6-byte header (reserved 0, type 2 for cursors, the
// number of pictures) and 16-byte directory entries; an entry keeps the hot
// spot where an icon keeps its planes and bit count.
constexpr qsizetype headerSize = 6;
constexpr qsizetype entrySize = 16;

quint16 word(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData() + at));
}

}  // namespace

std::optional<CursorFile> readCursorFile(const QByteArray& bytes) {
  if (bytes.size() < headerSize + entrySize) return std::nullopt;
  if (word(bytes, 0) != 0 || word(bytes, 2) != 2 || word(bytes, 4) == 0) return std::nullopt;
  const QPoint hotSpot(word(bytes, headerSize + 4), word(bytes, headerSize + 6));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "cur");
  const auto fits = [](QSize size) { return size.width() <= maxCursorSide && size.height() <= maxCursorSide; };
  // A picture the window system cannot take as a pointer is not decoded.
  if (reader.size().isValid() && !fits(reader.size())) return std::nullopt;
  QImage image = reader.read();
  if (image.isNull() || !fits(image.size()) || !image.rect().contains(hotSpot)) return std::nullopt;
  return CursorFile{image, hotSpot};
}

std::optional<CursorFile> readCursorFile(const QString& path) {
  const std::optional<FileBytes> file = readRegularFile(path);
  if (!file || !file->whole) return std::nullopt;
  return readCursorFile(file->bytes);
}
