#pragma once

#include "core/model/playstate.h"

#include <QString>

#include <optional>

// The play's football vocabulary as texts: labels, route styles and the
// texts of the play, with the rules for what a play file can hold.

// A label as text, and a text as a label (the caller has checked it with
// labelRefusal).
QString labelText(const PlayerLabel& label);
PlayerLabel labelFrom(const QString& text);

// Why a text is refused, and the part of it that breaks the rule (the
// characters past the most, the leading blank, the first character it
// cannot hold), for the user to see chosen; an empty why when it is not.
struct TextRefusal {
  QString why;
  qsizetype at = 0;
  qsizetype length = 0;
};

// Why the text cannot be a label ("it is longer than 3 characters"); empty
// when it can. An empty text removes the label.
QString labelRefusal(const QString& text);
TextRefusal labelRefusalAt(const QString& text);

// Why the text cannot be a call name or note of at most `most` characters that
// the play file takes back exactly (a comma, a quote, a line end, a blank at
// its start or a character beyond ASCII); empty when it can.
QString playTextRefusal(const QString& text, int most);
TextRefusal playTextRefusalAt(const QString& text, int most);

// The words of the play file for route lines and ends, and back; nothing for
// a word the program does not know.
QString routeLineWord(RouteLine line);
QString routeEndWord(RouteEnd end);
std::optional<RouteLine> routeLineFrom(const QString& word);
std::optional<RouteEnd> routeEndFrom(const QString& word);

// A label as a play mirrored left to right calls the player: a side-bound
// label takes the other side (LT and RT, LG and RG, LE and RE, LCB and RCB,
// LLB and RLB...); any other label stays (RB is not a side of B).
QString mirroredLabel(const QString& label);

// A call as the mirrored play is called: the words for right and left
// (Right, Rt, Rip, Ray; Left, Lt, Liz, Lou) swapped whole, keeping their
// case; a call that would then not fit its length stays as it is.
QString mirroredCall(const QString& call);
