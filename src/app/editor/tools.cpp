// Moxten: the placement tools, their cursors and the pointer pinning of the locks.
#include "app/window/moxten.h"
#include "core/editor/cursorfile.h"

#include <QAction>
#include <QPixmap>

// The tool's cursor becomes the window's pointer; a cursor file that cannot
// be read gives the standard arrow, never the symbol of another tool.
void Moxten::useCursor(const QString& fileName) {
  const std::optional<CursorFile> cursor = readCursorFile(sharedDataPath(platform_, fileName));
  if (!cursor) {
    unsetCursor();
    return;
  }
  setCursor(QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y()));
}

void Moxten::XBox_MouseUp() {
  cancelRoute();
  useCursor(QStringLiteral("x.cur"));
  editMode = PlaceDefence;
}

void Moxten::obox_Click() {
  cancelRoute();
  useCursor(QStringLiteral("circle.cur"));
  editMode = PlaceOffence;
}

void Moxten::sbox_Click() {
  cancelRoute();
  useCursor(QStringLiteral("square.cur"));
  editMode = PlaceCentre;
}

// Pins the pointer to the anchor's vertical or horizontal line while the lock
// is on; the first move after a left press only switches the lock on. With
// both items marked the horizontal line wins: y is pinned and x follows. The
// pointer is moved once, and only when it is not on the line already, since
// a move of the pointer comes back as a mouse move.
void Moxten::Field_MouseMove() {
  cursorPos = platform_.pointerPos();
  showReadout();
  if (mouseLockOn == flagTrue) {
    QPoint pinned = cursorPos;
    if (xlock->isChecked()) pinned = QPoint(lockAnchor.x(), cursorPos.y());
    if (ylock->isChecked()) pinned = QPoint(cursorPos.x(), lockAnchor.y());
    if (pinned != cursorPos) platform_.setPointerPos(pinned);
  }
  if (mouseLockArmed == flagTrue) {
    mouseLockOn = flagTrue;
    mouseLockArmed = flagFalse;
  }
}
