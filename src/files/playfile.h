#pragma once

#include "model/playstate.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Lenient reads on past errors and reports success once the count is read;
// Strict stops at the first error and reports failure.
enum class ReadPolicy { Lenient, Strict };

// The play as the lines of a play file.
QByteArray playFileText(const Play& play);

// Writes the play file; a failed write leaves an existing file whole.
bool writePlayFile(const QString& path, const Play& play);

// Reads a play into players, moves and playerCount. kind and color are not
// cleared, so a player without move lines keeps its old color.
// A failed read says why, when asked: "line 7: 'abc' is not a number", or the
// file system's own reason.
bool readPlayFile(QIODevice& device, ReadPolicy policy, Play& play, QString* why = nullptr);
bool readPlayFile(const QString& path, ReadPolicy policy, Play& play, QString* why = nullptr);

// Evens out paths of one or two moves into three moves, so that every player
// arrives with the others: a single move is cut into thirds, and the last of
// two moves into two thirds and one third.
void synchronizePaths(Play& play);
