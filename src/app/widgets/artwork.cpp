#include "app/widgets/artwork.h"

#include "core/drawing/football.h"
#include "core/settings/colors.h"

#include <QPainter>
#include <QResource>

QPixmap toolImage(PlayerKind kind) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 2));
  switch (kind) {
    case Offence: painter.drawEllipse(QPointF(16, 16), 10, 10); break;
    case Centre: painter.drawRect(6, 6, 20, 20); break;
    case Defence:
      painter.drawLine(6, 6, 26, 26);
      painter.drawLine(6, 26, 26, 6);
      break;
  }
  return pixmap;
}

QPixmap footballImage() { return QPixmap::fromImage(footballPicture()); }

// Drawn when the program is built (titleart.cpp): the splash shows before the
// fonts are first read, which takes longer than the rest of the start.
QPixmap titleArt() {
  const QByteArray pixels = QResource(QStringLiteral(":/moxten/title.rgb32")).uncompressedData();
  if (pixels.size() != titleArtSize.width() * titleArtSize.height() * 4) {
    QPixmap none(titleArtSize);
    none.fill(Qt::black);
    return none;
  }
  return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), titleArtSize.width(),
                                   titleArtSize.height(), QImage::Format_RGB32)
                                .copy());
}
