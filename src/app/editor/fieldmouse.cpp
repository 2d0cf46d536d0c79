// Moxten: the mouse press on the Field, placing players and path points.
// Every change is one undo step.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/drawing/playdrawing.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <QMenu>

#include <utility>

// Placed symbols sit this far right of and below the pointer's hot spot, in
// screen pixels: on a Field shown scaled, a player lands where the cursor
// shows him.
constexpr float placingOffset = 15;

float Moxten::placingShift() const { return float(placingOffset / Field->scale()); }

QPointF Moxten::pressLanding(QPointF at) const {
  if (editMode == PlaceDefence || editMode == PlaceOffence || editMode == PlaceCentre)
    return landing(at + QPointF(placingShift(), placingShift()));
  if (editMode == PathEntry || (editMode == None && freeTool_ == FreeTool::Route)) return landing(at);
  return at;
}

// shift: 1 when Shift is held; only the select tool looks at it.
void Moxten::Field_MouseDown(int button, int shift, float x, float y) {
  closePreview();
  const QPointF pointer(x, y);
  if (button == 2) {
    lockAnchor = platform_.pointerPos();
    mouseLockOn = mouseLockOn == flagTrue ? flagFalse : flagTrue;
    if (editMode == None) rightPressInFreeTool(pointer);
  }
  if (editMode < PathEntry) {
    x += placingShift();
    y += placingShift();
  }
  if (button != 1) return;
  mouseLockOn = flagFalse;
  mouseLockArmed = flagTrue;
  switch (editMode) {
    case PlaceDefence:
    case PlaceOffence:
    case PlaceCentre:
    case PathEntry: {
      const QPointF at = pressLanding(pointer);
      editMode == PathEntry ? addPathPoint(float(at.x()), float(at.y())) : placePlayer(float(at.x()), float(at.y()));
      break;
    }
    case None:
      switch (freeTool_) {
        case FreeTool::Select: pressInSelectTool(pointer, shift & 1); break;
        case FreeTool::Route: pressInRouteTool(pointer); break;
        case FreeTool::Formation: placeFormationAt(pointer); break;
      }
      break;
    default: break;
  }
}

// A right-click ends a route; with the select tool, on a chosen player, it
// offers the routes.
void Moxten::rightPressInFreeTool(QPointF at) {
  if (route_) return endRoute();
  if (freeTool_ != FreeTool::Select) return;
  if (const std::optional<int> p = playerAt(*this, at, playerReachInLook()); p && selection[*p])
    routesMenu->popup(Field->screenPointOf(at.toPoint()));
}

void Moxten::placePlayer(float x, float y) {
  if (playerCount >= maxPlayers) {
    refuse(QStringLiteral("A play holds at most %1 players.").arg(maxPlayers));
    return;
  }
  const EditedPlay before = editedPlay();
  const int n = playerCount + 1;
  const PlayerKind kind = editMode == PlaceDefence ? Defence : editMode == PlaceOffence ? Offence : Centre;
  playerCount = std::int16_t(n);
  players[n].kind = kind;
  isSaved = flagFalse;
  drawPlayer(canvas(), kind, n, x, y);
  players[n].x = roundToInt32(x);
  players[n].y = roundToInt32(y);
  commitStep(QStringLiteral("Place Player %1").arg(n), before);
}

void Moxten::addPathPoint(float x, float y) {
  const std::optional<int> p = playerNumberIn(PlayerN->currentText());
  if (!p) return;
  FieldCanvas& field = canvas();
  const std::uint32_t remembered = field.foreColor;
  const std::uint32_t color = colorFromName(colorbox->currentText());
  field.foreColor = color;
  players[*p].color = color;
  if (pathMovesLeft != 0) {
    const EditedPlay before = editedPlay();
    isSaved = flagFalse;
    auto& path = moves[*p];
    if (pathMovesLeft == pathMovesTotal) {
      replacingPath_ = hasPath(*this, *p);
      const PlayerRecord& player = players[*p];
      field.line(player.x, player.y, x, y);
      path[0].x = player.x;
      path[0].y = player.y;
      lastX = roundToInt32(x);
      lastY = roundToInt32(y);
      path[1].x = lastX;
      path[1].y = lastY;
      path[2].x = path[2].y = 0;
      path[3].x = path[3].y = 0;
    } else {
      const int s = pathMovesTotal - pathMovesLeft + 1;
      if (s >= 1 && s <= maxStep) {
        field.line(lastX, lastY, x, y);
        lastX = roundToInt32(x);
        lastY = roundToInt32(y);
        path[s].x = lastX;
        path[s].y = lastY;
      }
    }
    --pathMovesLeft;
    field.foreColor = remembered;
    // The lines of a replaced path go once the new one is complete.
    if (pathMovesLeft == 0 && std::exchange(replacingPath_, false)) redrawPlay();
    commitStep(QStringLiteral("Add Path Point"), before);
    return;
  }
  field.foreColor = remembered;
}
