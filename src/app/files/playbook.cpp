// Moxten: the playbook dock, a folder of plays beside the Field.
#include "app/widgets/playbookdock.h"
#include "app/settings/preferences.h"
#include "app/window/moxten.h"
#include "core/files/playlist.h"

#include <QDir>
#include <QFileInfo>

void Moxten::buildPlaybook() {
  playbook = new PlaybookDock(platform_, this);
  addDockWidget(Qt::RightDockWidgetArea, playbook);
  playbook->hide();
  connect(openPlaybook, &QAction::triggered, this, &Moxten::openPlaybook_Click);
  connect(playbook, &PlaybookDock::openRequested, this, &Moxten::openPlay);
  connect(playbook, &PlaybookDock::playMoved, this, &Moxten::playbookPlayMoved);
}

// The play list and the open play follow a play the dock renamed or moved.
void Moxten::playbookPlayMoved(const QString& from, const QString& to) {
  if (const QString list = dataPath(playListFileName); !list.isEmpty() && !followMovedPlay(list, from, to))
    refuse(QStringLiteral("The play list ") + list + QStringLiteral(" could not be changed to name ") + to + u'.');
  loadPlayList();
  if (playFileName != untitledPlay && QFileInfo(playFileName).absoluteFilePath() == QFileInfo(from).absoluteFilePath()) {
    playFileName = to;
    setCaption();
  }
}

void Moxten::openPlaybook_Click() {
  const QString folder = platform_.folderName(this, QStringLiteral("Open Playbook"));
  if (!folder.isEmpty()) showPlaybook(folder);
}

void Moxten::showPlaybook(const QString& folder, bool open) {
  playbook->showFolder(folder, view_.look, view_.level);
  keepLastPlaybook(folder);
  if (!open) return;
  playbook->show();
  const int kept = playbookDockPreference().width;
  resizeDocks({playbook}, {kept > 0 ? kept : playbook->usualWidth()}, Qt::Horizontal);
}

void Moxten::keepPlaybookDock() {
  DockPreference kept = playbookDockPreference();
  kept.open = !playbook->isHidden();
  if (playbook->isVisible()) kept.width = playbook->width();
  keepPlaybookDockPreference(kept);
}
