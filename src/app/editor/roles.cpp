// Moxten: the quarterback and receiver lists.
#include "app/widgets/controls.h"
#include "app/window/moxten.h"
#include "core/model/numbers.h"

namespace {

// Offers every player placed so far under the placeholder text.
void offerPlayers(DropDownBox* box, int playerCount, const QString& placeholder) {
  QStringList numbers;
  for (int i = 1; i <= playerCount; ++i) numbers << listNumber(i);
  box->setEditText(placeholder);
  box->replaceItems(numbers);
}

}  // namespace

void Moxten::Quarterback_DropDown() { offerPlayers(Quarterback, playerCount, quarterbackStartText); }

void Moxten::intended_DropDown() { offerPlayers(intended, playerCount, receiverStartText); }
