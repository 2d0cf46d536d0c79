#pragma once

#include "core/model/playstate.h"
#include "core/model/roles.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Lenient reads on past errors and reports success once the count is read;
// Strict stops at the first error and reports failure.
enum class ReadPolicy { Lenient, Strict };

// The play as the lines of a play file. After the last block come, each only
// when it differs from its default: "roles,Q,R,FLAG" when any role is set,
// "label,P,TEXT" for each labelled player, "route,P,LINE,END" for each path
// not solid with an arrow, "call,TEXT", "note,TEXT" and "ball,N". A play
// without them is written as before they were known.
QByteArray playFileText(const Play& play, const PlayRoles& roles = {});

// Why a play could not be read, twice: in full, quoting what the file holds
// where the reading stopped ("line 7: 'abc' is not a number"), for the
// window's messages; and plainly, naming the problem and where only ("line
// 7, field 2: not a number"), never the bytes found, for what is drawn on
// pictures and pages.
struct ReadFailure {
  QString why;
  QString plain;
};

// Writes the play file; a failed write leaves an existing file whole.
bool writePlayFile(const QString& path, const Play& play, const PlayRoles& roles = {}, QString* why = nullptr);

// Reads a play into players, moves and playerCount. kind and color are not
// cleared, so a player without move lines keeps its old color.
// A failed read says why, when asked (see ReadFailure), or gives the file
// system's own reason. The lines after the last block are read in any order
// once every block is read; a line that is malformed, names no placed
// player or holds a value out of range is passed over under both policies.
// The roles, when asked for, come from a roles line whose numbers lie within
// 0 to 100 (the flag -1 or 0); without one they are left unset.
bool readPlayFile(QIODevice& device, ReadPolicy policy, Play& play, ReadFailure* failure = nullptr,
                  std::optional<PlayRoles>* roles = nullptr);
bool readPlayFile(const QString& path, ReadPolicy policy, Play& play, ReadFailure* failure = nullptr,
                  std::optional<PlayRoles>* roles = nullptr);

// Evens out paths of one or two moves into three moves, so that every player
// arrives with the others: a single move is cut into thirds, and the last of
// two moves into two thirds and one third.
void synchronizePaths(Play& play);
