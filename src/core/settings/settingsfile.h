#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class QIODevice;

// The settings file's name in the data folder.
inline const QString settingsFileName = QStringLiteral("config.ini");

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

// Whether a setting's text reads back as it was written: the reader splits
// fields at commas and line ends, takes a double quote as a quote and skips
// the blanks before a field.
bool canHoldSetting(const QString& text);

// The five lines that Apply writes.
QByteArray settingsFileText(const Settings& settings);
