#pragma once

#include "core/drawing/looks.h"

// The user's preferences for the view, kept between runs with QSettings in
// the user's configuration folder (never in the settings file).
struct ViewPreferences {
  Look look = Look::Classic;
  Level level = Level::HighSchool;
  bool snapToYards = false;
};

// The preferences kept; the usual ones for anything missing or unknown.
ViewPreferences readViewPreferences();
void keepViewPreferences(const ViewPreferences& preferences);

// The playbook folder last opened, to open again at the next start; empty for none.
QString lastPlaybook();
void keepLastPlaybook(const QString& folder);

// How the playbook dock was left: open or closed, and its width in pixels
// (0: its usual width).
struct DockPreference {
  bool open = true;
  int width = 0;
};
DockPreference playbookDockPreference();
void keepPlaybookDockPreference(const DockPreference& dock);
