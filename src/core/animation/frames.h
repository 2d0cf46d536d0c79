#pragma once

#include "core/model/playstate.h"

#include <QPointF>

#include <cstdint>
#include <optional>

class FieldCanvas;

// Every step of a play, and the football's flight, takes this many frames.
inline constexpr int framesPerStep = 20;

// One step of one player: from (x0, y0) by (dx, dy) to (x1, y1). The deltas
// are 64-bit, so that no two positions a file can hold overflow them.
struct StepSegment {
  std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  std::int64_t dx = 0, dy = 0;

  static StepSegment between(std::int32_t fromX, std::int32_t fromY, std::int32_t toX, std::int32_t toY) {
    return {fromX, fromY, toX, toY, std::int64_t(toX) - fromX, std::int64_t(toY) - fromY};
  }

  // The point at frame k (0 the start, framesPerStep the end).
  QPointF at(int k) const {
    return {x0 + double(dx) * k / framesPerStep, y0 + double(dy) * k / framesPerStep};
  }

  // A step whose end has a 0 coordinate is not played.
  bool played() const { return x1 != 0 && y1 != 0; }
};

// Frame k of an animation step for every player in number order: the path
// segment, the symbol of frame k - 1 erased, the symbol of frame k and the
// segment again. penColor is the engine's colour register. Answers where the
// ball's centre goes in this frame: the quarterback's point of frame k - 1,
// when the quarterback moves in this step.
std::optional<QPointF> drawFrame(FieldCanvas& canvas, const Play& play, const StepSegment* segments, int k,
                                 double quarterback, std::uint32_t& penColor);
