// Draws the title art of the splash and of About, when the program is built,
// into the file named: its RGB32 pixels row after row, which the program
// takes as they are (decoding a PNG would first look for image plugins).
#include "app/widgets/artwork.h"
#include "core/drawing/canvas.h"
#include "core/drawing/football.h"
#include "core/settings/colors.h"

#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage drawnTitleArt() {
  QImage pixmap(titleArtSize, QImage::Format_RGB32);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient grass(0, 0, 0, 216);
  grass.setColorAt(0, toQColor(fieldGreen).lighter(115));
  grass.setColorAt(1, toQColor(fieldGreen).darker(125));
  painter.fillRect(pixmap.rect(), grass);
  painter.setPen(QPen(QColor(255, 255, 255, 150), 2));
  for (int x = 36; x < 432; x += 54) painter.drawLine(x, 0, x, 216);
  painter.setPen(QPen(toQColor(yellow), 3));
  for (int y = 12; y < 216; y += 48) painter.drawLine(0, y, 24, y);

  painter.setPen(QPen(toQColor(navy), 3));
  for (int i = 0; i < 3; ++i) painter.drawEllipse(QPointF(70 + i * 34, 150), 11, 11);
  painter.drawRect(QRectF(159, 139, 22, 22));
  painter.setPen(QPen(QColor(150, 20, 20), 3));
  for (int i = 0; i < 3; ++i) {
    const QPointF c(250 + i * 40, 100 + (i % 2) * 26);
    painter.drawLine(c + QPointF(-10, -10), c + QPointF(10, 10));
    painter.drawLine(c + QPointF(-10, 10), c + QPointF(10, -10));
  }
  QPainterPath route;
  route.moveTo(70, 138);
  route.cubicTo(80, 80, 200, 60, 360, 70);
  painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(route);
  drawBall(painter, QRectF(352, 52, 40, 40));

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(54);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(0, 0, 0, 110));
  painter.drawText(QRectF(3, 3, 432, 80), Qt::AlignCenter, QStringLiteral("Moxten"));
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 0, 432, 80), Qt::AlignCenter, QStringLiteral("Moxten"));
  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(14);
  painter.setFont(subtitle);
  painter.drawText(QRectF(0, 184, 432, 24), Qt::AlignCenter, QStringLiteral("Design the play. Watch it run."));
  return pixmap;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: moxten-title-art OUT.rgb32\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);
  const QImage art = drawnTitleArt();
  QFile out(QString::fromLocal8Bit(argv[1]));
  const auto bytes = qsizetype(art.sizeInBytes());
  return out.open(QIODevice::WriteOnly) && out.write(reinterpret_cast<const char*>(art.constBits()), bytes) == bytes ? 0 : 1;
}
