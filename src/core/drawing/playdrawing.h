#pragma once

#include "core/model/playstate.h"

#include <QPointF>

#include <cstdint>
#include <optional>

class FieldCanvas;

// Whether an X or a square is drawn at whole pixels (rounded, as positions
// are stored) or at the fractional pixels of a mouse press.
enum class SymbolPixels { Whole, Fractional };

// The symbol of a player's kind centred on the point, in the drawing colour:
// a circle (offence) at the point itself, a square (centre) or an X (defence);
// nothing for any other kind.
void drawSymbol(FieldCanvas& canvas, std::int16_t kind, QPointF at, SymbolPixels pixels);

// A player placed with the mouse at (x, y): its symbol at line width 2 and its
// number in white at (x - 7, y - 7), the centre's number first so that its
// square is always navy. The pen is navy afterwards.
void drawPlayer(FieldCanvas& canvas, std::int16_t kind, int number, float x, float y);

// A whole play as Open draws it: each player's symbol and then its number at
// the text position the symbol leaves (a circle leaves its centre), then the
// paths up to step 3 in their colours, the pen going to penColor after each
// player's path.
void drawPlay(FieldCanvas& canvas, const Play& play, std::uint32_t penColor);
