// Moxten: the layout of the Field and the tool column in window units.
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/drawing/symbols.h"

#include <QCheckBox>
#include <QPushButton>

#include <cmath>

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
  Field->setGeometry(pixelX(fieldLeft), pixelY(fieldTop), pixelX(fieldLeft + fieldWidthUnits) - pixelX(fieldLeft),
                     pixelY(fieldTop + fieldHeightUnits) - pixelY(fieldTop));

  const double column = fieldWidthUnits + 20;
  double top = 10;
  place(Players, column, top);
  double left = column;
  for (QWidget* picture : {static_cast<QWidget*>(XBox), static_cast<QWidget*>(obox), static_cast<QWidget*>(sbox)}) {
    place(picture, left, top);
    left += picture->width() / unitX + 2;
  }
  double height = Players->height() / unitY;
  QWidget* const columnBelow[] = {motion, PlayerN, movements, colorbox, Path, plays, LoadPlay,
                                  Quarterback, intended, PassingPlay, updateButton, AnimateButton, ResetButton};
  for (QWidget* control : columnBelow) {
    top += height + 10;
    place(control, column, top);
    height = control->height() / unitY;
  }
  if (preview_) {
    preview_->picture.size = Field->size();
    placePreviewBar();
    showPreviewAt(preview_->at);
  }
}
