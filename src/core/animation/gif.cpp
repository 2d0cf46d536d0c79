#include "core/animation/gif.h"

#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/settings/colors.h"

#include <QFuture>
#include <QHash>
#include <QPainter>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
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
  QHash<QRgb, GifByteType> index;
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

// Calls take(color, run) for each run of pixels of one colour in the area.
template <typename Take>
void forEachRun(const QImage& frame, const QRect& area, Take take) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    for (int x = area.left(); x <= area.right();) {
      const QRgb color = line[x];
      int end = x + 1;
      while (end <= area.right() && line[end] == color) ++end;
      take(color | 0xFF000000u, end - x);
      x = end;
    }
  }
}

// The colour table of the area: its colours in order of first use when it
// has at most 256; else the 256 it uses most, each further colour taking the
// nearest of those. The pictures have few flat colours in long runs, so each
// run costs one look-up.
void indexArea(const QImage& frame, const QRect& area, IndexedArea& indexed) {
  indexed.colors.clear();
  indexed.index.clear();
  QList<QRgb> colors;
  QHash<QRgb, qsizetype> uses;
  forEachRun(frame, area, [&](QRgb color, int run) {
    qsizetype& used = uses[color];
    if (used == 0) colors << color;
    used += run;
  });
  if (colors.size() > 256) {
    std::stable_sort(colors.begin(), colors.end(), [&uses](QRgb a, QRgb b) { return uses[a] > uses[b]; });
    colors.resize(256);
  }
  for (const QRgb color : colors) {
    indexed.index.insert(color, GifByteType(indexed.colors.size()));
    indexed.colors.push_back({GifByteType(qRed(color)), GifByteType(qGreen(color)), GifByteType(qBlue(color))});
  }
  indexed.pixels.resize(std::size_t(area.width()) * area.height());
  GifByteType* pixel = indexed.pixels.data();
  forEachRun(frame, area, [&](QRgb color, int run) {
    auto found = indexed.index.constFind(color);
    if (found == indexed.index.constEnd())
      found = indexed.index.insert(color, nearestColor(indexed.colors, color));
    pixel = std::fill_n(pixel, run, *found);
  });
}

// A GIF that giflib writes into memory.
class GifStream {
 public:
  explicit GifStream(QSize screen) {
    gif_ = EGifOpen(&bytes_, appendBytes, &error_);
    if (!gif_) return;
    EGifSetGifVersion(gif_, true);
    check(EGifPutScreenDesc(gif_, screen.width(), screen.height(), 8, 0, nullptr));
  }
  ~GifStream() {
    if (gif_) EGifCloseFile(gif_, nullptr);
  }
  GifStream(const GifStream&) = delete;
  GifStream& operator=(const GifStream&) = delete;

  // The giflib error that stopped the writing; 0 while all goes well.
  int error() const { return error_; }
  GifFileType* gif() const { return gif_; }
  // Takes the result of a giflib call; after a failure nothing more is written.
  bool check(int result) {
    if (result != GIF_OK && error_ == 0) error_ = gif_ ? gif_->Error : E_GIF_ERR_NOT_ENOUGH_MEM;
    return error_ == 0;
  }
  void append(const QByteArray& bytes) { bytes_.append(bytes); }
  // The whole GIF, with its trailer.
  std::optional<QByteArray> close() {
    if (error_ == 0 && EGifCloseFile(gif_, &error_) != GIF_OK && error_ == 0) error_ = E_GIF_ERR_CLOSE_FAILED;
    gif_ = nullptr;
    if (error_ != 0) return std::nullopt;
    return bytes_;
  }

 private:
  QByteArray bytes_;
  GifFileType* gif_ = nullptr;
  int error_ = 0;
};

// A frame as the GIF holds it: its control extension, its descriptor, its
// colour table and its compressed pixels; or giflib's error.
struct CompressedFrame {
  QByteArray bytes;
  int error = 0;
};

