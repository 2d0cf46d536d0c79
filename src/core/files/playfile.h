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

// The play as the lines of a play file, with a last line "roles,q,r,flag"
// when any role is set.
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
bool writePlayFile(const QString& path, const Play& play, const PlayRoles& roles = {});

// Reads a play into players, moves and playerCount. kind and color are not
// cleared, so a player without move lines keeps its old color.
// A failed read says why, when asked (see ReadFailure), or gives the file
// system's own reason. The roles, when asked for, are read from a whole
// roles line after the last block whose numbers lie within 0 to 100 (the
// flag -1 or 0); any other end of the file leaves them unset.
bool readPlayFile(QIODevice& device, ReadPolicy policy, Play& play, ReadFailure* failure = nullptr,
                  std::optional<PlayRoles>* roles = nullptr);
bool readPlayFile(const QString& path, ReadPolicy policy, Play& play, ReadFailure* failure = nullptr,
                  std::optional<PlayRoles>* roles = nullptr);

// Evens out paths of one or two moves into three moves, so that every player
// arrives with the others: a single move is cut into thirds, and the last of
// two moves into two thirds and one third.
void synchronizePaths(Play& play);
