// Moxten: the select tool, dragging players and path points, the arrow keys,
// deleting, selecting all and flipping the play.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/model/numbers.h"
#include "core/model/yards.h"

#include <QCheckBox>

namespace {

QPoint wholePixels(QPointF at) { return {roundToInt32(at.x()), roundToInt32(at.y())}; }

}  // namespace

// Esc closes the preview or takes an unfinished route back first, and then
// chooses the select tool.
void Moxten::selectTool_Click() {
  if (previewShown()) return closePreview();
  if (route_) return cancelRoute();
  unsetCursor();
  editMode = None;
  freeTool_ = FreeTool::Select;
  formationToPlace_.reset();
  Field->setFocus();
  showReadout();
}

void Moxten::choose(const Selection& chosen) {
  selection = chosen;
  FieldOverlay overlay;
  for (int i = 1; i <= placedCount(); ++i)
    if (selection[i]) overlay.chosen << QPoint(players[i].x, players[i].y);
  if (drag_.kind == Drag::Band && drag_.moved) overlay.band = Field->overlay().band;
  Field->setOverlay(overlay);
}

void Moxten::selectAll_Click() {
  choose(allPlayers(*this));
  Field->setFocus();
}

// A press on a player chooses it (Shift adds or takes it out) and starts
// moving the chosen players; a press on a path point starts moving that
// point; a press on empty Field starts a rectangle.
void Moxten::pressInSelectTool(QPointF at, bool shift) {
  drag_ = Drag();
  drag_.from = wholePixels(at);
  drag_.before = editedPlay();
  drag_.shift = shift;
  if (const std::optional<int> p = playerAt(*this, at, playerReachInLook())) {
    Selection chosen = selection;
    if (shift)
      chosen.flip(std::size_t(*p));
    else if (!chosen[*p])
      chosen = Selection().set(std::size_t(*p));
    if (chosen[*p]) drag_.kind = Drag::Players;
    choose(chosen);
    return;
  }
  if (const std::optional<PathPoint> point = pathPointAt(*this, at)) {
    drag_.kind = Drag::Point;
    drag_.point = *point;
    return;
  }
  drag_.kind = Drag::Band;
}

void Moxten::Field_Drag(float x, float y) {
  if (route_ && route_->dragging) {
    // The first move of a route follows the pointer until the release.
    const QPoint at = withinField(landing(QPointF(x, y)), Field->fieldSize());
    moves[route_->player][1] = {at.x(), at.y(), 0, 0};
    redrawPlay();
    return;
  }
  if (drag_.kind == Drag::Nothing) return;
  const QPoint to = wholePixels(QPointF(x, y));
  if (!drag_.moved && to == drag_.from) return;
  drag_.moved = true;
  switch (drag_.kind) {
    case Drag::Players:
      static_cast<Play&>(*this) = drag_.before.play;
      movePlayers(*this, selection, snappedOffset(to - drag_.from), Field->fieldSize());
      break;
    case Drag::Point: {
      const auto [p, s] = drag_.point;
      const PlayerRecord& from = drag_.before.play.moves[p][s];
      const QPoint snapped = (landing(QPointF(from.x, from.y) + (to - drag_.from)) - QPointF(from.x, from.y)).toPoint();
      const QPoint offset = offsetWithinField({QPoint(from.x, from.y)}, snapped, Field->fieldSize());
      moves[p][s].x = from.x + offset.x();
      moves[p][s].y = from.y + offset.y();
      break;
    }
    case Drag::Band: {
      FieldOverlay overlay = Field->overlay();
      overlay.band = QRect(drag_.from, to);
      Field->setOverlay(overlay);
      return;
    }
    case Drag::Nothing: return;
  }
  redrawPlay();
  choose(selection);
}

void Moxten::Field_MouseUp(int button, float x, float y) {
  if (button == 1 && route_ && route_->dragging) {
    route_->dragging = false;
    moves[route_->player][1] = {};
    // A release away from the player ends the first move there.
    if (!playerAt(*this, QPointF(x, y), playerReachInLook())) pressInRouteTool(QPointF(x, y));
    redrawPlay();
    return;
  }
  if (button != 1 || drag_.kind == Drag::Nothing) return;
  const Drag done = drag_;
  drag_ = Drag();
  switch (done.kind) {
    case Drag::Players: finishEdit(QStringLiteral("Move Players"), done.before); break;
    case Drag::Point: finishEdit(QStringLiteral("Move Path Point"), done.before); break;
    case Drag::Band: {
      const Selection inside = done.moved ? playersIn(*this, Field->overlay().band) : Selection();
      choose(done.shift ? selection | inside : inside);
      break;
    }
    case Drag::Nothing: break;
  }
}

void Moxten::Field_Arrow(QPoint offset) {
  if (selection.none() || drag_.kind != Drag::Nothing) return;
  const EditedPlay before = editedPlay();
  // Snapping, a press moves half a yard across or a yard down the Field.
  if (view_.snapToYards)
    offset = snappedOffset(QPoint(offset.x() == 0 ? 0 : offset.x() > 0 ? pixelsPerYard / 2 : -pixelsPerYard / 2,
                                  offset.y() == 0 ? 0 : offset.y() > 0 ? pixelsPerYard : -pixelsPerYard));
  movePlayers(*this, selection, offset, Field->fieldSize());
  finishEdit(QStringLiteral("Move Players"), before, selection);
}

void Moxten::deletePlayers_Click() { deleteChosen(QStringLiteral("Delete Players")); }

void Moxten::deleteChosen(const QString& text) {
  if (selection.none()) return;
  const EditedPlay before = editedPlay();
  const int count = placedCount();
  const Renumbering renumbering = removePlayers(*this, selection);
  const auto follow = [&](DropDownBox* box, const QString& none) {
    const std::optional<int> p = playerNumberIn(box->currentText());
    if (!p || *p < 1 || *p > count || renumbering(*p) == *p) return box->currentText();
    return renumbering(*p) == 0 ? none : roleText(renumbering(*p));
  };
  setRoleControls(follow(Quarterback, quarterbackStartText), follow(intended, receiverStartText),
                  PassingPlay->isChecked());
  drag_ = Drag();
  clearSelection();
  finishEdit(text, before);
}

void Moxten::flipPlay_Click() {
  if (const std::optional<int> p = playerBeyondMirror(*this, Field->fieldSize())) {
    refuse(QStringLiteral("The play cannot be flipped: player %1 or his path lies beyond the left or right edge of the Field.").arg(*p));
    return;
  }
  const EditedPlay before = editedPlay();
  mirrorPlay(*this, Field->fieldSize());
  if (flipLabels->isChecked()) mirrorSides(*this);
  finishEdit(QStringLiteral("Flip Play"), before);
}
