#include "app/widgets/properties.h"

#include "core/model/playstate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

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

PlayerProperties::PlayerProperties(QWidget* parent)
    : PropertiesDialog(QStringLiteral("Player Properties"), parent),
      labelEdit(named(new QLineEdit(this), "labelEdit")),
      routeLine(named(new QComboBox(this), "routeLine")),
      routeEnd(named(new QComboBox(this), "routeEnd")) {
  setObjectName(QStringLiteral("PlayerProperties"));
  labelEdit->setToolTip(QStringLiteral("Up to 3 letters, digits, \"-\" or \"/\": QB, X, LT, CB"));
  routeLine->addItems({QStringLiteral("Solid"), QStringLiteral("Dashed")});
  routeEnd->addItems({QStringLiteral("Arrow"), QStringLiteral("Block"), QStringLiteral("None")});
  addField(QStringLiteral("&Label:"), labelEdit);
  addField(QStringLiteral("Route l&ine:"), routeLine);
  addField(QStringLiteral("Route &end:"), routeEnd);
}

PlayProperties::PlayProperties(QWidget* parent)
    : PropertiesDialog(QStringLiteral("Play Properties"), parent),
      callEdit(named(new QLineEdit(this), "callEdit")),
      noteEdit(named(new QLineEdit(this), "noteEdit")),
      ballOn(named(new QSpinBox(this), "ballOn")) {
  setObjectName(QStringLiteral("PlayProperties"));
  callEdit->setToolTip(QStringLiteral("The call, up to %1 characters: Spread Right 76 Z Post").arg(maxCallLength));
  noteEdit->setToolTip(QStringLiteral("A note of up to %1 characters").arg(maxNoteLength));
  ballOn->setRange(0, 99);
  ballOn->setSpecialValueText(QStringLiteral("Not stated"));
  ballOn->setToolTip(QStringLiteral("The yard line the ball is on, from the offence's own goal line"));
  addField(QStringLiteral("&Call:"), callEdit);
  addField(QStringLiteral("&Note:"), noteEdit);
  addField(QStringLiteral("&Ball on:"), ballOn);
  setMinimumWidth(420);
}
