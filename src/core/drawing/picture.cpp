#include "core/drawing/picture.h"

#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/drawing/playdrawing.h"
#include "core/drawing/symbols.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// Room around the furthest point of a play.
constexpr int marginBeyondPlay = 40;

template <typename Paint>
QByteArray written(Paint paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  paint(buffer);
  return bytes;
}

// The play's few flat colours make a PNG picture with a colour table: smaller,
// and quicker to write. Qt builds the table exactly when the picture holds
// fewer than 256 colours; a picture with more keeps all of its colours.
QImage pngPicture(const QImage& image) {
  QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  return indexed.colorCount() < 256 ? indexed : image;
}

}  // namespace

QSize pictureSizeFor(const Play& play) {
  QSize size = usualPictureSize;
  for (int i = 1; i <= play.placedCount(); ++i)
    for (int s = 0; s <= maxStep; ++s) {
      const PlayerRecord& point = s == 0 ? play.players[i] : play.moves[i][s];
      if (point.x > 0 && point.y > 0)
        size = size.expandedTo(QSize(std::min(point.x, largestPictureSide - marginBeyondPlay) + marginBeyondPlay,
                                     std::min(point.y, largestPictureSide - marginBeyondPlay) + marginBeyondPlay));
    }
  return size;
}

void drawResetField(FieldCanvas& canvas, const Play& play, std::uint32_t penColor) {
  canvas.clear();
  drawFieldMarks(canvas, fieldWidthUnits, fieldHeightUnits);
  drawPlay(canvas, play, penColor);
}

namespace {

// The passer of a passing play that names a placed quarterback.
std::optional<int> passer(const PlayPicture& picture) {
  const int q = picture.roles.quarterback;
  if (picture.roles.passing && q >= 1 && q <= picture.play.placedCount()) return q;
  return std::nullopt;
}

void drawLookPicture(QPainter& painter, const PlayPicture& picture, const QList<QPointF>* standing,
                     std::optional<QPointF> ball) {
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), picture.size), Qt::IntersectClip);
  drawFieldInLook(painter, picture.size, picture.play, picture.look, picture.level);
  drawPlayInLook(painter, picture.size, picture.play, picture.look, standing, picture.marks);
  if (ball && QRectF(QPointF(0, 0), picture.size).adjusted(-footballSize, -footballSize, footballSize, footballSize).contains(*ball)) {
    painter.setRenderHint(QPainter::Antialiasing);
    drawBall(painter, QRectF(*ball - QPointF(footballSize / 2.0, footballSize / 2.0), QSizeF(footballSize, footballSize)));
  }
  painter.restore();
}

}  // namespace

void drawPlayPictureAt(QPainter& painter, const PlayPicture& picture, const QList<QPointF>& standing,
                       std::optional<QPointF> ball) {
  drawLookPicture(painter, picture, &standing, ball);
}

void drawPlayPicture(QPainter& painter, const PlayPicture& picture) {
  const std::optional<int> q = passer(picture);
  if (picture.look != Look::Classic) {
    const PlayerRecord* thrower = q ? &picture.play.players[*q] : nullptr;
    return drawLookPicture(
        painter, picture, nullptr,
        thrower ? std::optional(ballBeside(QPointF(thrower->x, thrower->y), standingOf(picture.play), picture.marks.symbol))
                : std::nullopt);
  }
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), picture.size), Qt::IntersectClip);
  FieldCanvas canvas(painter, picture.size, fieldGreen);
  drawResetField(canvas, picture.play, picture.penColor);
  painter.restore();
  // Unclipped, the ball is drawn to the same pixels as the window's football.
  if (q)
    drawFootball(painter,
                 footballCorner(cornerOfBallAround(QPointF(picture.play.players[*q].x, picture.play.players[*q].y))));
}

QImage playImage(const PlayPicture& picture) {
  QImage image(picture.size, QImage::Format_RGB32);
  QPainter painter(&image);
  drawPlayPicture(painter, picture);
  return image;
}

std::optional<QByteArray> playPictureFile(const QString& fileName, const PlayPicture& picture, QString* why) {
  const QString extension = QFileInfo(fileName).suffix().toLower();
  if (extension == QStringLiteral("png"))
    return written([&](QBuffer& buffer) { pngPicture(playImage(picture)).save(&buffer, "PNG"); });
  if (extension == QStringLiteral("svg"))
    return written([&](QBuffer& buffer) {
      QSvgGenerator svg;
      svg.setOutputDevice(&buffer);
      svg.setResolution(vectorDpi);
      svg.setSize(picture.size);
      svg.setViewBox(QRect(QPoint(0, 0), picture.size));
      svg.setTitle(QStringLiteral("Moxten play"));
      QPainter painter(&svg);
      drawPlayPicture(painter, picture);
    });
  if (extension == QStringLiteral("pdf"))
    return written([&](QBuffer& buffer) {
      QPdfWriter pdf(&buffer);
      pdf.setResolution(vectorDpi);
      pdf.setPageSize(QPageSize(QSizeF(picture.size) * 72.0 / vectorDpi, QPageSize::Point));
      pdf.setPageMargins(QMarginsF());
      QPainter painter(&pdf);
      drawPlayPicture(painter, picture);
    });
  if (why) *why = QStringLiteral("the file name must end in .png, .svg or .pdf");
  return std::nullopt;
}
