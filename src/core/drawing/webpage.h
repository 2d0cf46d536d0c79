#pragma once

#include "core/drawing/playbook.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One HTML file that shows plays and plays them on any phone, offline: the
// field and players as inline SVG drawn by a small script from each play's
// data, in the look; each player's run and the pass as the timeline gives
// them (a point for each moment he reaches a point of his path, in between
// a straight line at his speed), so the page stands everyone where the
// preview does at every moment. Play and pause, a time slider, and with
// several plays a list with a search of names and calls. The address's
// fragment may choose a play and a moment: #play=2&t=1.5 (plays counted
// from 1, seconds after the snap). Plays that could not be read are left out.
QByteArray playPage(const QList<PlaybookPlay>& plays, const QString& title, Look look, Level level);
