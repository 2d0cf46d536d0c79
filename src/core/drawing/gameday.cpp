#include "core/drawing/gameday.h"

#include <QFontMetricsF>
#include <QMultiHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Page measures in units of 1/96 inch.
constexpr double inch = 96;
constexpr double sheetMargin = 0.5 * inch;
constexpr double cardGap = 0.25 * inch;  // the cut marks stand in it
constexpr double cutMark = 0.15 * inch;
constexpr double cellPad = 3;
constexpr double headHeight = 40;

const QString uncategorised = QStringLiteral("Plays");

QString categoryOf(const PlaybookPlay& play) { return play.category.isEmpty() ? uncategorised : play.category; }

double unitOf(QPagedPaintDevice& device) { return device.logicalDpiX() / inch; }

// The page's size in units.
QSizeF pageOf(QPagedPaintDevice& device) { return QSizeF(device.width(), device.height()) / unitOf(device); }

void drawCutMarks(QPainter& painter, const QRectF& card) {
  painter.setPen(QPen(Qt::black, 0.5));
  for (const QPointF corner : {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()}) {
    const double across = corner.x() == card.left() ? -1 : 1, down = corner.y() == card.top() ? -1 : 1;
    painter.drawLine(QLineF(corner + QPointF(across * 2, 0), corner + QPointF(across * (2 + cutMark), 0)));
    painter.drawLine(QLineF(corner + QPointF(0, down * 2), corner + QPointF(0, down * (2 + cutMark))));
  }
}

// How a cell's call is shortened where it does not fit: at its end; in its
// middle, keeping its end; or not at all, saying the cell is too small.
enum class Shortening { End, Middle, TooSmall };

// What a cell shows of its play: the number, the call's lines beside it or
// under it, and the diagram's room under both when the cell is large enough.
struct CellText {
  QFont bold, plain;
  double numberWidth = 0;
  bool beside = true;
  QStringList lines;
  std::optional<QRectF> diagram;
};

CellText cellText(const QRectF& cell, int number, const PlaybookPlay& play, Shortening shortening) {
  const QRectF inner = cell.adjusted(cellPad, cellPad, -cellPad, -cellPad);
  const bool diagram = play.picture && cellShowsDiagram(cell.size() / inch);
  const double size = std::clamp(cell.height() / (diagram ? 7 : 4.5), 8.0, 16.0);
  CellText text{pageFont(size, true), pageFont(size), 0, true, {}, std::nullopt};
  const QFontMetricsF metrics(text.plain);
  text.numberWidth = QFontMetricsF(text.bold).horizontalAdvance(QString::number(number)) + 4;
  const QString called = shortening == Shortening::TooSmall ? QStringLiteral("Too small: see the key") : play.called();
  const Qt::TextElideMode mode = shortening == Shortening::Middle ? Qt::ElideMiddle : Qt::ElideRight;
  const int rows = std::max(1, int(inner.height() / metrics.lineSpacing()));
  // Beside the number when it fits there; a diagram's call goes on a second
  // line beside it when it needs one, else under the number across the cell.
  text.beside = diagram || rows == 1 || metrics.horizontalAdvance(called) <= inner.width() - text.numberWidth;
  text.lines = text.beside ? linesWithin(called, metrics, inner.width() - text.numberWidth, diagram ? 2 : 1, mode)
                           : linesWithin(called, metrics, inner.width(), rows - 1, mode);
  if (diagram)
    text.diagram = inner.adjusted(0, std::max<qsizetype>(1, text.lines.size()) * metrics.lineSpacing() + 2, 0, 0);
  return text;
}

