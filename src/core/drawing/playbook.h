#pragma once

#include "core/drawing/picture.h"
#include "core/files/playlist.h"
#include "core/model/progress.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// A listed play as the playbook shows it: its title and its picture, or why
// its file could not be read (plainly: never the file's bytes).
struct PlaybookPlay {
  QString title;
  QString file;
  std::optional<PlayPicture> picture;
  QString why;
};

// The plays a page can hold, and what a playbook holds unless told otherwise.
inline const QList<int> playsPerPageChoices = {1, 2, 4, 6, 9};
inline constexpr int usualPlaysPerPage = 4;

// Each play of the play list file read from its file as Reset reads it, in
// the list's order, titled by its name without the extension; none when the
// list is missing or empty, or cannot be read, and then why (a list of
// another kind, larger than the program reads).
QList<PlaybookPlay> readPlaybook(const QString& listPath, QString* why);

// The plays of the entries read from their files as Reset reads them, in
// their order, titled by their names without the extension.
QList<PlaybookPlay> readPlays(const QList<PlayListEntry>& entries);

// The playbook's plays that could not be read, one line each: the title and
// why, plainly.
QStringList unreadPlays(const QList<PlaybookPlay>& plays);

// How the playbook lays out its pages and draws its plays.
struct PlaybookLayout {
  int perPage = usualPlaysPerPage;  // one of playsPerPageChoices
  Look look = Look::Classic;
  Level level = Level::HighSchool;
};

// Draws the playbook on the pages of the device, the plays in a grid of
// perPage with their titles under them, the page numbers at the foot; a play
// that could not be read is a box saying so. In the football and paper looks
// each play is cropped to its diagram (diagramArea), its call name above it
// and its note under its title, and pages of 2 and 6 plays lie landscape.
// With progress, each play is a step, and the drawing stops where it finds
// itself cancelled.
void drawPlaybook(QPagedPaintDevice& device, const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                  Progress* progress = nullptr);

// The playbook as a PDF document; nothing when the progress was cancelled.
std::optional<QByteArray> playbookPdf(const QList<PlaybookPlay>& plays, const PlaybookLayout& layout,
                                      Progress* progress = nullptr);
