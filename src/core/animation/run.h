#pragma once

#include "core/model/playstate.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class FieldCanvas;

// Who passes and who receives in a run: the quarterback's number as the
// frames compare it (the value of its box's text), and the two players'
// numbers where they lie within 0 to 100.
struct RunRoles {
  double quarterbackValue = 0;
  std::optional<int> quarterback;
  std::optional<int> receiver;
};

// The roles a play file names, as a run takes them: a role that names no
// placed player is no role, as in the window.
RunRoles runRolesOf(const Play& play, int quarterback, int receiver);

// The wait after each frame for the speed setting's text, in milliseconds:
// its number rounded, within 0 to 999.
int frameWaitFor(const QString& speed);

// Where the football's top-left corner starts: centred on the quarterback.
std::optional<QPointF> footballStart(const Play& play, const RunRoles& roles);

// The frames of every run: three steps and the ball's flight.
int framesOfARun();

// Draws every frame of the animation on the canvas: three steps of
// framesPerStep frames for all players, then the ball's flight from the
// quarterback's last step to the receiver's. After each frame, frameDone is
// told where the ball's top-left corner went in it, or nothing when it did
// not move. penColor is the engine's colour register.
void runAnimation(FieldCanvas& canvas, const Play& play, const RunRoles& roles, std::uint32_t& penColor,
                  const std::function<void(std::optional<QPointF> ballCorner)>& frameDone);

// A frame of the run as the football and paper looks draw it: where each
// player stands (one point for each player number) and the ball's centre,
// when it shows.
struct LookFrame {
  QList<QPointF> standing;
  std::optional<QPointF> ball;
};

// Frame f of the run (0 the start, framesOfARun() the end): the players on
// their steps as the engine moves them, the ball beside the quarterback and
// then in flight from beside his last point to beside the receiver's, on a
// passing play (ballShown).
LookFrame lookFrame(const Play& play, const RunRoles& roles, bool ballShown, int frame);