void drawWristbandCell(QPainter& painter, const QRectF& cell, int number, const PlaybookPlay& play, Level level,
                       Shortening shortening) {
  const QRectF inner = cell.adjusted(cellPad, cellPad, -cellPad, -cellPad);
  const CellText text = cellText(cell, number, play, shortening);
  const QFontMetricsF metrics(text.plain);
  painter.setPen(Qt::black);
  painter.setFont(text.bold);
  painter.drawText(QRectF(inner.topLeft(), QSizeF(text.numberWidth, metrics.height())), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(number));
  painter.setFont(text.plain);
  for (int i = 0; i < text.lines.size(); ++i) {
    const double left = text.beside ? inner.left() + text.numberWidth : inner.left();
    const double top = inner.top() + (text.beside ? i : i + 1) * metrics.lineSpacing();
    painter.drawText(QRectF(left, top, inner.right() - left, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     text.lines[i]);
  }
  if (text.diagram) drawPlayIn(painter, *text.diagram, *play.picture, Look::Paper, level);
}

// How each play's call is shortened so that no two calls read the same:
// at the end where that tells them apart, in the middle where that does, else
// the cell says it is too small.
QList<Shortening> distinctShortenings(const QList<PlaybookPlay>& plays, const QRectF& cell) {
  QList<Shortening> chosen(plays.size(), Shortening::End);
  for (const Shortening next : {Shortening::Middle, Shortening::TooSmall}) {
    QMultiHash<QStringList, qsizetype> shown;
    for (qsizetype n = 0; n < plays.size(); ++n)
      if (chosen[n] != Shortening::TooSmall) shown.insert(cellText(cell, int(n + 1), plays[n], chosen[n]).lines, n);
    for (const QStringList& lines : shown.uniqueKeys()) {
      const QList<qsizetype> same = shown.values(lines);
      for (const qsizetype n : same)
        if (std::any_of(same.begin(), same.end(), [&](qsizetype m) { return plays[m].called() != plays[n].called(); }))
          chosen[n] = next;
    }
  }
  return chosen;
}

void drawCard(QPainter& painter, const QRectF& card, const QList<PlaybookPlay>& plays,
              const QList<Shortening>& shortenings, int first, const WristbandLayout& layout) {
  const QSize grid = wristbandGrid(layout.cells);
  const QSizeF cell(card.width() / grid.width(), card.height() / grid.height());
  painter.save();
  painter.setClipRect(card.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
  for (int i = 0; i < grid.width() * grid.height() && first + i < plays.size(); ++i) {
    const QRectF at(card.topLeft() + QPointF((i % grid.width()) * cell.width(), (i / grid.width()) * cell.height()),
                    cell);
    painter.save();
    painter.setClipRect(at, Qt::IntersectClip);
    drawWristbandCell(painter, at, first + i + 1, plays[first + i], layout.level, shortenings.value(first + i));
    painter.restore();
  }
  painter.setPen(QPen(Qt::black, 0.75));
  painter.setBrush(Qt::NoBrush);
  for (int c = 1; c < grid.width(); ++c)
    painter.drawLine(QLineF(card.left() + c * cell.width(), card.top(), card.left() + c * cell.width(), card.bottom()));
  for (int r = 1; r < grid.height(); ++r)
    painter.drawLine(QLineF(card.left(), card.top() + r * cell.height(), card.right(), card.top() + r * cell.height()));
  painter.setPen(QPen(Qt::black, 1.25));
  painter.drawRect(card);
  painter.restore();
  drawCutMarks(painter, card);
}

// The coach's key: each number with its call name, play and category, in
// rows down the page, on as many pages as it takes.
void drawKey(QPagedPaintDevice& device, QPainter& painter, const QList<PlaybookPlay>& plays) {
  device.newPage();
  const QSizeF page = pageOf(device);
  const QRectF head(sheetMargin, sheetMargin, page.width() - 2 * sheetMargin, headHeight);
  const QFont plain = pageFont(13), bold = pageFont(13, true);
  const QFontMetricsF metrics(plain);
  const double row = metrics.lineSpacing() + 6;
  const int rows = std::max(1, int((page.height() - 2 * sheetMargin - headHeight - row) / row));
  const double columns[] = {0, 0.08, 0.5, 0.78, 1};  // number, call, play, category, end
  const QStringList heads = {QStringLiteral("No."), QStringLiteral("Call"), QStringLiteral("Play"),
                             QStringLiteral("Category")};
  for (int n = 0; n < plays.size(); ++n) {
    if (n > 0 && n % rows == 0) device.newPage();
    if (n % rows == 0) {
      drawPageHead(painter, head, QStringLiteral("Coach's key"), QStringLiteral("Wristband numbers"));
      painter.setFont(bold);
      for (int c = 0; c < 4; ++c)
        painter.drawText(QRectF(head.left() + columns[c] * head.width(), head.bottom() + 4, 200, row),
                         Qt::AlignLeft | Qt::AlignVCenter, heads[c]);
    }
    const double y = head.bottom() + 4 + row * (1 + n % rows);
    const QStringList cells = {QString::number(n + 1), plays[n].called(), plays[n].title, categoryOf(plays[n])};
    for (int c = 0; c < 4; ++c) {
      const double width = (columns[c + 1] - columns[c]) * head.width() - 8;
      painter.setFont(c == 0 ? bold : plain);
      painter.drawText(QRectF(head.left() + columns[c] * head.width(), y, width, row), Qt::AlignLeft | Qt::AlignVCenter,
                       metrics.elidedText(cells[c], Qt::ElideRight, width));
    }
    painter.setPen(QPen(Qt::gray, 0.5));
    painter.drawLine(QLineF(head.left(), y + row, head.right(), y + row));
    painter.setPen(Qt::black);
  }
}

// A call sheet's column: its category, then its plays' lines from the first.
struct SheetColumn {
  QString category;
  bool continued = false;
  QList<int> plays;  // indexes into the plays
};

QList<SheetColumn> sheetColumns(const QList<PlaybookPlay>& plays, int rows) {
  QList<SheetColumn> columns;
  QStringList order;
  for (const PlaybookPlay& play : plays)
    if (!order.contains(categoryOf(play))) order << categoryOf(play);
  for (const QString& category : order) {
    SheetColumn column{category, false, {}};
    for (int n = 0; n < plays.size(); ++n) {
      if (categoryOf(plays[n]) != category) continue;
      if (column.plays.size() == rows) {
        columns << column;
        column = SheetColumn{category, true, {}};
      }
      column.plays << n;
    }
    columns << column;
  }
  return columns;
}

}  // namespace

QSize wristbandGrid(int cells) {
  switch (cells) {
    case 8:
      return {4, 2};
    case 12:
      return {4, 3};
    case 20:
      return {5, 4};
    case 24:
      return {6, 4};
    default:
      return {4, 4};
  }
}

QSize cardsOnPage(QSizeF card, QSizeF page) {
  const auto fit = [](double room, double each) {
    return std::max(0, int(std::floor((room - 2 * sheetMargin / inch + cardGap / inch) / (each + cardGap / inch))));
  };
  return {fit(page.width(), card.width()), fit(page.height(), card.height())};
}

bool cellShowsDiagram(QSizeF cell) { return cell.width() >= 1.1 && cell.height() >= 0.95; }

QStringList linesWithin(const QString& text, const QFontMetricsF& metrics, double width, int lines,
                        Qt::TextElideMode shortening) {
  QStringList out;
  const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
  const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; };
  // The last line takes what is left, shortened.
  const auto last = [&](const QString& line, qsizetype from) {
    out << metrics.elidedText((QStringList{line} + words.mid(from)).join(u' ').trimmed(), shortening, width);
    return out;
  };
  QString line;
  for (qsizetype w = 0; w < words.size() && out.size() < lines; ++w) {
    const QString longer = line.isEmpty() ? words[w] : line + u' ' + words[w];
    if (fits(longer)) {
      line = longer;
      continue;
    }
    if (!line.isEmpty()) {
      if (out.size() + 1 == lines) return last(line, w);
      out << line;
      line.clear();
    }
    if (fits(words[w]))
      line = words[w];
    else if (out.size() + 1 == lines)
      return last(QString(), w);
    else
      out << metrics.elidedText(words[w], Qt::ElideRight, width);  // a word wider than a line
  }
  if (!line.isEmpty() && out.size() < lines) out << line;
  return out;
}

