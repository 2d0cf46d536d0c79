#include "core/drawing/playbook.h"

#include "core/drawing/canvas.h"
#include "core/files/playfile.h"
#include "core/model/legality.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <limits>

namespace {

// Page measures in units of 1/96 inch.
constexpr double pageMargin = 48;
constexpr double footHeight = 32;
constexpr double titleHeight = 26;
constexpr double cellGap = 16;
constexpr double callHeight = 22;
constexpr double noteHeight = 40;
constexpr double headHeight = 40;
constexpr double legendHeight = 52;

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

// The play (its diagram in the football and paper looks) at the top of its
// cell, with its title under it; with the call name above and the note under
// the title in those looks. A play that could not be read is a box of the
// same shape.
void drawCell(QPainter& painter, const QRectF& cell, const PlaybookPlay& play, const PlaybookLayout& layout) {
  const bool captioned = play.picture && diagrams(layout);
  const double above = captioned ? callHeight : 0, below = titleHeight + (captioned ? noteHeight : 0);
  const QRectF room = cell.adjusted(0, above, 0, -below);
  const QRectF area = play.picture ? drawPlayIn(painter, room, *play.picture, layout.look, layout.level,
                                                printedLabelHeight(cell.width() / millimetres))
                                   : fitted(room, usualPictureSize);
  if (play.picture && !checkLegality(play.picture->play, play.picture->roles, layout.level).isEmpty())
    drawRuleMark(painter, area.topRight() + QPointF(-3, 3), 4 * millimetres);
  painter.setFont(pageFont(15, true));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(cell.left(), area.bottom(), cell.width(), titleHeight), Qt::AlignCenter, play.title);
  if (captioned) {
    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), callHeight), Qt::AlignCenter,
                     play.picture->play.call);
    painter.setFont(pageFont(12));
    painter.drawText(QRectF(cell.left(), area.bottom() + titleHeight, cell.width(), noteHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, play.picture->play.note);
  }
  if (!play.picture) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setFont(pageFont(13));
    painter.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("This play could not be read: ") + play.why + u'.');
  }
}

// A row of players with what their lines mean, drawn as the plays are, as
// large as the strip holds them side by side (at most 0.6 of the field's size).
void drawLegend(QPainter& painter, const QRectF& strip, Look look) {
  struct Sample {
    std::int16_t kind;
    const char* label;
    RouteStyle style;
    const char* meaning;
  };
  const Sample samples[] = {
      {Offence, "X", {RouteLine::Solid, RouteEnd::Arrow}, "Route"},
      {Offence, "H", {RouteLine::Dashed, RouteEnd::Arrow}, "Motion or option"},
      {Offence, "LT", {RouteLine::Solid, RouteEnd::Block}, "Block"},
      {Centre, "C", {RouteLine::Solid, RouteEnd::None}, "Centre"},
      {Defence, "LB", {RouteLine::Dashed, RouteEnd::Arrow}, "Defence"},
  };
  constexpr double reach = 120, beforeText = 10;  // field pixels
  constexpr double gap = 24;                      // page units between samples
  const QFont font = pageFont(12);
  const QFontMetricsF metrics(font);
  const auto drawn = [&](const Sample& sample) {  // field pixels of the symbol and its path
    return 2.0 * lookSymbolReach + (sample.style.end == RouteEnd::None ? 0 : reach) + beforeText;
  };
  double symbols = 0, texts = 0;
  for (const Sample& sample : samples) {
    symbols += drawn(sample);
    texts += metrics.horizontalAdvance(QLatin1String(sample.meaning)) + gap;
  }
  const double scale = std::clamp((strip.width() - texts) / symbols, 0.05, 0.6);
  Play legend;
  legend.playerCount = int(std::size(samples));
  QList<double> textLefts;
  double left = 0;  // page units from the strip's left
  for (int i = 1; i <= legend.playerCount; ++i) {
    const Sample& sample = samples[i - 1];
    const int x = int((left / scale) + lookSymbolReach), y = int(strip.height() / 2 / scale);
    legend.players[i] = {x, y, sample.kind, vbBlack};
    legend.moves[i][0] = legend.players[i];
    if (sample.style.end != RouteEnd::None) legend.moves[i][1] = {x + int(reach), y, sample.kind, 0};
    legend.labels[i] = labelFrom(QLatin1String(sample.label));
    legend.routes[i] = sample.style;
    left += drawn(sample) * scale;
    textLefts << left;
    left += metrics.horizontalAdvance(QLatin1String(sample.meaning)) + gap;
  }
  painter.save();
  painter.setClipRect(strip, Qt::IntersectClip);  // never over the plays
  painter.translate(strip.topLeft());
  painter.scale(scale, scale);
  drawPlayInLook(painter, (strip.size() / scale).toSize(), legend, look);
  painter.restore();
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int i = 0; i < legend.playerCount; ++i)
    painter.drawText(QRectF(strip.left() + textLefts[i], strip.top(), strip.right() - strip.left() - textLefts[i],
                            strip.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(samples[i].meaning));
}

}  // namespace

