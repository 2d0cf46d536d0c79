#pragma once

#include "core/drawing/picture.h"
#include "core/model/progress.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// The preview as a video: the play at 1x from the snap to its end, the first
// picture held 0.5 s and the last 1 s, each frame the picture fitted into the
// frame and centred on black.
struct VideoRequest {
  PlayPicture picture;
  QSize frameSize{1920, 1080};
  int fps = 30;
};

inline const QList<int> videoRates = {30, 60};
inline constexpr int videoGifRate = 25;

// The frames a video of the play holds at its rate.
int videoFrames(const VideoRequest& request);

// Why a frame size cannot be encoded (H.264 in yuv420p wants even sides, at
// least 16 and at most 4096 pixels); empty when it can.
QString frameSizeRefusal(QSize size);

// An MP4 of H.264 in yuv420p, through FFmpeg's libraries. Nothing, and why,
// when it cannot be made; nothing when the progress was cancelled.
std::optional<QByteArray> playVideo(const VideoRequest& request, QString* why, Progress* progress = nullptr);

// An MP4 of H.264 in yuv420p of the frames the drawer draws (frame i into an
// RGB32 picture of the size), with the settings playVideo uses.
using FrameDrawer = std::function<void(int frame, QImage& picture)>;
// Frame i of the play's video at its rate, as playVideo draws it; the
// request must outlive the drawer.
FrameDrawer videoFrameDrawer(const VideoRequest& request);
std::optional<QByteArray> encodeVideo(QSize size, int fps, int count, const FrameDrawer& draw, QString* why,
                                      Progress* progress = nullptr);

// The same frames as an animated GIF at videoGifRate frames a second.
std::optional<QByteArray> playVideoGif(const VideoRequest& request, QString* why, Progress* progress = nullptr);
