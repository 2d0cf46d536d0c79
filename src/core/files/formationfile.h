#pragma once

#include "core/model/formation.h"
#include "core/model/progress.h"

#include <QByteArray>
#include <QHash>
#include <QPoint>
#include <QString>

#include <optional>

// A formation file is plain text a person can read and edit, one record a
// line, positions in yards from the ball (x to the right, y down the Field):
//   formation,Shotgun Spread 2x2
//   player,centre,0,0          (offence, centre or defence)
//   label,C                    (of the player above, when it has one)
//   route,solid,block          (its route style, when not solid to an arrow)
//   path,0,0,1.5               (its path: its colour, then up to 3 points)
// Copied players are the same text, with a first line origin,X,Y: the
// Field pixel their anchor stood on.

// The file name extension of formations, and the largest file read.
inline const QString formationExtension = QStringLiteral("formation");
inline constexpr qsizetype largestFormationFile = 64 * 1024;

QByteArray formationText(const PlayerGroup& group, std::optional<QPoint> origin = std::nullopt);

// The group the text holds, and its origin when it has one; nothing, and
// why, for a text that is not a group of at most maxPlayers players.
std::optional<PlayerGroup> formationFromText(const QByteArray& text, QString* why,
                                             std::optional<QPoint>* origin = nullptr);

// The formation of a file, named by its formation line (by the file's name
// without one); nothing, and why, for a file that is not a formation or is
// larger than largestFormationFile.
std::optional<PlayerGroup> readFormationFile(const QString& path, QString* why);

// The formation files of a folder (*.formation), by name.
QStringList formationFilesIn(const QString& folder);

// Whether every player of the group is a defender.
bool isDefence(const PlayerGroup& group);

// The saved defence formations of the folders, read once for a print of
// many: the first folder's first where two share a name, in file order; and
// for each name a formation file gives but that cannot be used (more than
// maxPlayers players, a line it cannot read), why. Reading stops when the
// progress is cancelled; it steps once a file.
struct SavedDefences {
  QList<PlayerGroup> defences;
  QHash<QString, QString> unusable;
};
SavedDefences readSavedDefences(const QStringList& folders, Progress* progress = nullptr);

// The names of the saved defences, in their order.
QStringList defenceNames(const SavedDefences& saved);

// The saved defence of that name; nothing, and why, when there is none
// ("the saved defence formation Big has too many players: ...").
std::optional<PlayerGroup> findDefence(const SavedDefences& saved, const QString& name, QString* why);

// Why a name the user gives a file (a formation, a play of a playbook, a
// category) cannot be used: the file system and the field reader must both
// hold it. Empty when it can.
QString givenNameRefusal(const QString& name);
