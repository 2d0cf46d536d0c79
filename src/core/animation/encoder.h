#pragma once

#include "core/animation/video.h"

// The H.264 writer is a module of its own, loaded the first time a video is
// made: FFmpeg's libraries, and the hundred they bring, are not loaded when
// the program starts. The module's one symbol gives its encodeVideo.
using VideoEncoder = std::optional<QByteArray> (*)(QSize size, int fps, int count, const FrameDrawer& draw,
                                                   QString* why, Progress* progress);
inline constexpr const char* videoEncoderSymbol = "moxten_video_encoder";
