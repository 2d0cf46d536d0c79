// Moxten: Player Properties and Play Properties.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/properties.h"
#include "app/window/moxten.h"
#include "core/model/vocabulary.h"

#include <QComboBox>
#include <QList>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include <algorithm>

namespace {

// The value when every one of the values is the same; nothing when they differ.
template <typename Value>
std::optional<Value> shared(const QList<Value>& values) {
  if (values.isEmpty() || std::any_of(values.begin(), values.end(), [&](const Value& v) { return v != values.front(); }))
    return std::nullopt;
  return values.front();
}

}  // namespace

void Moxten::playerProperties_Click() {
  if (showChosenPlayers()) bringToFront(playerPropertiesDialog);
}

bool Moxten::showChosenPlayers() {
  QList<QString> labelsShown;
  QList<int> lines, ends;
  QList<double> speedsShown;
  for (int i = 1; i <= placedCount(); ++i) {
    if (!selection[i]) continue;
    labelsShown << labelText(labels[i]);
    lines << int(routes[i].line);
    ends << int(routes[i].end);
    speedsShown << speeds[i];
  }
  if (labelsShown.isEmpty()) return false;
  playerPropertiesDialog->showPlayers({shared(labelsShown), shared(lines), shared(ends), shared(speedsShown)});
  return true;
}

// Applies the fields the coach changed to every chosen player, one undo step;
// each player keeps his own value of the others.
bool Moxten::applyPlayerProperties() {
  const ShownPlayers changes = playerPropertiesDialog->changed();
  if (changes.label)
    if (const TextRefusal refusal = labelRefusalAt(*changes.label); !refusal.why.isEmpty()) {
      refuse(QStringLiteral("The label ") + *changes.label + QStringLiteral(" cannot be used: ") + refusal.why + u'.');
      chooseRefusedPart(playerPropertiesDialog->labelEdit, refusal);
      return false;
    }
  const EditedPlay before = editedPlay();
  for (int i = 1; i <= placedCount(); ++i) {
    if (!selection[i]) continue;
    if (changes.label) labels[i] = labelFrom(*changes.label);
    if (changes.line) routes[i].line = RouteLine(*changes.line);
    if (changes.end) routes[i].end = RouteEnd(*changes.end);
    if (changes.speed) speeds[i] = timingOf(*changes.speed, slowestPlayer, fastestPlayer);
  }
  finishEdit(QStringLiteral("Player Properties"), before);
  showChosenPlayers();  // what is applied is what the dialog now shows
  return true;
}

// After a refusal the keys go back to the field that holds the text, with
// the part that breaks the rule chosen.
void Moxten::chooseRefusedPart(QLineEdit* edit, const TextRefusal& refusal) {
  edit->window()->activateWindow();
  edit->setFocus(Qt::OtherFocusReason);
  edit->setSelection(int(refusal.at), int(refusal.length));
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
  for (const auto& [what, edit, most] : {std::tuple(QStringLiteral("call name"), playPropertiesDialog->callEdit, maxCallLength),
                                         std::tuple(QStringLiteral("note"), playPropertiesDialog->noteEdit, maxNoteLength)})
    if (const TextRefusal refusal = playTextRefusalAt(edit->text(), most); !refusal.why.isEmpty()) {
      refuse(QStringLiteral("The play file cannot keep this ") + what + QStringLiteral(": ") + refusal.why + u'.');
      chooseRefusedPart(edit, refusal);
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
