#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class QIODevice;

// The five settings as the settings file and the dialog's controls hold them.
struct Settings {
  QString speed = QStringLiteral("20");
  QString line = QStringLiteral("Color");
  QString offence = QStringLiteral("Color");
  QString deffence = QStringLiteral("Color");
  std::int16_t sync = 0;  // 0 unchecked, 1 checked, 2 greyed
};

// Reads "key, value" records into the settings until the end of the file or
// the first record that cannot be read or taken; what was read stays.
void readSettings(QIODevice& device, Settings& settings);

// The five lines that Apply writes.
QByteArray settingsFileText(const Settings& settings);
