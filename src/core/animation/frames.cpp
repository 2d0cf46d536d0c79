#include "core/animation/frames.h"

#include "core/drawing/canvas.h"
#include "core/drawing/playdrawing.h"
#include "core/settings/colors.h"

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
