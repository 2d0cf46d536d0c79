#include "core/animation/moment.h"

#include "core/drawing/football.h"
#include "core/drawing/looks.h"
#include "core/model/numbers.h"

#include <QPainter>

namespace {

// The flight's dotted line, stopping at the ball's edge.
void drawFlight(QPainter& painter, QLineF flight) {
  constexpr double ballReach = footballSize / 2.0 - 2;
  if (flight.length() <= ballReach) return;
  flight.setLength(flight.length() - ballReach);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(139, 69, 19), 2, Qt::DotLine, Qt::RoundCap));
  painter.drawLine(flight);
  painter.restore();
}

}  // namespace

void drawStillOfPlay(QPainter& painter, const PlayPicture& picture) {
  if (picture.look == Look::Classic) return;
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), picture.size), Qt::IntersectClip);
  drawFieldInLook(painter, picture.size, picture.play, picture.look, picture.level);
  drawPathsInLook(painter, picture.size, picture.play, picture.look, picture.marks);
  painter.restore();
}

void drawMovingOfPlay(QPainter& painter, const PlayPicture& picture, const PlayMoment& moment) {
  const std::optional<QPointF> ball =
      moment.ball && moment.ballHeld && picture.look != Look::Classic
          ? std::optional(ballBeside(*moment.ball, moment.standing.mid(1)))
          : moment.ball;
  if (picture.look != Look::Classic) {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), picture.size), Qt::IntersectClip);
    drawPlayersInLook(painter, picture.size, picture.play, &moment.standing, picture.marks);
    painter.restore();
  } else {
    // The classic Field with its players moved to where they stand.
    PlayPicture moved = picture;
    moved.roles.passing = false;
    for (qsizetype p = 1; p < moment.standing.size() && p <= maxPlayers; ++p) {
      moved.play.players[p].x = roundToInt32(moment.standing[p].x());
      moved.play.players[p].y = roundToInt32(moment.standing[p].y());
    }
    drawPlayPicture(painter, moved);
  }
  if (moment.flight) drawFlight(painter, *moment.flight);
  if (!ball) return;
  if (picture.look == Look::Classic) {
    drawFootball(painter, footballCorner(cornerOfBallAround(*ball)));
  } else {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawBall(painter, QRectF(*ball - QPointF(footballSize / 2.0, footballSize / 2.0), QSizeF(footballSize, footballSize)));
    painter.restore();
  }
}

void drawPlayMoment(QPainter& painter, const PlayPicture& picture, const PlayMoment& moment) {
  drawStillOfPlay(painter, picture);
  drawMovingOfPlay(painter, picture, moment);
}