void drawWristband(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const WristbandLayout& asked,
                   Progress* progress) {
  WristbandLayout layout = asked;
  if (!wristbandCellChoices.contains(layout.cells)) layout.cells = wristbandCellChoices.value(2);
  const QSizeF card = wristbandCards.value(layout.card, wristbandCards.first()).inches;
  const QSizeF upright = device.pageLayout().pageSize().size(QPageSize::Inch);
  const QSizeF lying = upright.transposed();
  const QSize across = cardsOnPage(card, upright), along = cardsOnPage(card, lying);
  const bool turn = along.width() * along.height() > across.width() * across.height();
  const QSize fits = turn ? along : across;
  device.setPageOrientation(turn ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter painter(&device);
  painter.scale(unitOf(device), unitOf(device));
  const int cards = int((plays.size() + layout.cells - 1) / layout.cells);
  const int perPage = std::max(1, fits.width() * fits.height());
  // A page holds whole sets of the cards, one for each player, when a set fits.
  const int places = cards <= perPage ? perPage / std::max(1, cards) * cards : cards;
  const QSize grid = wristbandGrid(layout.cells);
  const QList<Shortening> shortenings =
      distinctShortenings(plays, QRectF(0, 0, card.width() * inch / grid.width(), card.height() * inch / grid.height()));
  if (progress) progress->start(cards);
  for (int slot = 0; slot < places; ++slot) {
    if (slot > 0 && slot % perPage == 0) device.newPage();
    if (progress && progress->cancelled()) return;
    const int k = slot % perPage;
    const QPointF corner(sheetMargin + (k % std::max(1, fits.width())) * (card.width() + cardGap / inch) * inch,
                         sheetMargin + (k / std::max(1, fits.width())) * (card.height() + cardGap / inch) * inch);
    drawCard(painter, QRectF(corner, card * inch), plays, shortenings, (slot % cards) * layout.cells, layout);
    if (progress && slot < cards) progress->step();
  }
  // The key keeps the cards' orientation: a print preview shows every page
  // in the one its printer ends with.
  if (!plays.isEmpty()) drawKey(device, painter, plays);
}

void drawCallSheet(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const QString& title,
                   const QDate& date) {
  device.setPageOrientation(QPageLayout::Landscape);
  QPainter painter(&device);
  painter.scale(unitOf(device), unitOf(device));
  const QSizeF page = pageOf(device);
  const QRectF head(sheetMargin, sheetMargin, page.width() - 2 * sheetMargin, headHeight);
  const QRectF body(head.left(), head.bottom() + 8, head.width(), page.height() - sheetMargin - head.bottom() - 8);
  constexpr double narrowest = 2.1 * inch;
  const int most = std::max(1, int(body.width() / narrowest));
  // The largest letters with which every column fits one page, and every
  // call its column when they can.
  double size = 28;
  QList<SheetColumn> columns;
  for (;; size -= 1) {
    const QFontMetricsF metrics(pageFont(size));
    const int rows = std::max(1, int(body.height() / metrics.lineSpacing()) - 1);
    columns = sheetColumns(plays, rows);
    const double room = body.width() / double(std::min<qsizetype>(most, columns.size())) - 12 -
                        QFontMetricsF(pageFont(size, true)).horizontalAdvance(QString::number(plays.size())) - 10;
    const bool callsFit = std::all_of(plays.begin(), plays.end(), [&](const PlaybookPlay& play) {
      return metrics.horizontalAdvance(play.called()) <= room;
    });
    if (size <= 14 || (columns.size() <= most && (callsFit || size <= 16))) break;
  }
  const QFont plain = pageFont(size), bold = pageFont(size, true);
  const QFontMetricsF metrics(plain), boldMetrics(bold);
  const int shown = std::min<int>(most, int(columns.size()));
  const double width = body.width() / std::max(1, shown);
  const QString sheet = QStringLiteral("Call sheet, ") + pageDate(date);
  for (int c = 0; c < columns.size(); ++c) {
    if (c % most == 0) {
      if (c > 0) device.newPage();
      drawPageHead(painter, head, title, sheet);
    }
    const SheetColumn& column = columns[c];
    const double left = body.left() + (c % most) * width, room = width - 12;
    painter.setFont(bold);
    painter.drawText(
        QRectF(left, body.top(), room, metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
        boldMetrics.elidedText(column.category + (column.continued ? QStringLiteral(" (more)") : QString()),
                               Qt::ElideRight, room));
    const double numbers = boldMetrics.horizontalAdvance(QString::number(plays.size())) + 10;
    for (int i = 0; i < column.plays.size(); ++i) {
      const int n = column.plays[i];
      const QRectF line(left, body.top() + (i + 1) * metrics.lineSpacing(), room, metrics.lineSpacing());
      painter.setFont(bold);
      painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString::number(n + 1));
      painter.setFont(plain);
      painter.drawText(line.adjusted(numbers, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       metrics.elidedText(plays[n].called(), Qt::ElideRight, room - numbers));
    }
    if (c % most > 0) {
      painter.setPen(QPen(Qt::gray, 0.75));
      painter.drawLine(QLineF(left - 6, body.top(), left - 6, body.bottom()));
      painter.setPen(Qt::black);
    }
  }
}
