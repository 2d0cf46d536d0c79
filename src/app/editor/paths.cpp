// Moxten: "&Motion" and "C&reate Path".
#include "app/settings/configuration.h"
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

void Moxten::showPathControls(bool visible) {
  for (QWidget* control : {static_cast<QWidget*>(movements), static_cast<QWidget*>(PlayerN),
                           static_cast<QWidget*>(Path), static_cast<QWidget*>(colorbox)})
    control->setVisible(visible);
}

void Moxten::motion_Click() {
  colorbox->setEditText(configuration->lineColor->currentText());
  colorbox->replaceItems(colorNames());
  showPathControls(true);
  canvas().drawWidth = 2;
  unsetCursor();
  editMode = PathEntry;

  QStringList numbers;
  for (int i = 1; i <= playerCount; ++i)
    if (showall->isChecked() || (moves[i][1].x == 0 && moves[i][1].y == 0)) numbers << listNumber(i);
  PlayerN->setEditText(QStringLiteral("Player #"));
  PlayerN->replaceItems(numbers);
  movements->setEditText(QStringLiteral("# of Moves"));
  movements->replaceItems({listNumber(1), listNumber(2), listNumber(3), QStringLiteral("None")});
}

void Moxten::Path_Click() {
  const std::optional<std::int16_t> count = toInt16(readNumber(movements->currentText()));
  const std::optional<int> p = playerNumberIn(PlayerN->currentText());
  if (!count || *count < 0 || *count > maxStep) {
    pathMovesLeft = pathMovesTotal = 0;
    refuse(QStringLiteral("The number of moves must be from 0 to %1.").arg(maxStep));
    return;
  }
  if (!p) {
    pathMovesLeft = pathMovesTotal = 0;
    refuse(QStringLiteral("The player number must be from 0 to %1.").arg(maxPlayers));
    return;
  }
  const EditedPlay before = editedPlay();
  isSaved = flagFalse;
  editMode = PathEntry;
  showPathControls(false);
  pathMovesLeft = pathMovesTotal = *count;
  ylock->setChecked(false);
  xlock->setChecked(false);
  if (pathMovesLeft != 0) return;
  const bool replacing = hasPath(*this, *p);
  for (int s = 0; s <= 3; ++s) {
    moves[*p][s].x = players[*p].x;
    moves[*p][s].y = players[*p].y;
  }
  if (replacing) redrawPlay();
  commitStep(QStringLiteral("Clear Path"), before);
}
