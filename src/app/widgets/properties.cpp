#include "app/widgets/properties.h"

#include "core/model/playstate.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

PropertiesDialog::PropertiesDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(new QFormLayout);
  buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("buttons"));
  buttons->setAccessibleName(QStringLiteral("Dialog buttons"));
  buttons->button(QDialogButtonBox::Apply)->setObjectName(QStringLiteral("apply"));
  layout->addWidget(buttons);
  connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] {
    bool applied = false;
    emit applyRequested(&applied);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    bool applied = false;
    emit applyRequested(&applied);
    if (applied) hide();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::hide);
}

void PropertiesDialog::addField(const QString& label, QWidget* field) {
  static_cast<QFormLayout*>(layout()->itemAt(0)->layout())->addRow(label, field);
  if (!fields_.isEmpty()) setTabOrder(fields_.last(), field);
  setTabOrder(field, buttons);
  fields_ << field;
}

void PropertiesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!fields_.isEmpty()) fields_.first()->setFocus();
}

namespace {

template <typename Field>
Field* named(Field* field, const char* name) {
  field->setObjectName(QLatin1String(name));
  return field;
}

}  // namespace

namespace {

const QString byLabel = QStringLiteral("By label");

// A box of 0 (shown as its special text) and of low to high, which its tip says.
void timingBox(QDoubleSpinBox* box, double low, double high, double step, const QString& unset, const QString& unit,
               const QString& what) {
  box->setToolTip(QStringLiteral("%1, %2 to %3").arg(what).arg(low).arg(high));
  box->setRange(0, high);
  box->setSingleStep(step);
  box->setDecimals(1);
  box->setSpecialValueText(unset);
  box->setSuffix(unit);
}

}  // namespace

PlayerProperties::PlayerProperties(QWidget* parent)
    : PropertiesDialog(QStringLiteral("Player Properties"), parent),
      labelEdit(named(new QLineEdit(this), "labelEdit")),
      routeLine(named(new QComboBox(this), "routeLine")),
      routeEnd(named(new QComboBox(this), "routeEnd")),
      speedBox(named(new QDoubleSpinBox(this), "speedBox")) {
  setObjectName(QStringLiteral("PlayerProperties"));
  labelEdit->setToolTip(QStringLiteral("Up to 3 letters, digits, \"-\" or \"/\": QB, X, LT, CB"));
  routeLine->addItems({QStringLiteral("Solid"), QStringLiteral("Dashed")});
  routeEnd->addItems({QStringLiteral("Arrow"), QStringLiteral("Block"), QStringLiteral("None")});
  addField(QStringLiteral("&Label:"), labelEdit);
  addField(QStringLiteral("Route l&ine:"), routeLine);
  addField(QStringLiteral("Route &end:"), routeEnd);
  timingBox(speedBox, slowestPlayer, fastestPlayer, 0.5, byLabel, QStringLiteral(" yd/s"),
            QStringLiteral("Yards a second"));
  addField(QStringLiteral("&Speed:"), speedBox);
}

namespace {

const QString several = QStringLiteral("(several)");

}  // namespace

void PlayerProperties::showPlayers(const ShownPlayers& shown) {
  shown_ = shown;
  labelEdit->setText(shown.label.value_or(QString()));
  labelEdit->setPlaceholderText(shown.label ? QString() : several);
  routeLine->setCurrentIndex(shown.line.value_or(-1));
  routeEnd->setCurrentIndex(shown.end.value_or(-1));
  // A step below the box's range stands "(several)", until the coach picks a speed.
  const double unshared = -speedBox->singleStep();
  speedBox->setMinimum(shown.speed ? 0 : unshared);
  speedBox->setSpecialValueText(shown.speed ? byLabel : several);
  speedBox->setValue(shown.speed.value_or(unshared));
}

ShownPlayers PlayerProperties::changed() const {
  ShownPlayers changes;
  if (labelEdit->isModified() || labelEdit->text() != shown_.label.value_or(QString())) changes.label = labelEdit->text();
  const auto pick = [](const QComboBox* box, std::optional<int> was) {
    return box->currentIndex() >= 0 && box->currentIndex() != was.value_or(-1) ? std::optional(box->currentIndex())
                                                                                : std::nullopt;
  };
  changes.line = pick(routeLine, shown_.line);
  changes.end = pick(routeEnd, shown_.end);
  if (speedBox->value() >= 0 && speedBox->value() != shown_.speed.value_or(-1)) changes.speed = speedBox->value();
  return changes;
}

PlayProperties::PlayProperties(QWidget* parent)
    : PropertiesDialog(QStringLiteral("Play Properties"), parent),
      callEdit(named(new QLineEdit(this), "callEdit")),
      noteEdit(named(new QLineEdit(this), "noteEdit")),
      ballOn(named(new QSpinBox(this), "ballOn")),
      throwTime(named(new QDoubleSpinBox(this), "throwTime")),
      ballSpeed(named(new QDoubleSpinBox(this), "ballSpeed")) {
  setObjectName(QStringLiteral("PlayProperties"));
  callEdit->setToolTip(QStringLiteral("The call, up to %1 characters: Spread Right 76 Z Post").arg(maxCallLength));
  noteEdit->setToolTip(QStringLiteral("A note of up to %1 characters").arg(maxNoteLength));
  ballOn->setRange(0, 99);
  ballOn->setSpecialValueText(QStringLiteral("Not stated"));
  ballOn->setToolTip(QStringLiteral("The yard line the ball is on, from the offence's own goal line"));
  addField(QStringLiteral("&Call:"), callEdit);
  addField(QStringLiteral("&Note:"), noteEdit);
  addField(QStringLiteral("&Ball on:"), ballOn);
  timingBox(throwTime, earliestThrow, latestThrow, 0.1, QStringLiteral("At the break and the drop"), QStringLiteral(" s"),
            QStringLiteral("Seconds after the snap"));
  addField(QStringLiteral("&Throw at:"), throwTime);
  timingBox(ballSpeed, slowestBall, fastestBall, 1, QStringLiteral("20 yd/s"), QStringLiteral(" yd/s"),
            QStringLiteral("Yards a second"));
  addField(QStringLiteral("Ball &speed:"), ballSpeed);
  setMinimumWidth(420);
}

float timingOf(double value, double low, double high) { return value == 0 ? 0.0f : float(std::clamp(value, low, high)); }

float timingOf(const QDoubleSpinBox* box, double low, double high) { return timingOf(box->value(), low, high); }
