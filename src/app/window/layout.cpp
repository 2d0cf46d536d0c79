// Moxten: the layout of the Field and the tool column in window units.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/playbookdock.h"
#include "app/window/moxten.h"
#include "core/drawing/symbols.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

bool Moxten::fieldBesideDock() const {
  for (const QDockWidget* dock : {static_cast<QDockWidget*>(playbook), legality})
    if (!dock->isHidden() && !dock->isFloating()) return true;
  return false;
}

// Puts the Field into the scrolled view or back in its place in the window,
// keeping the keyboard with it.
void Moxten::showFieldScrolled(bool scrolled) {
  if ((fieldView->widget() == Field) == scrolled) return;
  const bool focused = Field->hasFocus();
  if (scrolled) {
    fieldView->setWidget(Field);
  } else {
    fieldView->takeWidget();
    Field->setParent(centralWidget());
    Field->lower();  // under the preview bar, as it was made
  }
  fieldView->setVisible(scrolled);
  Field->show();
  if (focused) Field->setFocus();
}

namespace {

// The tool column's left edge, in window units.
constexpr double toolColumnUnits = fieldWidthUnits + 20;

}  // namespace

double Moxten::fieldScaleFor(QSize own, QSize room) const {
  if (view_.look == Look::Classic) return 1;
  if (zoomToFit->isChecked())
    return own == room ? 1.0 : std::min({1.0, double(room.width()) / own.width(), double(room.height()) / own.height()});
  return chosenZoom_;
}

QList<QWidget*> Moxten::toolColumnBelowPictures() const {
  return {motion, PlayerN, movements, colorbox, Path, plays, LoadPlay,
          Quarterback, intended, PassingPlay, updateButton, AnimateButton, ResetButton};
}

int Moxten::narrowestAreaWithTools() const {
  int widest = 0;
  for (const QWidget* control : toolColumnBelowPictures()) widest = std::max(widest, control->width());
  return int(std::ceil(widest * windowUnitsWide / (windowUnitsWide - toolColumnUnits))) + 1;
}

// Lays the Field and the tool column out in window units; the controls keep
// their own sizes in pixels.
void Moxten::layoutControls() {
  const QWidget* area = centralWidget();
  const double unitX = area->width() / windowUnitsWide;
  const double unitY = area->height() / windowUnitsHigh;
  if (unitX <= 0 || unitY <= 0) return;
  const auto pixelX = [unitX](double units) { return int(std::lround(units * unitX)); };
  const auto pixelY = [unitY](double units) { return int(std::lround(units * unitY)); };
  const auto place = [&](QWidget* control, double left, double top) { control->move(pixelX(left), pixelY(top)); };

  const double fieldLeft = 10, fieldTop = 10;
  const QRect shown(QPoint(pixelX(fieldLeft), pixelY(fieldTop)),
                    QPoint(pixelX(fieldLeft + fieldWidthUnits) - 1, pixelY(fieldTop + fieldHeightUnits) - 1));
  fieldView->setGeometry(shown);
  // Beside a dock the Field keeps the width it has in the whole window; it is
  // scaled into the room left (Zoom to Fit, the football and paper looks) or
  // scrolls where the layout puts it.
  const bool beside = fieldBesideDock();
  const double wholeUnitX = width() / windowUnitsWide;
  const int wholeWidth =
      int(std::lround((fieldLeft + fieldWidthUnits) * wholeUnitX)) - int(std::lround(fieldLeft * wholeUnitX));
  const QSize own(beside ? std::max(shown.width(), wholeWidth) : shown.width(), shown.height());
  const int frame = beside ? 2 * fieldView->frameWidth() : 0;
  const double scale = fieldScaleFor(own, shown.size() - QSize(frame, frame));
  Field->setScale(scale);
  if (beside || scale != 1) {
    showFieldScrolled(true);
    Field->resize(QSize(int(std::lround(own.width() * scale)), int(std::lround(own.height() * scale))));
  } else {
    showFieldScrolled(false);
    Field->setGeometry(shown);
  }

  const double column = toolColumnUnits;
  double top = 10;
  place(Players, column, top);
  double left = column;
  for (QWidget* picture : {static_cast<QWidget*>(XBox), static_cast<QWidget*>(obox), static_cast<QWidget*>(sbox)}) {
    place(picture, left, top);
    left += picture->width() / unitX + 2;
  }
  double height = Players->height() / unitY;
  for (QWidget* control : toolColumnBelowPictures()) {
    top += height + 10;
    place(control, column, top);
    height = control->height() / unitY;
  }
  if (preview_) {
    preview_->picture.size = Field->fieldSize();
    placePreviewBar();
    showPreviewAt(preview_->at);
  }
}
