#include "animation/gif.h"

#include "drawing/canvas.h"
#include "drawing/football.h"
#include "settings/colors.h"

#include <QHash>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

// The smallest rectangle holding every pixel that differs between the frames;
// a null rectangle when none does.
QRect changedArea(const QImage& before, const QImage& after) {
  const int width = after.width();
  int top = -1, bottom = -1, left = width, right = -1;
  for (int y = 0; y < after.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
    if (std::memcmp(a, b, sizeof(QRgb) * width) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int first = 0, last = width - 1;
    while (a[first] == b[first]) ++first;
    while (a[last] == b[last]) --last;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return QRect();
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

// An area of a frame as indexes into a colour table of its own.
struct IndexedArea {
  std::vector<GifColorType> colors;
  std::vector<GifByteType> pixels;
};

GifByteType nearestColor(const std::vector<GifColorType>& colors, QRgb color) {
  GifByteType nearest = 0;
  int shortest = INT32_MAX;
  for (std::size_t c = 0; c < colors.size(); ++c) {
    const int d = std::abs(colors[c].Red - qRed(color)) + std::abs(colors[c].Green - qGreen(color)) +
                  std::abs(colors[c].Blue - qBlue(color));
    if (d < shortest) {
      shortest = d;
      nearest = GifByteType(c);
    }
  }
  return nearest;
}

// The colours of the area in order of first use: exact for the first 256,
// the nearest of those for any further colour.
IndexedArea indexedArea(const QImage& frame, const QRect& area) {
  IndexedArea indexed;
  QHash<QRgb, GifByteType> index;
  indexed.pixels.reserve(std::size_t(area.width()) * area.height());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb color = line[x] | 0xFF000000u;
      auto found = index.constFind(color);
      if (found == index.constEnd()) {
        const bool room = indexed.colors.size() < 256;
        found = index.insert(color, room ? GifByteType(indexed.colors.size()) : nearestColor(indexed.colors, color));
        if (room) indexed.colors.push_back({GifByteType(qRed(color)), GifByteType(qGreen(color)), GifByteType(qBlue(color))});
      }
      indexed.pixels.push_back(*found);
    }
  }
  return indexed;
}

// Writes GIF frames with giflib, each with its own exact colour table.
class GifWriter {
 public:
  GifWriter(QSize size, QString* why) : why_(why) {
    int error = 0;
    gif_ = EGifOpen(&bytes_, appendBytes, &error);
    if (!gif_) {
      fail(error);
      return;
    }
    EGifSetGifVersion(gif_, true);
    ok_ = EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, nullptr) == GIF_OK && putLoopForever();
    if (!ok_) fail(gif_->Error);
  }
  ~GifWriter() {
    if (gif_) EGifCloseFile(gif_, nullptr);
  }

  // The frame's area, held for the delay in hundredths of a second. After a
  // failure nothing more is written and finish says why.
  void putFrame(const QImage& frame, const QRect& area, int delay);
  std::optional<QByteArray> finish();

 private:
  bool putLoopForever();
  void fail(int error) {
    if (why_) *why_ = QStringLiteral("the GIF could not be made: ") + QString::fromLatin1(GifErrorString(error));
    ok_ = false;
  }

  QString* why_;
  QByteArray bytes_;
  GifFileType* gif_ = nullptr;
  bool ok_ = false;
};

bool GifWriter::putLoopForever() {
  static const char application[] = "NETSCAPE2.0";
  static const GifByteType loop[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif_, 11, application) == GIF_OK && EGifPutExtensionBlock(gif_, 3, loop) == GIF_OK &&
         EGifPutExtensionTrailer(gif_) == GIF_OK;
}

void GifWriter::putFrame(const QImage& frame, const QRect& area, int delay) {
  if (!ok_) return;
  IndexedArea indexed = indexedArea(frame, area);
  int tableSize = 2;
  while (tableSize < int(indexed.colors.size())) tableSize *= 2;
  indexed.colors.resize(std::size_t(tableSize), GifColorType{0, 0, 0});
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> table(GifMakeMapObject(tableSize, indexed.colors.data()),
                                                                   GifFreeMapObject);
  GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  if (!table || EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
      EGifPutImageDesc(gif_, area.left(), area.top(), area.width(), area.height(), false, table.get()) != GIF_OK) {
    fail(gif_->Error);
    return;
  }
  for (int row = 0; row < area.height() && ok_; ++row)
    if (EGifPutLine(gif_, indexed.pixels.data() + std::size_t(row) * area.width(), area.width()) != GIF_OK)
      fail(gif_->Error);
}

std::optional<QByteArray> GifWriter::finish() {
  if (!ok_) return std::nullopt;
  int error = 0;
  const int closed = EGifCloseFile(gif_, &error);
  gif_ = nullptr;
  if (closed != GIF_OK) {
    fail(error);
    return std::nullopt;
  }
  return bytes_;
}

// The frame as the window shows it: the Field's picture with the football over it.
QImage shownFrame(const FieldCanvas& canvas, std::optional<QPoint> ball) {
  QImage frame = canvas.image().copy();
  if (ball) {
    QPainter painter(&frame);
    drawFootball(painter, *ball);
  }
  return frame;
}

}  // namespace

int gifDelay(int milliseconds) { return std::max(shortestGifDelay, int(std::lround(milliseconds / 10.0))); }

std::optional<QByteArray> animationGif(const PlayPicture& start, const RunRoles& roles, int frameWait, QString* why) {
  if (start.size.isEmpty()) {
    if (why) *why = QStringLiteral("the picture has no size");
    return std::nullopt;
  }
  FieldCanvas canvas(start.size, fieldGreen);
  drawResetField(canvas, start.play, start.penColor);
  const bool ballShown = start.roles.passing;
  std::optional<QPoint> ball;
  if (const std::optional<QPointF> corner = footballStart(start.play, roles); corner && ballShown)
    ball = footballCorner(*corner);

  GifWriter gif(start.size, why);
  const int delay = gifDelay(frameWait);
  // Each frame is written once the next one shows what changed since it.
  QImage pending = shownFrame(canvas, ball);
  QRect pendingArea = pending.rect();
  std::uint32_t penColor = start.penColor;
  runAnimation(canvas, start.play, roles, penColor, [&](std::optional<QPointF> corner) {
    if (corner && ballShown) ball = footballCorner(*corner);
    QImage next = shownFrame(canvas, ball);
    gif.putFrame(pending, pendingArea, delay);
    pendingArea = changedArea(pending, next);
    if (pendingArea.isNull()) pendingArea = QRect(0, 0, 1, 1);
    pending = std::move(next);
  });
  gif.putFrame(pending, pendingArea, lastGifFrameDelay);
  return gif.finish();
}
