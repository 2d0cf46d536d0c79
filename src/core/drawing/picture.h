#pragma once

#include "core/drawing/looks.h"
#include "core/model/playstate.h"
#include "core/model/roles.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

class FieldCanvas;
class QPainter;

// A play as Reset shows it, drawn afresh from its data: the Field's green and
// marks, the players, their numbers and paths, and the football on the
// quarterback when it is a passing play; or the same in another look.
struct PlayPicture {
  Play play;
  PlayRoles roles;
  QSize size;
  std::uint32_t penColor = 0;
  Look look = Look::Classic;
  Level level = Level::HighSchool;
  MarkScale marks{};  // the football and paper looks' symbols and labels
};

// The Field of a window maximised on a 1920 x 1200 screen.
inline const QSize usualPictureSize(1600, 980);

// No side of a picture made away from the window is longer: a play file's far
// points are drawn cut off rather than filling the memory.
inline constexpr int largestPictureSide = 4096;

// The size of a play's picture away from the window: usualPictureSize,
// larger where the play reaches beyond it, up to largestPictureSide.
QSize pictureSizeFor(const Play& play);

// The Field cleared to its marks with the play drawn on it as Reset draws it.
void drawResetField(FieldCanvas& canvas, const Play& play, std::uint32_t penColor);

// Draws the picture through the painter, in Field pixels from (0, 0). Where
// given, the players stand at these points (one for each player number) and
// the ball's centre is at ball, instead of where the play puts them (the
// football and paper looks only).
void drawPlayPicture(QPainter& painter, const PlayPicture& picture);
void drawPlayPictureAt(QPainter& painter, const PlayPicture& picture, const QList<QPointF>& standing,
                       std::optional<QPointF> ball);

// The picture as a picture of its own.
QImage playImage(const PlayPicture& picture);

// The picture file's bytes by the extension of its name: a PNG picture, or an
// SVG or PDF vector drawing. Nothing, and why, for another extension.
std::optional<QByteArray> playPictureFile(const QString& fileName, const PlayPicture& picture, QString* why);

// The vector drawings' resolution: one Field pixel is one unit of 1/96 inch.
inline constexpr int vectorDpi = 96;
