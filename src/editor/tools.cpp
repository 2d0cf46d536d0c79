#include "app/moxten.h"
#include "editor/cursorfile.h"

#include <QAction>
#include <QPixmap>

// The tool's cursor becomes the window's pointer; a cursor file that cannot
// be read leaves the pointer as it was.
void Moxten::useCursor(const QString& fileName) {
  const std::optional<CursorFile> cursor = readCursorFile(dataPath(fileName));
  if (!cursor) return;
  setCursor(QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y()));
}

void Moxten::XBox_MouseUp() {
  useCursor(QStringLiteral("x.cur"));
  editMode = PlaceDefence;
}

void Moxten::obox_Click() {
  useCursor(QStringLiteral("circle.cur"));
  editMode = PlaceOffence;
}

void Moxten::sbox_Click() {
  useCursor(QStringLiteral("square.cur"));
  editMode = PlaceCentre;
}

// Pins the pointer to the anchor's vertical or horizontal line while the lock
// is on; the first move after a left press only switches the lock on.
void Moxten::Field_MouseMove() {
  cursorPos = platform_.pointerPos();
  if (mouseLockOn == flagTrue) {
    if (xlock->isChecked()) platform_.setPointerPos(QPoint(lockAnchor.x(), cursorPos.y()));
    if (ylock->isChecked()) platform_.setPointerPos(QPoint(cursorPos.x(), lockAnchor.y()));
  }
  if (mouseLockArmed == flagTrue) {
    mouseLockOn = flagTrue;
    mouseLockArmed = flagFalse;
  }
}
