// Moxten: the select tool, dragging players and path points, the arrow keys,
// deleting, selecting all and flipping the play.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/model/numbers.h"

#include <QCheckBox>

namespace {

QPoint wholePixels(QPointF at) { return {roundToInt32(at.x()), roundToInt32(at.y())}; }

}  // namespace

void Moxten::selectTool_Click() {
  unsetCursor();
  editMode = None;
  Field->setFocus();
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
  if (drag_.kind == Drag::Nothing) return;
  const QPoint to = wholePixels(QPointF(x, y));
  if (!drag_.moved && to == drag_.from) return;
  drag_.moved = true;
  switch (drag_.kind) {
    case Drag::Players:
      static_cast<Play&>(*this) = drag_.before.play;
      movePlayers(*this, selection, to - drag_.from, Field->size());
      break;
    case Drag::Point: {
      const auto [p, s] = drag_.point;
      const PlayerRecord& from = drag_.before.play.moves[p][s];
      const QPoint offset = offsetWithinField({QPoint(from.x, from.y)}, to - drag_.from, Field->size());
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

void Moxten::Field_MouseUp(int button, float, float) {
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
  movePlayers(*this, selection, offset, Field->size());
  finishEdit(QStringLiteral("Move Players"), before, selection);
}

void Moxten::deletePlayers_Click() {
  if (selection.none()) return;
  const EditedPlay before = editedPlay();
  const int count = placedCount();
  const Renumbering renumbering = removePlayers(*this, selection);
  const auto follow = [&](DropDownBox* box, const QString& none) {
    const std::optional<int> p = playerNumberIn(box->currentText());
    if (!p || *p < 1 || *p > count || renumbering(*p) == *p) return box->currentText();
    return renumbering(*p) == 0 ? none : listNumber(renumbering(*p));
  };
  setRoleControls(follow(Quarterback, quarterbackStartText), follow(intended, receiverStartText),
                  PassingPlay->isChecked());
  drag_ = Drag();
  clearSelection();
  finishEdit(QStringLiteral("Delete Players"), before);
}

void Moxten::flipPlay_Click() {
  if (const std::optional<int> p = playerBeyondMirror(*this, Field->size())) {
    refuse(QStringLiteral("The play cannot be flipped: player %1 or his path lies beyond the left or right edge of the Field.").arg(*p));
    return;
  }
  const EditedPlay before = editedPlay();
  mirrorPlay(*this, Field->size());
  finishEdit(QStringLiteral("Flip Play"), before);
}
