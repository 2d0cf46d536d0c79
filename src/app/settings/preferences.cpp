#include "app/settings/preferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString lookKey = QStringLiteral("view/look");
const QString levelKey = QStringLiteral("view/level");
const QString snapKey = QStringLiteral("view/snapToYards");
const QString playbookKey = QStringLiteral("playbook/folder");
const QString dockOpenKey = QStringLiteral("playbook/open");
const QString dockWidthKey = QStringLiteral("playbook/width");

// Read afresh each time, so that XDG_CONFIG_HOME counts as it is now.
QString preferencesFile() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
      .filePath(QStringLiteral("preferences.ini"));
}

}  // namespace

ViewPreferences readViewPreferences() {
  const QSettings settings(preferencesFile(), QSettings::IniFormat);
  ViewPreferences preferences;
  preferences.look = lookFrom(settings.value(lookKey).toString()).value_or(preferences.look);
  preferences.level = levelFrom(settings.value(levelKey).toString()).value_or(preferences.level);
  preferences.snapToYards = settings.value(snapKey, false).toBool();
  return preferences;
}

void keepViewPreferences(const ViewPreferences& preferences) {
  QSettings settings(preferencesFile(), QSettings::IniFormat);
  settings.setValue(lookKey, lookWord(preferences.look));
  settings.setValue(levelKey, levelWord(preferences.level));
  settings.setValue(snapKey, preferences.snapToYards);
}

QString lastPlaybook() { return QSettings(preferencesFile(), QSettings::IniFormat).value(playbookKey).toString(); }

void keepLastPlaybook(const QString& folder) {
  QSettings(preferencesFile(), QSettings::IniFormat).setValue(playbookKey, folder);
}

DockPreference playbookDockPreference() {
  const QSettings settings(preferencesFile(), QSettings::IniFormat);
  return {settings.value(dockOpenKey, true).toBool(), std::max(0, settings.value(dockWidthKey, 0).toInt())};
}

void keepPlaybookDockPreference(const DockPreference& dock) {
  QSettings settings(preferencesFile(), QSettings::IniFormat);
  settings.setValue(dockOpenKey, dock.open);
  settings.setValue(dockWidthKey, dock.width);
}
