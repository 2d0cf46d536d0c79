// Moxten: undo and redo of every change of the play.
#include "app/window/moxten.h"

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

}  // namespace

void Moxten::finishEdit(const QString& text, const EditedPlay& before, std::optional<Selection> arrowRun) {
  if (editedPlay() == before) return;
  isSaved = flagFalse;
  takeLabelledQuarterback();
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
