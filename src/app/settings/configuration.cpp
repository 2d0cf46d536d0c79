#include "app/settings/configuration.h"

#include "app/desktop/platform.h"
#include "app/widgets/controls.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"
#include "core/model/numbers.h"
#include "core/settings/colors.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(left, top, width, height);
  return control;
}

QComboBox* colorList(QWidget* parent) {
  auto* list = new DropDownBox(parent);
  list->addItems(colorNames());
  list->setCurrentIndex(-1);
  list->setEditText(QStringLiteral("Color"));
  return list;
}

}  // namespace

Configuration::Configuration(Platform& platform, QString settingsPath, QWidget* parent)
    : QDialog(parent), platform_(platform), settingsPath_(std::move(settingsPath)) {
  setObjectName(QStringLiteral("Configuration"));
  setWindowTitle(QStringLiteral("Customize Settings.."));
  setFixedSize(336, 161);
  Label3 = place(new QLabel(QStringLiteral("NOTE: Times should be < 100 mil secs"), this), "Label3", 8, 8, 321, 17);
  Label1 = place(new QLabel(QStringLiteral("Speed in mil-secs"), this), "Label1", 16, 40, 105, 17);
  Speed = place(new QLineEdit(QStringLiteral("20"), this), "Speed", 144, 40, 137, 19);
  Label2_0 = place(new QLabel(QStringLiteral("Line Color"), this), "Label2", 16, 72, 97, 17);
  lineColor = place(colorList(this), "lineColor", 144, 72, 137, 21);
  Sync = place(new QCheckBox(QStringLiteral("Synchronize Players"), this), "Sync", 16, 104, 265, 25);
  Apply = place(new QPushButton(QStringLiteral("&Apply"), this), "Apply", 48, 136, 105, 25);
  Command1 = place(new QPushButton(QStringLiteral("&Cancel"), this), "Command1", 176, 136, 105, 25);
  Label2_1 = place(new QLabel(QStringLiteral("OffenceLine Color"), this), "Label2", 16, 104, 97, 17);
  offenceColor = place(colorList(this), "offenceColor", 144, 104, 137, 21);
  Label2_2 = place(new QLabel(QStringLiteral("Defence"), this), "Label2", 16, 136, 97, 17);
  deffencecolor = place(colorList(this), "deffencecolor", 144, 136, 137, 21);
  for (QWidget* hidden : {static_cast<QWidget*>(Label2_1), static_cast<QWidget*>(offenceColor),
                          static_cast<QWidget*>(Label2_2), static_cast<QWidget*>(deffencecolor)})
    hidden->hide();
  Label1->setBuddy(Speed);
  Label2_0->setBuddy(lineColor);
  Label2_1->setBuddy(offenceColor);
  Label2_2->setBuddy(deffencecolor);
  giveAccessibleNames(this);
  Apply->setAutoDefault(false);
  Command1->setAutoDefault(false);
  connect(Apply, &QPushButton::clicked, this, &Configuration::Apply_Click);
  connect(Command1, &QPushButton::clicked, this, &Configuration::Command1_Click);
}

std::int16_t Configuration::syncValue() const {
  switch (Sync->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

Settings Configuration::current() const {
  return Settings{Speed->text(), lineColor->currentText(), offenceColor->currentText(),
                  deffencecolor->currentText(), syncValue()};
}

void Configuration::setControls(const Settings& settings) {
  Speed->setText(settings.speed);
  lineColor->setEditText(settings.line);
  offenceColor->setEditText(settings.offence);
  deffencecolor->setEditText(settings.deffence);
  Sync->setTristate(settings.sync == 2);
  Sync->setCheckState(settings.sync == 1 ? Qt::Checked : settings.sync == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void Configuration::loadSettings() {
  std::optional<FileBytes> file = readRegularFile(settingsPath_);
  if (!file || !file->whole) return;
  QBuffer buffer(&file->bytes);
  buffer.open(QIODevice::ReadOnly);
  Settings settings = current();
  readSettings(buffer, settings);
  setControls(settings);
}

void Configuration::Apply_Click() {
  const double speed = readNumber(Speed->text());
  if (speed <= 1 || speed >= 1000) {
    platform_.ask(this, {QStringLiteral("Speed must be 1<speed<1000"), QStringLiteral("Warining"), Buttons::Ok,
                         Icon::Critical});
    return;
  }
  const Settings settings = current();
  for (const QString& text : {settings.speed, settings.line, settings.offence, settings.deffence}) {
    if (!canHoldSetting(text)) {
      platform_.ask(this, {QStringLiteral("The settings cannot hold a comma, a double quote, a line end or a leading blank: ") + text,
                           QStringLiteral("Moxten"), Buttons::Ok, Icon::Critical});
      return;
    }
  }
  if (settingsPath_.isEmpty() || !makeDataFolderOf(settingsPath_) ||
      !replaceFile(settingsPath_, settingsFileText(settings))) {
    const QString where = settingsPath_.isEmpty() ? QStringLiteral(": ") + noDataFolderReason
                                                  : QStringLiteral(" to ") + settingsPath_;
    platform_.ask(this, {QStringLiteral("The settings could not be written") + where + u'.', QStringLiteral("Moxten"),
                         Buttons::Ok, Icon::Critical});
    return;
  }
  hide();
}

void Configuration::Command1_Click() { hide(); }

void Configuration::closeEvent(QCloseEvent* event) {
  // The close box acts as Cancel: the dialog stays, with its values in force.
  event->ignore();
  hide();
}
