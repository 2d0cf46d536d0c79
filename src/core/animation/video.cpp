#include "core/animation/video.h"

#include "core/animation/gif.h"
#include "core/animation/moment.h"
#include "core/animation/encoder.h"
#include "core/animation/timeline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr int smallestSide = 16;
constexpr int largestSide = 4096;

// Frame i of a video at the rate: the play at 1x after the first hold,
// fitted into the frame and centred on black.
class VideoFrames {
 public:
  VideoFrames(const VideoRequest& request, int fps)
      : request_(request), fps_(fps), timeline_(timelineOf(request.picture.play, request.picture.roles)),
        still_(request.frameSize, QImage::Format_RGB32) {
    still_.fill(Qt::black);
    QPainter painter(&still_);
    fitPicture(painter);
    drawStillOfPlay(painter, request_.picture);
  }

  int count() const { return int(std::ceil((heldAtStart + timeline_.length + heldAtEnd) * fps_)); }

  // The still field is drawn once; each frame starts from a copy of it.
  void draw(int i, QImage& frame) const {
    if (frame.size() == still_.size() && frame.format() == still_.format())
      std::memcpy(frame.bits(), still_.constBits(), std::size_t(still_.sizeInBytes()));
    else
      frame = still_;
    QPainter painter(&frame);
    fitPicture(painter);
    const double t = std::clamp(double(i) / fps_ - heldAtStart, 0.0, timeline_.length);
    drawMovingOfPlay(painter, request_.picture, playAt(request_.picture.play, timeline_, t));
  }

 private:
  // The picture fitted into the frame and centred, clipped to its own size.
  void fitPicture(QPainter& painter) const {
    const QSize source = request_.picture.size;
    const QSizeF fitted = QSizeF(source).scaled(still_.size(), Qt::KeepAspectRatio);
    painter.translate((still_.width() - fitted.width()) / 2, (still_.height() - fitted.height()) / 2);
    painter.scale(fitted.width() / source.width(), fitted.height() / source.height());
    painter.setClipRect(QRect(QPoint(0, 0), source));
  }

  const VideoRequest& request_;
  int fps_;
  Timeline timeline_;
  QImage still_;
};

// The encoder's module, loaded once: from the library folder of an installed
// copy, from beside the program, or from the build folder above a test program.
std::pair<VideoEncoder, QString> loadEncoder() {
  const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  QString failure = QStringLiteral(MOXTEN_VIDEO_MODULE " was not found beside the program");
  for (const QString& folder :
       {program + QStringLiteral("/" MOXTEN_INSTALLED_MODULES), program, program + QStringLiteral("/..")}) {
    const QString path = QDir::cleanPath(folder + QStringLiteral("/" MOXTEN_VIDEO_MODULE));
    if (!QFileInfo::exists(path)) continue;
    QLibrary module(path);
    if (const auto find = reinterpret_cast<VideoEncoder (*)()>(module.resolve(videoEncoderSymbol)))
      return {find(), QString()};
    failure = module.errorString();
  }
  return {nullptr, QStringLiteral("the video could not be made: its writer could not be loaded: ") + failure};
}

}  // namespace

int videoFrames(const VideoRequest& request) { return VideoFrames(request, request.fps).count(); }

QString frameSizeRefusal(QSize size) {
  if (size.width() % 2 || size.height() % 2) return QStringLiteral("the frame's width and height must be even");
  if (size.width() < smallestSide || size.height() < smallestSide || size.width() > largestSide ||
      size.height() > largestSide)
    return QStringLiteral("the frame's sides must be %1 to %2 pixels").arg(smallestSide).arg(largestSide);
  return {};
}

std::optional<QByteArray> playVideo(const VideoRequest& request, QString* why, Progress* progress) {
  if (const QString refusal = frameSizeRefusal(request.frameSize); !refusal.isEmpty()) {
    *why = refusal;
    return std::nullopt;
  }
  return encodeVideo(request.frameSize, request.fps, videoFrames(request), videoFrameDrawer(request), why, progress);
}

FrameDrawer videoFrameDrawer(const VideoRequest& request) {
  return [frames = std::make_shared<const VideoFrames>(request, request.fps)](int i, QImage& frame) {
    frames->draw(i, frame);
  };
}

std::optional<QByteArray> encodeVideo(QSize size, int fps, int count, const FrameDrawer& draw, QString* why,
                                      Progress* progress) {
  static const std::pair<VideoEncoder, QString> encoder = loadEncoder();
  if (!encoder.first) {
    *why = encoder.second;
    return std::nullopt;
  }
  return encoder.first(size, fps, count, draw, why, progress);
}

std::optional<QByteArray> playVideoGif(const VideoRequest& request, QString* why, Progress* progress) {
  const VideoFrames frames(request, videoGifRate);
  return gifOfFrames(
      request.frameSize, frames.count(), 100 / videoGifRate, 100 / videoGifRate,
      [&frames](int i, QImage& frame) { frames.draw(i, frame); }, why, progress);
}
