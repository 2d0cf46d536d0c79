// Moxten: undo and redo of every change of the play.
#include "app/controls.h"
#include "app/moxten.h"
#include "drawing/fieldbox.h"
#include "drawing/playdrawing.h"
#include "model/numbers.h"
#include "settings/colors.h"

#include <QCheckBox>
#include <QLabel>
#include <QUndoStack>

#include <utility>

namespace {

// One change of the play: the state before and after it. The change is made
// by its command's handler before the step is pushed, so the first redo,
// which the stack runs at the push, does nothing.
class PlayStep : public QUndoCommand {
 public:
  PlayStep(Moxten& window, const QString& text, EditedPlay before, EditedPlay after, std::optional<Selection> arrowRun)
      : QUndoCommand(text),
        window_(window),
        before_(std::move(before)),
        after_(std::move(after)),
        arrowRun_(arrowRun) {}

  // The arrow presses that move one selection in a row are one step.
  int id() const override { return arrowRun_ ? 1 : -1; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const PlayStep*>(other);
    if (next->arrowRun_ != arrowRun_ || next->before_ != after_) return false;
    after_ = next->after_;
    return true;
  }

  // Open, Load Play and New name another file; an edit keeps the name the
  // play has, whatever Save named it since.
  bool changesFile() const { return before_.fileName != after_.fileName; }

  void undo() override { window_.restore(before_, changesFile()); }
  void redo() override {
    if (!std::exchange(pushed_, false)) window_.restore(after_, changesFile());
  }

 private:
  Moxten& window_;
  EditedPlay before_;
  EditedPlay after_;
  std::optional<Selection> arrowRun_;
  bool pushed_ = true;
};

// A box's text when it names a placed player: the player's number.
int placedPlayerIn(const DropDownBox* box, int playerCount) {
  const std::optional<int> p = playerNumberIn(box->currentText());
  return p && *p >= 1 && *p <= playerCount ? *p : 0;
}

}  // namespace

EditedPlay Moxten::editedPlay() const {
  return {*this,          Quarterback->currentText(), intended->currentText(), PassingPlay->isChecked(),
          playHasRoles_,  playFileName,               pathMovesLeft,           pathMovesTotal,
          lastX,          lastY};
}

void Moxten::finishEdit(const QString& text, const EditedPlay& before, std::optional<Selection> arrowRun) {
  if (editedPlay() == before) return;
  isSaved = flagFalse;
  redrawPlay();
  choose(selection);
  commitStep(text, before, arrowRun);
}

void Moxten::commitStep(const QString& text, const EditedPlay& before, std::optional<Selection> arrowRun) {
  EditedPlay after = editedPlay();
  if (after == before) return;
  pushingStep_ = true;
  undoStack->push(new PlayStep(*this, text, before, std::move(after), arrowRun));
  pushingStep_ = false;
}

void Moxten::commitRead(const QString& text, const EditedPlay& before) {
  commitStep(text, before);
  undoStack->setClean();
}

// After an undo or a redo the play is saved exactly when it is back at the
// state last saved or read.
void Moxten::restore(const EditedPlay& state, bool withFileName) {
  static_cast<Play&>(*this) = state.play;
  setRoleControls(state.quarterback, state.receiver, state.passing);
  playHasRoles_ = state.hasRoles;
  if (withFileName) {
    playFileName = state.fileName;
    setCaption();
  }
  pathMovesLeft = state.pathMovesLeft;
  pathMovesTotal = state.pathMovesTotal;
  lastX = state.lastX;
  lastY = state.lastY;
  drag_ = Drag();
  football->setVisible(PassingPlay->isChecked());
  redrawPlay();
  choose(selection & allPlayers(*this));
}

void Moxten::redrawPlay() {
  clearField();
  drawPlay(canvas(), *this, penColor);
  canvas().foreColor = navy;
  if (const int q = placedPlayerIn(Quarterback, placedCount()); q != 0 && !football->isHidden()) placeFootballOn(q);
}

PlayRoles Moxten::rolesInBoxes() const {
  return {placedPlayerIn(Quarterback, placedCount()), placedPlayerIn(intended, placedCount()), PassingPlay->isChecked()};
}

PlayRoles Moxten::rolesOfPlay() const { return playHasRoles_ ? rolesInBoxes() : PlayRoles(); }

// A role that names no placed player shows the box's starting text.
void Moxten::showRoles(const PlayRoles& roles) {
  const auto shown = [this](int player, const QString& none) {
    return player >= 1 && player <= placedCount() ? listNumber(player) : none;
  };
  setRoleControls(shown(roles.quarterback, quarterbackStartText), shown(roles.receiver, receiverStartText),
                  roles.passing);
  playHasRoles_ = true;
}

void Moxten::setRoleControls(const QString& quarterback, const QString& receiver, bool passing) {
  settingRoles_ = true;
  Quarterback->setEditText(quarterback);
  intended->setEditText(receiver);
  PassingPlay->setChecked(passing);
  settingRoles_ = false;
}
