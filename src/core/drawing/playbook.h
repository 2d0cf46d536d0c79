#pragma once

#include "core/drawing/picture.h"
#include "core/files/playbookfolder.h"
#include "core/files/playlist.h"
#include "core/model/progress.h"

#include <QByteArray>
#include <QDate>
#include <QFont>
#include <QPageSize>
#include <QRectF>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

// A listed play as the playbook shows it: its title and its picture, or why
// its file could not be read (plainly: never the file's bytes); its category
// when it comes from a playbook folder.
struct PlaybookPlay {
  QString title;
  QString file;
  std::optional<PlayPicture> picture;
  QString why;
  QString category{};

  // What the play is called on the field: its call name, else its title.
  QString called() const;
};

// Page units (1/96 inch) in a millimetre.
inline constexpr double millimetres = 96 / 25.4;

// How tall a printed diagram's labels stand, their capitals in millimetres,
// for a cell of this width in millimetres: 2.6 in a cell 90 mm wide (4 plays
// on a page), 4.1 in one 185 mm wide (1 a page), in proportion between,
// never under 2.
double printedLabelHeight(double cellWidth);

// The font of printed pages, in pixels of 1/96 inch.
QFont pageFont(double pixels, bool bold = false);

// A date as printed pages give it: "9 December 2026".
inline QString pageDate(const QDate& date) { return date.toString(QStringLiteral("d MMMM yyyy")); }

// A printed page's head: the title bold at its left (shortened to fit), what
// the page is at its right, a rule under both.
void drawPageHead(QPainter& painter, const QRectF& head, const QString& title, const QString& what);

// The largest rectangle of the size's shape within the room, at its top and
// centred across it.
QRectF fitted(const QRectF& room, QSizeF size);

// Draws the play in the look at the largest size the room holds: its
// diagram (diagramArea) framed in the football and paper looks, its whole
// picture in the classic one; the area drawn. With a label height (the
// capitals, in millimetres) the symbols and labels are drawn that large on
// the page, whatever the scale of the field.
QRectF drawPlayIn(QPainter& painter, const QRectF& room, PlayPicture picture, Look look, Level level,
                  double labelHeight = 0);

// The plays a page can hold, and what a playbook holds unless told otherwise.
inline const QList<int> playsPerPageChoices = {1, 2, 4, 6, 9};
inline constexpr int usualPlaysPerPage = 4;

// Each play of the play list file read from its file as Reset reads it, in
// the list's order, titled by its name without the extension; none when the
// list is missing or empty, or cannot be read, and then why (a list of
// another kind, larger than the program reads).
// The entries beyond the first maxPlayListEntries are not taken: their
// titles go into leftOut.
QList<PlaybookPlay> readPlaybook(const QString& listPath, QString* why, QStringList* leftOut);

// What a play list leaves out, as a sentence: "the play list holds 102 plays:
// only the first 100 are taken, so p101.ply and p102.ply are left out"
// (the first ten named, then how many more); empty when nothing is.
QString leftOutOfPlayList(const QStringList& leftOut);

// The plays of the entries read from their files as Reset reads them, in
// their order, titled by their names without the extension.
QList<PlaybookPlay> readPlays(const QList<PlayListEntry>& entries);

// The plays of a playbook folder read from their files, in their order, with
// their categories.
QList<PlaybookPlay> readFolderPlays(const QList<FolderPlay>& plays);

// The folder's plays of the category (every play for an empty one); none,
// and why, when the folder cannot be read or has no such category.
QList<FolderPlay> folderPlaysOf(const PlaybookFolder& folder, const QString& category, QString* why);

// The playbook's plays that could not be read, one line each: the title and
// why, plainly.
QStringList unreadPlays(const QList<PlaybookPlay>& plays);

// How the playbook lays out its pages and draws its plays.
struct PlaybookLayout {
  int perPage = usualPlaysPerPage;  // one of playsPerPageChoices
  Look look = Look::Classic;
  Level level = Level::HighSchool;
  QString title{};  // the header's, with the date; no header without one
  QDate date{};
};

// Draws the playbook on the pages of the device, the plays in a grid of
// perPage with their titles under them, the title and date at the head of
// each page and "Page N of M" at its foot; a play that could not be read is
// a box saying so. In the football and paper looks each play is cropped to
// its diagram (diagramArea), its call name above it and its note under its
// title, the first page shows a legend of the line styles, and pages of 2
// and 6 plays lie landscape.
// With progress, each play is a step, and the drawing stops where it finds
// itself cancelled.
void drawPlaybook(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                  Progress* progress = nullptr);

// A PDF document of the title drawn on pages of the size; nothing when the
// progress was cancelled.
std::optional<QByteArray> pagesPdf(QPageSize paper, const QString& title,
                                   const std::function<void(QPagedPaintDevice&)>& draw, Progress* progress = nullptr);

// The playbook as an A4 PDF document; nothing when the progress was cancelled.
std::optional<QByteArray> playbookPdf(const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                                      Progress* progress = nullptr);
