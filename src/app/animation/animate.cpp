// Moxten: the animate command and its checks.
#include "app/window/moxten.h"

void Moxten::Animate_Click() {
  closePreview();
  const auto question = [this](const QString& text) { return ask({text, appTitle, Buttons::OkCancel}); };
  if (isSaved == flagFalse) {
    if (question(saveChangesFirstText) != Answer::Ok) {
      isSaved = flagFalse;
      return;
    }
    save_Click();
  }
  if (playFileName == untitledPlay) {
    if (question(QStringLiteral("You must save file before running an animation")) != Answer::Ok) return;
    save_Click();
  }
  if (playerCount == 0) {
    refuse(QStringLiteral("There is nothing to animate"));
    return;
  }
  for (int p = 1; p <= placedCount(); ++p) {
    if (moves[p][1].x == 0 && moves[p][1].y == 0) {
      refuse(QStringLiteral("There are inadequate movements on the board"));
      return;
    }
  }
  if (isSaved == flagTrue) animatePlay();
}

void Moxten::AnimateButton_Click() { Animate_Click(); }