double printedLabelHeight(double cellWidth) { return std::clamp(2.6 + (cellWidth - 90) * 1.5 / 95, 2.0, 4.1); }

QFont pageFont(double pixels, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  return fontAwayFromWindow(font);
}

void drawPageHead(QPainter& painter, const QRectF& head, const QString& title, const QString& what) {
  painter.setPen(Qt::black);
  painter.setFont(pageFont(13));
  const double whatWidth = QFontMetricsF(painter.font()).horizontalAdvance(what) + 16;
  painter.drawText(head, Qt::AlignRight | Qt::AlignVCenter, what);
  painter.setFont(pageFont(20, true));
  painter.drawText(head.adjusted(0, 0, -whatWidth, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(painter.font()).elidedText(title, Qt::ElideRight, head.width() - whatWidth));
  painter.drawLine(QLineF(head.bottomLeft(), head.bottomRight()));
}

QRectF fitted(const QRectF& room, QSizeF size) {
  const QSizeF scaled = size.scaled(room.size(), Qt::KeepAspectRatio);
  return {QPointF(room.left() + (room.width() - scaled.width()) / 2, room.top()), scaled};
}

QRectF drawPlayIn(QPainter& painter, const QRectF& room, PlayPicture picture, Look look, Level level, double labelHeight) {
  picture.look = look;
  picture.level = level;
  const bool diagram = look != Look::Classic;
  const QRect shown = diagram ? diagramArea(picture.play, picture.size, level) : QRect(QPoint(0, 0), picture.size);
  const QRectF area = fitted(room, shown.size());
  if (labelHeight > 0 && !area.isEmpty()) {
    // Labels of that height in the page's units, whatever the field's scale;
    // the symbols grow less, the label narrowed to fit where they crowd.
    const double label = labelHeight * millimetres / (labelCapHeight() * area.width() / shown.width());
    picture.marks = {symbolScaleForSpacing(picture.play, std::max(1.0, label * 0.8)), std::max(1.0, label)};
  }
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.translate(area.topLeft());
  painter.scale(area.width() / shown.width(), area.height() / shown.height());
  painter.translate(-shown.topLeft());
  drawPlayPicture(painter, picture);
  painter.restore();
  if (diagram) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
  }
  return area;
}

QString PlaybookPlay::called() const { return picture && !picture->play.call.isEmpty() ? picture->play.call : title; }

QList<PlaybookPlay> readPlaybook(const QString& listPath, QString* why, QStringList* leftOut) {
  QString reason;
  std::optional<QList<PlayListEntry>> entries =
      readPlayList(listPath, std::numeric_limits<qsizetype>::max(), &reason);
  if (!entries && QFileInfo::exists(listPath))
    *why = QStringLiteral("the play list ") + listPath + QStringLiteral(" could not be read: ") + reason;
  if (entries && entries->size() > maxPlayListEntries) {
    for (qsizetype k = maxPlayListEntries; k < entries->size(); ++k) *leftOut << (*entries)[k].name;
    entries->resize(maxPlayListEntries);
  }
  return readPlays(entries.value_or(QList<PlayListEntry>()));
}

