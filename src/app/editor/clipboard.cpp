// Moxten: copy, cut and paste of the chosen players through the clipboard's
// text, so that players copied in one window paste into another.
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/files/formationfile.h"
#include "core/model/yards.h"

#include <QApplication>
#include <QClipboard>

void Moxten::copyPlayers_Click() {
  if (selection.none()) return;
  int first = 1;
  while (!selection[first]) ++first;
  const QPoint anchor(players[first].x, players[first].y);
  QApplication::clipboard()->setText(QString::fromLatin1(formationText(groupOf(*this, selection, anchor, true), anchor)));
}

void Moxten::cutPlayers_Click() {
  if (selection.none()) return;
  copyPlayers_Click();
  deleteChosen(QStringLiteral("Cut Players"));
}

// At the pointer when it rests on the Field, else a yard down and right of
// where the players were copied from.
void Moxten::pastePlayers_Click() {
  QString why;
  std::optional<QPoint> origin;
  const std::optional<PlayerGroup> group =
      formationFromText(QApplication::clipboard()->text().toLatin1(), &why, &origin);
  if (!group || !origin || editMode == PathEntry) return;
  const QPoint pointer = platform_.pointerPos();
  const QPoint onField = Field->fieldPointAt(pointer);
  const QWidget* under = QApplication::widgetAt(pointer);
  const bool atPointer = QRect(QPoint(0, 0), Field->fieldSize()).contains(onField) && (under == Field || Field->isAncestorOf(under));
  const QPointF anchor = atPointer ? landing(onField) : QPointF(*origin + QPoint(pixelsPerYard, pixelsPerYard));
  // The pasted players are chosen, with the select tool.
  cancelRoute();
  unsetCursor();
  editMode = None;
  freeTool_ = FreeTool::Select;
  addGroup(*group, anchor, QStringLiteral("Paste Players"));
}
