#pragma once

#include "core/drawing/playbook.h"

#include <QPageSize>
#include <QFontMetricsF>
#include <QSizeF>

// What goes to the field on game day: wristband cards, with the coach's key
// to them, and the call sheet. The plays are numbered 1 to N in their order,
// and a number means the same play on all three.

// The windows of the common wristbands, in inches.
struct WristbandCard {
  QString name;
  QSizeF inches;
};
inline const QList<WristbandCard> wristbandCards = {
    {QStringLiteral("4.5 x 2.75 in"), {4.5, 2.75}},
    {QStringLiteral("3.5 x 2.5 in"), {3.5, 2.5}},
    {QStringLiteral("5 x 3 in"), {5, 3}},
};
// The plays a card can hold.
inline const QList<int> wristbandCellChoices = {8, 12, 16, 20, 24};

struct WristbandLayout {
  int card = 0;    // in wristbandCards
  int cells = 16;  // one of wristbandCellChoices
  Level level = Level::HighSchool;
};

// The columns and rows of a card of so many cells (8 to 24): 8 are 4 x 2,
// 12 are 4 x 3, 16 are 4 x 4, 20 are 5 x 4, 24 are 6 x 4.
QSize wristbandGrid(int cells);

// How many cards of the size fit across and down a page of the size (both
// in inches), within its margins and with room between them for cut marks.
QSize cardsOnPage(QSizeF card, QSizeF page);

// Whether a wristband cell of the size (in inches) is large enough for a
// small diagram of its play under the number and call name.
bool cellShowsDiagram(QSizeF cell);

// The text's lines within the width, broken between words, at most the
// number of lines; what does not fit ends the last line with an ellipsis, or
// (ElideMiddle) takes the ellipsis in its middle, keeping the text's end.
QStringList linesWithin(const QString& text, const QFontMetricsF& metrics, double width, int lines,
                        Qt::TextElideMode shortening = Qt::ElideRight);

// Draws the wristband cards of the plays on the pages, turned the way more
// cards fit, as many sets of cards on the first page as it holds; each card
// a grid of numbered cells with the call name (and the diagram in Paper when
// the cell is large enough), cut marks at its corners. The coach's key
// follows on pages of its own: each number with the call name, the play's
// name and its category. With progress, each card is a step, and the
// drawing stops where it finds itself cancelled.
void drawWristband(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const WristbandLayout& layout,
                   Progress* progress = nullptr);

// Draws the call sheet on landscape pages: under the title, a column for
// each category in their order with each play's number and call name, in
// the largest letters (from 28 to 14 pixels of 1/96 inch) that fit one page
// (and, down to 16, every call its column);
// in 14 on as many as it takes when they do not.
void drawCallSheet(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const QString& title,
                   const QDate& date);