// giflib compresses the frame as the one image of a GIF of its own; the
// bytes between that GIF's screen descriptor and its trailer are the frame.
CompressedFrame compressFrame(const IndexedArea& indexed, QSize screen, const QRect& area, int delay) {
  constexpr qsizetype header = 13;  // "GIF89a" and a screen descriptor without a colour table
  constexpr qsizetype trailer = 1;
  int tableSize = 2;
  while (tableSize < int(indexed.colors.size())) tableSize *= 2;
  std::vector<GifColorType> colors = indexed.colors;
  colors.resize(std::size_t(tableSize), GifColorType{0, 0, 0});
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> table(GifMakeMapObject(tableSize, colors.data()),
                                                                   GifFreeMapObject);
  GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  GifStream gif(screen);
  if (!table) return {QByteArray(), E_GIF_ERR_NOT_ENOUGH_MEM};
  bool ok = gif.check(EGifPutExtension(gif.gif(), GRAPHICS_EXT_FUNC_CODE, 4, extension)) &&
            gif.check(EGifPutImageDesc(gif.gif(), area.left(), area.top(), area.width(), area.height(), false,
                                       table.get()));
  for (int row = 0; row < area.height() && ok; ++row)
    ok = gif.check(EGifPutLine(gif.gif(),
                               const_cast<GifByteType*>(indexed.pixels.data()) + std::size_t(row) * area.width(),
                               area.width()));
  const std::optional<QByteArray> whole = gif.close();
  if (!whole) return {QByteArray(), gif.error()};
  return {whole->sliced(header, whole->size() - header - trailer), 0};
}

// Writes an animated GIF that loops forever, each frame with its own exact
// colour table. The caller maps each frame's colours; giflib compresses the
// frames on the other cores, in parallel, while the caller draws the next,
// and they are joined in their order.
class GifWriter {
 public:
  GifWriter(QSize size, QString* why) : size_(size), why_(why), gif_(size) { putLoopForever(); }
  ~GifWriter() {
    for (QFuture<CompressedFrame>& frame : compressing_) frame.waitForFinished();
  }

  // The frame's area, held for the delay in hundredths of a second. After a
  // failure nothing more is written and finish says why.
  void putFrame(const QImage& frame, const QRect& area, int delay) {
    IndexedArea indexed;
    indexArea(frame, area, indexed);
    compressing_.push_back(QtConcurrent::run(compressFrame, std::move(indexed), size_, area, delay));
    while (compressing_.size() > std::size_t(std::max(2, QThread::idealThreadCount()))) joinFirst();
  }

  std::optional<QByteArray> finish() {
    while (!compressing_.empty()) joinFirst();
    std::optional<QByteArray> bytes = gif_.close();
    if (!bytes && why_)
      *why_ = QStringLiteral("the GIF could not be made: ") + QString::fromLatin1(GifErrorString(gif_.error()));
    return bytes;
  }

 private:
  void putLoopForever() {
    static const char application[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    gif_.check(EGifPutExtensionLeader(gif_.gif(), APPLICATION_EXT_FUNC_CODE)) &&
        gif_.check(EGifPutExtensionBlock(gif_.gif(), 11, application)) &&
        gif_.check(EGifPutExtensionBlock(gif_.gif(), 3, loop)) && gif_.check(EGifPutExtensionTrailer(gif_.gif()));
  }
  void joinFirst() {
    const CompressedFrame frame = compressing_.front().result();
    compressing_.pop_front();
    if (frame.error != 0)
      gif_.check(frame.error);
    else if (gif_.error() == 0)
      gif_.append(frame.bytes);
  }

  QSize size_;
  QString* why_;
  GifStream gif_;
  std::deque<QFuture<CompressedFrame>> compressing_;
};

// The frame as the window shows it, the Field's picture with the football
// over it, into a picture of the same size that is kept from frame to frame.
void showFrame(const FieldCanvas& canvas, std::optional<QPoint> ball, QImage& frame) {
  std::memcpy(frame.bits(), canvas.image().constBits(), std::size_t(frame.sizeInBytes()));
  if (ball) {
    QPainter painter(&frame);
    drawFootball(painter, *ball);
  }
}

// Frames written as they come: each once the next one shows what changed
// since it, so that it holds only that rectangle.
class GifSequence {
 public:
  GifSequence(QSize size, int delay, QString* why)
      : gif_(size, why), delay_(delay), pending_(size, QImage::Format_RGB32), next_(size, QImage::Format_RGB32) {}

