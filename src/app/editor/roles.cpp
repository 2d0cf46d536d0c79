// Moxten: the quarterback and receiver lists.
#include "app/widgets/controls.h"
#include "app/window/moxten.h"
#include "core/model/numbers.h"
#include "core/model/vocabulary.h"

// Offers the offence placed so far (defenders do not throw or catch the
// offence's pass), each with its label, under the placeholder text.
void Moxten::offerPasser(DropDownBox* box, const QString& placeholder) {
  QStringList players;
  for (int i = 1; i <= placedCount(); ++i)
    if (this->players[i].kind != Defence) players << roleText(i);
  box->setEditText(placeholder);
  box->replaceItems(players);
}

void Moxten::Quarterback_DropDown() { offerPasser(Quarterback, quarterbackStartText); }

void Moxten::intended_DropDown() { offerPasser(intended, receiverStartText); }

QString Moxten::roleText(int player) const {
  const QString label = isPlayerNumber(player) ? labelText(labels[player]) : QString();
  return label.isEmpty() ? listNumber(player) : listNumber(player) + u' ' + label;
}

// A new play takes the offence's player labelled QB as its quarterback,
// unless the coach has set its roles.
void Moxten::takeLabelledQuarterback() {
  if (playFileName != untitledPlay || playHasRoles_) return;
  for (int i = 1; i <= placedCount(); ++i)
    if (players[i].kind != Defence && labelText(labels[i]) == QStringLiteral("QB")) {
      Quarterback->setEditText(roleText(i));  // as if the coach had picked him
      return;
    }
}
