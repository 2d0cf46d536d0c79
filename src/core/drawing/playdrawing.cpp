#include "drawing/playdrawing.h"

#include "drawing/canvas.h"
#include "drawing/symbols.h"
#include "model/numbers.h"
#include "settings/colors.h"

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

std::optional<QPointF> drawFrame(FieldCanvas& canvas, const Play& play, const StepSegment* segments, int k,
                                 double quarterback, std::uint32_t& penColor) {
  FieldCanvas::Batch batch(canvas);
  std::optional<QPointF> ball;
  const int count = play.placedCount();
  for (int p = 1; p <= count; ++p) {
    const StepSegment& step = segments[p];
    const PlayerRecord& player = play.players[p];
    penColor = player.color;
    if (isTableColor(penColor)) canvas.foreColor = penColor;
    if (!step.played()) continue;
    canvas.line(step.x0, step.y0, step.x1, step.y1);
    if (k > 1) {
      canvas.foreColor = canvas.backColor;
      drawSymbol(canvas, player.kind, step.at(k - 1), SymbolPixels::Whole);
      canvas.foreColor = penColor;
    }
    penColor = canvas.foreColor;
    if (quarterback == p) ball = step.at(k - 1);
    drawSymbol(canvas, player.kind, step.at(k), SymbolPixels::Whole);
    penColor = canvas.foreColor;
    if (isTableColor(player.color)) canvas.foreColor = player.color;
    canvas.line(step.x0, step.y0, step.x1, step.y1);
    penColor = canvas.foreColor;
  }
  return ball;
}