  // The picture the next frame is drawn into.
  QImage& next() { return next_; }
  void add() {
    if (!first_) {
      gif_.putFrame(pending_, area_, delay_);
      area_ = changedArea(pending_, next_);
      if (area_.isNull()) area_ = QRect(0, 0, 1, 1);
    }
    first_ = false;
    std::swap(pending_, next_);
  }
  std::optional<QByteArray> finish(int lastDelay) {
    gif_.putFrame(pending_, area_, lastDelay);
    return gif_.finish();
  }

 private:
  GifWriter gif_;
  int delay_;
  QImage pending_;
  QImage next_;
  QRect area_ = QRect(QPoint(0, 0), pending_.size());
  bool first_ = true;
};

}  // namespace

int gifDelay(int milliseconds) { return std::max(shortestGifDelay, int(std::lround(milliseconds / 10.0))); }

std::optional<QByteArray> gifOfFrames(QSize size, int count, int delay, int lastDelay,
                                      const std::function<void(int, QImage&)>& draw, QString* why, Progress* progress) {
  if (size.isEmpty() || count < 1) {
    if (why) *why = QStringLiteral("the picture has no size");
    return std::nullopt;
  }
  GifSequence frames(size, delay, why);
  if (progress) progress->start(count);
  for (int i = 0; i < count; ++i) {
    if (progress && progress->cancelled()) {
      if (why) *why = QLatin1String(cancelledReason);
      return std::nullopt;
    }
    draw(i, frames.next());
    frames.add();
    if (progress) progress->step();
  }
  return frames.finish(lastDelay);
}

std::optional<QByteArray> animationGif(const PlayPicture& start, const RunRoles& roles, int frameWait, QString* why,
                                       Progress* progress) {
  const bool ballShown = start.roles.passing;
  if (start.look != Look::Classic)
    return gifOfFrames(
        start.size, framesOfARun() + 1, gifDelay(frameWait), lastGifFrameDelay,
        [&](int f, QImage& frame) {
          const LookFrame shown = lookFrame(start.play, roles, ballShown, f);
          QPainter painter(&frame);
          drawPlayPictureAt(painter, start, shown.standing, shown.ball);
        },
        why, progress);
  if (start.size.isEmpty()) {
    if (why) *why = QStringLiteral("the picture has no size");
    return std::nullopt;
  }
  GifSequence frames(start.size, gifDelay(frameWait), why);
  FieldCanvas canvas(start.size, fieldGreen);
  drawResetField(canvas, start.play, start.penColor);
  std::optional<QPoint> ball;
  if (const std::optional<QPointF> corner = footballStart(start.play, roles); corner && ballShown)
    ball = footballCorner(*corner);
  showFrame(canvas, ball, frames.next());
  frames.add();
  std::uint32_t penColor = start.penColor;
  if (progress) progress->start(framesOfARun());
  runAnimation(canvas, start.play, roles, penColor, [&](std::optional<QPointF> corner) {
    if (progress) progress->step();
    if (progress && progress->cancelled()) return;
    if (corner && ballShown) ball = footballCorner(*corner);
    showFrame(canvas, ball, frames.next());
    frames.add();
  });
  if (progress && progress->cancelled()) {
    if (why) *why = QLatin1String(cancelledReason);
    return std::nullopt;
  }
  return frames.finish(lastGifFrameDelay);
}
