// Moxten: New, Reset and Load Play.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/drawing/playdrawing.h"
#include "core/files/playfile.h"
#include "core/settings/colors.h"

#include <QCheckBox>
#include <QLabel>

void Moxten::new_Click() {
  cancelRoute();
  const EditedPlay before = editedPlay();
  football->hide();
  // A new play carries no roles from the play before it.
  setRoleControls(quarterbackStartText, receiverStartText, false);
  playHasRoles_ = false;
  canvas().foreColor = navy;
  clearSelection();
  clearField();
  playerCount = 0;
  playFileName = untitledPlay;
  setCaption();
  clearPositions();
  clearVocabulary();
  commitStep(QStringLiteral("New Play"), before);
}

// Offers to save unsaved changes; whether the command may go on.
bool Moxten::saveChangesFirst() {
  if (isSaved != flagFalse) return true;
  if (ask({saveChangesFirstText, appTitle, Buttons::OkCancel}) != Answer::Ok) return false;
  save_Click();
  return isSaved == flagTrue;
}

// Reads the play file and draws it with every player on its starting point.
bool Moxten::resetFromFile(const QString& path, bool* hadRoles) {
  if (!takePlayFrom(path, ReadPolicy::Strict, hadRoles)) return false;
  football->setVisible(PassingPlay->isChecked());
  drawPlay(canvas(), *this, penColor);
  canvas().foreColor = penColor;
  placeFootballAsReset();
  return true;
}

void Moxten::Reset_Click() {
  if (!saveChangesFirst()) return;
  const EditedPlay before = editedPlay();
  if (resetFromFile(playFileName)) commitRead(QStringLiteral("Reset Play"), before);
}

void Moxten::ResetButton_Click() { Reset_Click(); }

// A play whose file names its roles keeps the Passing Play mark it was saved with.
void Moxten::LoadPlay_Click() {
  for (int k = 1; k <= playListCount; ++k) {
    if (plays->currentText() != playListNames[k]) continue;
    if (!saveChangesFirst()) return;
    const EditedPlay before = editedPlay();
    bool hadRoles = false;
    if (!resetFromFile(playListFiles[k], &hadRoles)) return;
    if (!hadRoles) setRoleControls(quarterbackStartText, receiverStartText, false);
    commitRead(QStringLiteral("Load Play"), before);
    return;
  }
}
