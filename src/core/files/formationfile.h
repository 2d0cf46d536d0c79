#pragma once

#include "core/model/formation.h"

#include <QByteArray>
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

// The names of the defence formations of the folders' files, the first
// folder's first, each name once.
QStringList defenceNames(const QStringList& folders);

// The defence formation of that name in the folders (the first folder's
// first); nothing, and why, when there is none (a file of more than
// maxPlayers players is none).
std::optional<PlayerGroup> findDefence(const QStringList& folders, const QString& name, QString* why);

// Why a name the user gives a file (a formation, a play of a playbook, a
// category) cannot be used: the file system and the field reader must both
// hold it. Empty when it can.
QString givenNameRefusal(const QString& name);
