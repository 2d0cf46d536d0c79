#include "core/drawing/playdrawing.h"

#include "core/drawing/canvas.h"
#include "core/drawing/symbols.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

namespace {

// The player's number at the text position, in white; the pen navy afterwards.
void drawNumber(FieldCanvas& canvas, int number) {
  canvas.foreColor = vbWhite;
  canvas.print(listNumber(number));
  canvas.foreColor = navy;
}

}  // namespace

void drawSymbol(FieldCanvas& canvas, std::int16_t kind, QPointF at, SymbolPixels pixels) {
  const bool whole = pixels == SymbolPixels::Whole;
  const std::int32_t x = roundToInt32(at.x()), y = roundToInt32(at.y());
  const float mouseX = float(at.x()), mouseY = float(at.y());
  switch (kind) {
    case Offence: canvas.circle(at.x(), at.y(), circleRadius); break;
    case Centre: whole ? drawSquareMark(canvas, x, y) : drawSquareMarkAtMouse(canvas, mouseX, mouseY); break;
    case Defence: whole ? drawXMark(canvas, x, y) : drawXMarkAtMouse(canvas, mouseX, mouseY); break;
    default: break;
  }
}

void drawPlayer(FieldCanvas& canvas, std::int16_t kind, int number, float x, float y) {
  const auto label = [&] {
    canvas.currentX = x - 7.0f;
    canvas.currentY = y - 7.0f;
    drawNumber(canvas, number);
  };
  const bool labelFirst = kind == Centre;
  canvas.drawWidth = 2;
  if (labelFirst) label();
  drawSymbol(canvas, kind, QPointF(x, y), SymbolPixels::Fractional);
  if (!labelFirst) label();
}

void drawPlay(FieldCanvas& canvas, const Play& play, std::uint32_t penColor) {
  FieldCanvas::Batch batch(canvas);
  const int count = play.placedCount();
  for (int i = 1; i <= count; ++i) {
    const PlayerRecord& player = play.players[i];
    canvas.currentX = double(player.x) - 7;
    canvas.currentY = double(player.y) - 7;
    drawSymbol(canvas, player.kind, QPointF(player.x, player.y), SymbolPixels::Whole);
    drawNumber(canvas, i);
  }
  for (int i = 1; i <= count; ++i) {
    for (int s = 1; s <= 3; ++s) {
      if (isTableColor(play.players[i].color)) canvas.foreColor = play.players[i].color;
      const PlayerRecord& from = play.moves[i][s - 1];
      const PlayerRecord& to = play.moves[i][s];
      if (to.x != 0 && to.y != 0) canvas.line(from.x, from.y, to.x, to.y);
    }
    canvas.foreColor = penColor;
  }
}
