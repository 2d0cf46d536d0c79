// Moxten: Player Properties and Play Properties.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/properties.h"
#include "app/window/moxten.h"
#include "core/model/vocabulary.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

void Moxten::playerProperties_Click() {
  int first = 0;
  for (int i = placedCount(); i >= 1; --i)
    if (selection[i]) first = i;
  if (first == 0) return;
  playerPropertiesDialog->labelEdit->setText(labelText(labels[first]));
  playerPropertiesDialog->routeLine->setCurrentIndex(int(routes[first].line));
  playerPropertiesDialog->routeEnd->setCurrentIndex(int(routes[first].end));
  playerPropertiesDialog->speedBox->setValue(speeds[first]);
  bringToFront(playerPropertiesDialog);
}

bool Moxten::applyPlayerProperties() {
  const QString label = playerPropertiesDialog->labelEdit->text();
  if (const QString why = labelRefusal(label); !why.isEmpty()) {
    refuse(QStringLiteral("The label ") + label + QStringLiteral(" cannot be used: ") + why + u'.');
    return false;
  }
  const EditedPlay before = editedPlay();
  const RouteStyle style{RouteLine(playerPropertiesDialog->routeLine->currentIndex()),
                         RouteEnd(playerPropertiesDialog->routeEnd->currentIndex())};
  for (int i = 1; i <= placedCount(); ++i) {
    if (!selection[i]) continue;
    labels[i] = labelFrom(label);
    routes[i] = style;
    speeds[i] = timingOf(playerPropertiesDialog->speedBox, slowestPlayer, fastestPlayer);
  }
  finishEdit(QStringLiteral("Player Properties"), before);
  return true;
}

void Moxten::playProperties_Click() {
  playPropertiesDialog->callEdit->setText(call);
  playPropertiesDialog->noteEdit->setText(note);
  playPropertiesDialog->ballOn->setValue(ballOn);
  playPropertiesDialog->throwTime->setValue(throwTime);
  playPropertiesDialog->ballSpeed->setValue(ballSpeed);
  bringToFront(playPropertiesDialog);
}

bool Moxten::applyPlayProperties() {
  const QString newCall = playPropertiesDialog->callEdit->text(), newNote = playPropertiesDialog->noteEdit->text();
  for (const auto& [what, text, most] : {std::tuple(QStringLiteral("call name"), newCall, maxCallLength),
                                         std::tuple(QStringLiteral("note"), newNote, maxNoteLength)})
    if (const QString why = playTextRefusal(text, most); !why.isEmpty()) {
      refuse(QStringLiteral("The play file cannot keep this ") + what + QStringLiteral(": ") + why + u'.');
      return false;
    }
  const EditedPlay before = editedPlay();
  call = newCall;
  note = newNote;
  ballOn = std::int16_t(playPropertiesDialog->ballOn->value());
  throwTime = timingOf(playPropertiesDialog->throwTime, earliestThrow, latestThrow);
  ballSpeed = timingOf(playPropertiesDialog->ballSpeed, slowestBall, fastestBall);
  finishEdit(QStringLiteral("Play Properties"), before);
  return true;
}

void Moxten::Field_DoubleClick(float x, float y) {
  if (editMode != None) return;
  if (freeTool_ == FreeTool::Route) return endRoute();
  if (freeTool_ != FreeTool::Select || !playerAt(*this, QPointF(x, y), playerReachInLook())) return;
  playerProperties_Click();
}
