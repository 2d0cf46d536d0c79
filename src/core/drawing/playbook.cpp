#include "core/drawing/playbook.h"

#include "core/drawing/canvas.h"
#include "core/files/playfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Page measures in units of 1/96 inch.
constexpr double pageMargin = 48;
constexpr double footHeight = 32;
constexpr double titleHeight = 26;
constexpr double cellGap = 16;
constexpr double callHeight = 22;
constexpr double noteHeight = 40;

bool diagrams(const PlaybookLayout& layout) { return layout.look != Look::Classic; }

bool landscape(const PlaybookLayout& layout) {
  return diagrams(layout) && (layout.perPage == 2 || layout.perPage == 6);
}

// Columns and rows of the grid for a number of plays a page.
QSize gridFor(int perPage, bool wide) {
  switch (perPage) {
    case 1: return {1, 1};
    case 2: return wide ? QSize(2, 1) : QSize(1, 2);
    case 6: return wide ? QSize(3, 2) : QSize(2, 3);
    case 9: return {3, 3};
    default: return {2, 2};
  }
}

QFont pageFont(double pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  return fontAwayFromWindow(font);
}

// The play's picture (its diagram in the football and paper looks) at the
// top of its cell, scaled to the cell, with its title under it; with the call
// name above and the note under the title in those looks. A play that could
// not be read is a box of the same shape.
void drawCell(QPainter& painter, const QRectF& cell, const PlaybookPlay& play, const PlaybookLayout& layout) {
  std::optional<PlayPicture> picture = play.picture;
  if (picture) {
    picture->look = layout.look;
    picture->level = layout.level;
  }
  const QRect shown = picture && diagrams(layout) ? diagramArea(picture->play, picture->size, layout.level)
                                                  : QRect(QPoint(0, 0), picture ? picture->size : usualPictureSize);
  const bool captioned = picture && diagrams(layout);
  const double above = captioned ? callHeight : 0, below = titleHeight + (captioned ? noteHeight : 0);
  const QSizeF size = QSizeF(shown.size()).scaled(cell.size() - QSizeF(0, above + below), Qt::KeepAspectRatio);
  const QRectF area(QPointF(cell.left() + (cell.width() - size.width()) / 2, cell.top() + above), size);
  painter.setFont(pageFont(15, true));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(cell.left(), area.bottom(), cell.width(), titleHeight), Qt::AlignCenter, play.title);
  if (captioned) {
    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), callHeight), Qt::AlignCenter,
                     picture->play.call);
    painter.setFont(pageFont(12));
    painter.drawText(QRectF(cell.left(), area.bottom() + titleHeight, cell.width(), noteHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, picture->play.note);
  }
  if (!picture) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setFont(pageFont(13));
    painter.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("This play could not be read: ") + play.why + u'.');
    return;
  }
  painter.save();
  painter.setClipRect(area);
  painter.translate(area.topLeft());
  painter.scale(size.width() / shown.width(), size.height() / shown.height());
  painter.translate(-shown.topLeft());
  drawPlayPicture(painter, *picture);
  painter.restore();
  if (captioned) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
  }
}

}  // namespace

QList<PlaybookPlay> readPlaybook(const QString& listPath, QString* why) {
  QString reason;
  const std::optional<QList<PlayListEntry>> entries = readPlayList(listPath, maxPlayListEntries, &reason);
  if (!entries && QFileInfo::exists(listPath))
    *why = QStringLiteral("the play list ") + listPath + QStringLiteral(" could not be read: ") + reason;
  return readPlays(entries.value_or(QList<PlayListEntry>()));
}

QList<PlaybookPlay> readPlays(const QList<PlayListEntry>& entries) {
  QList<PlaybookPlay> plays;
  for (const PlayListEntry& entry : entries) {
    PlaybookPlay play{QFileInfo(entry.name).completeBaseName(), entry.file, std::nullopt, QString()};
    if (play.title.isEmpty()) play.title = entry.name;
    Play read;
    std::optional<PlayRoles> roles;
    ReadFailure failure;
    if (readPlayFile(entry.file, ReadPolicy::Strict, read, &failure, &roles))
      play.picture = PlayPicture{read, roles.value_or(PlayRoles()), pictureSizeFor(read), 0};
    play.why = failure.plain;
    plays << play;
  }
  return plays;
}

QStringList unreadPlays(const QList<PlaybookPlay>& plays) {
  QStringList lines;
  for (const PlaybookPlay& play : plays)
    if (!play.picture) lines << play.title + QStringLiteral(": this play could not be read: ") + play.why;
  return lines;
}

void drawPlaybook(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const PlaybookLayout& asked,
                  Progress* progress) {
  PlaybookLayout layout = asked;
  if (!playsPerPageChoices.contains(layout.perPage)) layout.perPage = usualPlaysPerPage;
  const int perPage = layout.perPage;
  device.setPageOrientation(landscape(layout) ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter painter(&device);
  const double unit = device.logicalDpiX() / 96.0;
  painter.scale(unit, unit);
  const QSizeF page(device.width() / unit, device.height() / unit);
  const QSize grid = gridFor(perPage, landscape(layout));
  const QRectF body(pageMargin, pageMargin, page.width() - 2 * pageMargin,
                    page.height() - 2 * pageMargin - footHeight);
  const QSizeF cell((body.width() - (grid.width() - 1) * cellGap) / grid.width(),
                    (body.height() - (grid.height() - 1) * cellGap) / grid.height());
  const int pages = std::max<int>(1, int((plays.size() + perPage - 1) / perPage));
  if (progress) progress->start(int(plays.size()));
  for (int p = 0; p < pages; ++p) {
    if (p > 0) device.newPage();
    for (int i = 0; i < perPage; ++i) {
      const qsizetype n = qsizetype(p) * perPage + i;
      if (n >= plays.size()) break;
      if (progress && progress->cancelled()) return;
      const QPointF corner(body.left() + (i % grid.width()) * (cell.width() + cellGap),
                           body.top() + (i / grid.width()) * (cell.height() + cellGap));
      drawCell(painter, QRectF(corner, cell), plays[n], layout);
      if (progress) progress->step();
    }
    painter.setFont(pageFont(12));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, page.height() - pageMargin - footHeight, page.width(), footHeight), Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
  }
}

std::optional<QByteArray> playbookPdf(const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                                      Progress* progress) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF());
  pdf.setTitle(QStringLiteral("Moxten playbook"));
  drawPlaybook(pdf, plays, layout, progress);
  if (progress && progress->cancelled()) return std::nullopt;
  return bytes;
}
