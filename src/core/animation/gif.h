#pragma once

#include "core/animation/run.h"
#include "core/drawing/picture.h"
#include "core/model/progress.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// GIF delays are whole hundredths of a second; viewers slow shorter ones down.
inline constexpr int shortestGifDelay = 2;
inline constexpr int lastGifFrameDelay = 150;

// The GIF delay for a frame wait in milliseconds.
int gifDelay(int milliseconds);

// An animated GIF that loops forever of count frames, each drawn by
// draw(i, picture) into a picture of the size and held for delay hundredths
// of a second, the last for lastDelay. With progress, each frame is a step,
// and a cancelled run makes nothing.
std::optional<QByteArray> gifOfFrames(QSize size, int count, int delay, int lastDelay,
                                      const std::function<void(int, QImage&)>& draw, QString* why,
                                      Progress* progress = nullptr);

// The animation as an animated GIF that loops forever: the play as Reset
// shows it, then every frame the engine draws, on a picture of its own, each
// held for the frame wait and the last for 1.5 s. Each frame holds only the
// rectangle that changed, in an exact palette of its colours. The football
// shows when the picture's roles make it a passing play.
// With progress, each frame is a step, and a cancelled run makes nothing.
std::optional<QByteArray> animationGif(const PlayPicture& start, const RunRoles& roles, int frameWait, QString* why,
                                       Progress* progress = nullptr);
