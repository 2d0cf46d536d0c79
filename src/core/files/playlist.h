#pragma once

#include <QList>
#include <QString>

#include "core/model/playstate.h"

#include <optional>

class QIODevice;

struct PlayListEntry {
  QString name;
  QString file;
};

// The play list's file name in the data folder.
inline const QString playListFileName = QStringLiteral("plays.ini");

// The longest title or path of a play list entry.
inline constexpr qsizetype maxPlayListText = 4 * 1024;

// The entries of a play list file, at most the given number. The reading
// stops at the first bad record: one cut short by the end of the file, or
// whose title or path is longer than maxPlayListText.
QList<PlayListEntry> readPlayList(QIODevice& device, qsizetype most = maxPlayListEntries);

// The entries of the play list file; nothing when it is missing, not a
// regular file or larger than the program reads, and then why, when asked.
std::optional<QList<PlayListEntry>> readPlayList(const QString& listPath, qsizetype most = maxPlayListEntries,
                                                 QString* why = nullptr);

// Why the play list could not hold this path and its title as an entry that
// reads back the same ("a file name or folder with a comma in it"); empty
// when it can.
QString playListRefusal(const QString& path);

// The play list line of an entry: "title,path" and a line end.
QByteArray playListLine(const QString& title, const QString& playPath);

// Appends "title,path" and a line end to the play list file, after a line end
// of its own when the file does not end with one. Either the whole line
// reaches the disk or the file is cut back to what it held.
bool appendPlayListLine(const QString& listPath, const QString& title, const QString& playPath);

// The play list's bytes with every entry of the play file `from` (its path
// written as it was saved) naming the file `to` instead, under its title,
// or left out when the list cannot hold `to` (playListRefusal); the other
// lines are kept byte for byte.
QByteArray playListWithMovedPlay(const QByteArray& list, const QString& from, const QString& to);

// Rewrites the play list file so that its entries of a play that was moved
// or renamed follow it; whether the file is as it should be (a list without
// such an entry is left untouched), and in changed whether it held one.
bool followMovedPlay(const QString& listPath, const QString& from, const QString& to, bool* changed = nullptr);

// The file-name part of a path, after its last separator ("\" or "/").
QString playTitle(const QString& path);
