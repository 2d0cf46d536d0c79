#pragma once

#include "core/drawing/looks.h"
#include "core/model/playstate.h"
#include "core/model/roles.h"

#include <QList>
#include <QString>

// The offence as drawn, checked against the rule book of a level. The line
// of scrimmage is the centre's y. A player within half a yard of it is on
// the line; one a yard or more behind it is a back, and so is the
// quarterback directly behind the centre (within a yard to the side and a
// yard and a half deep), who takes the snap hand to hand; anyone else is not
// clearly on or off the line, and counts neither way. The eligible
// receivers are the two ends of the line and the backs, but never the
// centre or a player labelled as a lineman (C, G, T, LG, RG, LT, RT).
struct RuleWarning {
  QList<int> players;  // the players it is about; none for the offence as a whole
  QString rule;        // what the rule says and how the play breaks it
};

// The warning as a sentence: "The intended receiver, player 5 (RT), is not an
// eligible receiver."
QString ruleSentence(const RuleWarning& warning);

// How far beyond the line an ineligible player may be when the ball is
// thrown, in yards: 2 at high school, 3 in college, 1 in the pros. It
// matters only for a pass caught beyond the line.
double ineligibleDownfield(Level level);

// Every rule the play breaks: eleven at most on offence, each player not
// clearly on or off the line, seven at least on the line, four at most in
// the backfield, ineligible players downfield at the throw, the intended
// receiver; in that order and then by player. Nothing for a play without a
// centre, whose line is unknown.
QList<RuleWarning> checkLegality(const Play& play, const PlayRoles& roles, Level level);

// What the drawing gets wrong, which no rule book covers: each player whose
// route ends beyond a sideline, or beyond an end line where the play says
// where the ball is; by player.
QList<RuleWarning> drawingWarnings(const Play& play);
