#include "core/drawing/scouting.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Page measures in units of 1/96 inch.
constexpr double margin = 48;
constexpr double headHeight = 40;
constexpr double titleHeight = 34;
constexpr double subtitleHeight = 26;
constexpr double gap = 24;

void drawDiagram(QPainter& painter, const QRectF& cell, const VersusDiagram& diagram, Look look, Level level) {
  painter.setPen(Qt::black);
  painter.setFont(pageFont(24, true));
  painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(painter.font()).elidedText(diagram.title, Qt::ElideRight, cell.width()));
  double top = cell.top() + titleHeight;
  if (!diagram.subtitle.isEmpty()) {
    painter.setFont(pageFont(18));
    painter.drawText(QRectF(cell.left(), top, cell.width(), subtitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     diagram.subtitle);
    top += subtitleHeight;
  }
  const QRectF room(cell.left(), top + 6, cell.width(), cell.bottom() - top - 6);
  drawPlayIn(painter, room, diagram.picture, look, level, printedLabelHeight(cell.width() / millimetres));
}

}  // namespace

QList<VersusDiagram> versusDiagrams(const QList<PlaybookPlay>& plays, const SavedDefences& saved, bool numbered,
                                    QStringList* skipped) {
  QList<VersusDiagram> diagrams;
  for (qsizetype n = 0; n < plays.size(); ++n) {
    const PlaybookPlay& play = plays[n];
    if (!play.picture) continue;
    for (const QString& name : play.picture->play.defences) {
      QString why;
      std::optional<PlayerGroup> defence = findDefence(saved, name, &why);
      std::optional<Play> against =
          defence ? playAgainst(play.picture->play, *defence, play.picture->size, &why) : std::nullopt;
      if (!against) {
        *skipped << play.title + QStringLiteral(": ") + name + QStringLiteral(" (") + why + u')';
        continue;
      }
      PlayPicture picture = *play.picture;
      picture.play = *against;
      picture.roles.passing = false;
      if (numbered)
        diagrams << VersusDiagram{QStringLiteral("%1  %2").arg(n + 1).arg(play.called()), QStringLiteral("vs ") + name,
                                  picture};
      else
        diagrams << VersusDiagram{play.called() + QStringLiteral(" vs ") + name, QString(), picture};
    }
  }
  return diagrams;
}

void drawVersusPages(QPagedPaintDevice& device, const QList<VersusDiagram>& diagrams, int perPage,
                     const QString& heading, const QDate& date, Look look, Level level) {
  perPage = std::clamp(perPage, 1, 2);
  device.setPageOrientation(perPage == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter painter(&device);
  const double unit = device.logicalDpiX() / 96.0;
  painter.scale(unit, unit);
  const QSizeF page(device.width() / unit, device.height() / unit);
  const QRectF head(margin, margin, page.width() - 2 * margin, headHeight);
  const double cellHeight = (page.height() - 2 * margin - headHeight - gap - (perPage - 1) * gap) / perPage;
  for (qsizetype n = 0; n < diagrams.size(); ++n) {
    const int slot = int(n % perPage);
    if (n > 0 && slot == 0) device.newPage();
    if (slot == 0) drawPageHead(painter, head.adjusted(0, 0, 0, -8), heading, pageDate(date));
    const QRectF cell(margin, head.bottom() + gap + slot * (cellHeight + gap), head.width(), cellHeight);
    drawDiagram(painter, cell, diagrams[n], look, level);
  }
}
