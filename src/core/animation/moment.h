#pragma once

#include "core/animation/timeline.h"
#include "core/drawing/picture.h"

class QPainter;

// Draws the picture's play at the moment, in the picture's look: the field
// and the paths as they are, the players where they stand, the ball with the
// player holding it (beside him in the football and paper looks) or in flight
// with its line dotted behind it.
void drawPlayMoment(QPainter& painter, const PlayPicture& picture, const PlayMoment& moment);

// The same in two layers: what stands still while the play runs (the field
// and the paths in the football and paper looks; nothing in the classic
// look, whose paths start where its players stand), and over it what moves.
void drawStillOfPlay(QPainter& painter, const PlayPicture& picture);
void drawMovingOfPlay(QPainter& painter, const PlayPicture& picture, const PlayMoment& moment);