QString leftOutOfPlayList(const QStringList& leftOut) {
  if (leftOut.isEmpty()) return {};
  constexpr qsizetype named = 10;
  QStringList names = leftOut.mid(0, named);
  QString last = names.takeLast();
  if (leftOut.size() > named) {
    names << last;
    last = QStringLiteral("%1 more").arg(leftOut.size() - named);
  }
  return QStringLiteral("the play list holds %1 plays: only the first %2 are taken, so ")
             .arg(leftOut.size() + maxPlayListEntries)
             .arg(maxPlayListEntries) +
         (names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last) +
         (leftOut.size() == 1 ? QStringLiteral(" is left out") : QStringLiteral(" are left out"));
}

namespace {

PlaybookPlay readPlaybookPlay(const QString& title, const QString& file, const QString& category) {
  PlaybookPlay play{title, file, std::nullopt, QString(), category};
  Play read;
  std::optional<PlayRoles> roles;
  ReadFailure failure;
  if (readPlayFile(file, ReadPolicy::Strict, read, &failure, &roles))
    play.picture = PlayPicture{read, roles.value_or(PlayRoles()), pictureSizeFor(read), 0};
  play.why = failure.plain;
  return play;
}

}  // namespace

QList<PlaybookPlay> readPlays(const QList<PlayListEntry>& entries) {
  QList<PlaybookPlay> plays;
  for (const PlayListEntry& entry : entries) {
    const QString title = QFileInfo(entry.name).completeBaseName();
    plays << readPlaybookPlay(title.isEmpty() ? entry.name : title, entry.file, QString());
  }
  return plays;
}

QList<PlaybookPlay> readFolderPlays(const QList<FolderPlay>& folderPlays) {
  QList<PlaybookPlay> plays;
  for (const FolderPlay& play : folderPlays) plays << readPlaybookPlay(play.name, play.path, play.category);
  return plays;
}

QList<FolderPlay> folderPlaysOf(const PlaybookFolder& folder, const QString& category, QString* why) {
  if (!folder.why.isEmpty()) {
    *why = folder.why;
    return {};
  }
  if (!category.isEmpty() && !folder.categories.contains(category)) {
    *why = QStringLiteral("the playbook ") + folder.root + QStringLiteral(" has no category ") + category;
    return {};
  }
  QList<FolderPlay> plays;
  for (const FolderPlay& play : folder.plays)
    if (category.isEmpty() || play.category == category) plays << play;
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
  const bool headed = !layout.title.isEmpty();
  const QRectF head(pageMargin, pageMargin, page.width() - 2 * pageMargin, headed ? headHeight : 0);
  const int pages = std::max<int>(1, int((plays.size() + perPage - 1) / perPage));
  if (progress) progress->start(int(plays.size()));
  for (int p = 0; p < pages; ++p) {
    if (p > 0) device.newPage();
    if (headed) drawPageHead(painter, head.adjusted(0, 0, 0, -8), layout.title, pageDate(layout.date));
    QRectF body(head.bottomLeft(), QPointF(head.right(), page.height() - pageMargin - footHeight));
    if (p == 0 && diagrams(layout)) {
      drawLegend(painter, QRectF(body.topLeft(), QSizeF(body.width(), legendHeight)), layout.look);
      body.setTop(body.top() + legendHeight + cellGap / 2);
    }
    const QSizeF cell((body.width() - (grid.width() - 1) * cellGap) / grid.width(),
                      (body.height() - (grid.height() - 1) * cellGap) / grid.height());
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

std::optional<QByteArray> pagesPdf(QPageSize paper, const QString& title,
                                   const std::function<void(QPagedPaintDevice&)>& draw, Progress* progress) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageSize(paper);
  pdf.setPageMargins(QMarginsF());
  pdf.setTitle(title);
  draw(pdf);
  if (progress && progress->cancelled()) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> playbookPdf(const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                                      Progress* progress) {
  return pagesPdf(
      QPageSize(QPageSize::A4), QStringLiteral("Moxten playbook"),
      [&](QPagedPaintDevice& pages) { drawPlaybook(pages, plays, layout, progress); }, progress);
}
