// Moxten: how the window shows the play, the helpers that Open, Save, Reset,
// undo, the animation and the exports share: the Field cleared to its marks
// and the play drawn from its data, the play's state as an undo step holds
// it, the roles in their boxes, the football, the picture of the play.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/drawing/football.h"
#include "core/drawing/playdrawing.h"
#include "core/drawing/symbols.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// A box's text when it names a placed player: the player's number.
int placedPlayerIn(const DropDownBox* box, int playerCount) {
  const std::optional<int> p = playerNumberIn(box->currentText());
  return p && *p >= 1 && *p <= playerCount ? *p : 0;
}

}  // namespace

void Moxten::clearField() {
  closePreview();
  runFrame_.reset();
  canvas().clear();
  drawFieldMarks(canvas(), fieldWidthUnits, fieldHeightUnits);
}

EditedPlay Moxten::editedPlay() const {
  return {*this,          Quarterback->currentText(), intended->currentText(), PassingPlay->isChecked(),
          playHasRoles_,  playFileName,               pathMovesLeft,           pathMovesTotal,
          lastX,          lastY};
}

// After an undo or a redo the play is saved exactly when it is back at the
// state last saved or read.
void Moxten::restore(const EditedPlay& state, bool withFileName) {
  route_.reset();
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
    return player >= 1 && player <= placedCount() ? roleText(player) : none;
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

void Moxten::takeReadPlay(const Play& read, const std::optional<PlayRoles>& roles, const QString& fileName) {
  route_.reset();
  static_cast<Play&>(*this) = read;
  if (roles) {
    showRoles(*roles);
  } else {
    // Another play saved without roles has none: never the last play's.
    if (fileName != playFileName) setRoleControls(quarterbackStartText, receiverStartText, PassingPlay->isChecked());
    playHasRoles_ = false;
  }
  clearSelection();
  clearField();
  playFileName = fileName;
  setCaption();
}

void Moxten::showOpenedPlay(bool hadRoles) {
  if (playerCount >= 1) football->setVisible(PassingPlay->isChecked());
  if (hadRoles && PassingPlay->isChecked()) placeFootballAsReset();
  drawPlay(canvas(), *this, penColor);
}

void Moxten::placeFootballAsReset() {
  if (const std::optional<int> q = playerNumberIn(Quarterback->currentText())) placeFootballOn(*q);
}

void Moxten::placeFootballOn(int player) {
  moveFootball(cornerOfBallAround(QPointF(players[player].x, players[player].y)));
}

QRegion Moxten::moveFootball(QPointF corner) {
  QRegion area(football->geometry());
  football->move(footballCorner(corner));
  return area + football->geometry();
}

RunRoles Moxten::runRoles() const {
  return {readNumber(Quarterback->currentText()), playerNumberIn(Quarterback->currentText()),
          playerNumberIn(intended->currentText())};
}

PlayPicture Moxten::playPicture() const {
  // The football and paper looks always show the field from sideline to sideline.
  const QSize size = view_.look == Look::Classic ? Field->fieldSize() : pictureSizeFor(*this);
  return {*this, rolesInBoxes(), size, penColor, view_.look, view_.level};
}
