// Moxten: the playbook dock, a folder of plays beside the Field.
#include "app/widgets/playbookdock.h"
#include "app/settings/preferences.h"
#include "app/window/moxten.h"
#include "core/files/playlist.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>

void Moxten::buildPlaybook() {
  playbook = new PlaybookDock(platform_, this);
  addDockWidget(Qt::RightDockWidgetArea, playbook);
  playbook->hide();
  connect(openPlaybook, &QAction::triggered, this, &Moxten::openPlaybook_Click);
  connect(playbook, &PlaybookDock::openRequested, this, &Moxten::openPlay);
  connect(playbook, &PlaybookDock::playMoved, this, &Moxten::playbookPlayMoved);
  connect(playbook, &PlaybookDock::playRemoved, this, &Moxten::playbookPlayRemoved);
  playbook->openPlay = [this] { return playFileName == untitledPlay ? QString() : playFileName; };
}

bool Moxten::isOpenPlay(const QString& path) const {
  return playFileName != untitledPlay && QFileInfo(playFileName).absoluteFilePath() == QFileInfo(path).absoluteFilePath();
}

// The play list and the open play follow a play the dock renamed or moved.
void Moxten::playbookPlayMoved(const QString& from, const QString& to) {
  const QString list = dataPath(playListFileName);
  const QString unlistable = playListRefusal(to);
  bool listed = false;
  if (!list.isEmpty() && !followMovedPlay(list, from, to, &listed))
    refuse(QStringLiteral("The play list ") + list + QStringLiteral(" could not be changed to name ") + to + u'.');
  else if (!unlistable.isEmpty() && listed)
    ask({QStringLiteral("The play list no longer lists ") + playTitle(from) + QStringLiteral(": it cannot hold ") +
             unlistable + u'.',
         appTitle, Buttons::Ok, Icon::Warning});
  loadPlayList();
  if (isOpenPlay(from)) {
    playFileName = to;
    setCaption();
  }
}

// The open play whose file went to the trash keeps what it holds, unsaved
// and with no file: Save Again never writes it over what now takes that name.
void Moxten::playbookPlayRemoved(const QString& path) {
  if (!isOpenPlay(path)) return;
  playFileName = untitledPlay;
  setCaption();
  undoStack->resetClean();
  isSaved = flagFalse;
  keepRecoveryCopy();
}

void Moxten::openPlaybook_Click() {
  // It starts in the last playbook, not where the last play was saved.
  const QString folder = platform_.folderName(this, QStringLiteral("Open Playbook"), lastPlaybook());
  if (!folder.isEmpty()) showPlaybook(folder);
}

void Moxten::showPlaybook(const QString& folder, bool open) {
  playbook->showFolder(folder, view_.look, view_.level);
  keepLastPlaybook(folder);
  if (!open) return;
  playbook->show();
  // A width kept from a wider screen leaves the window the room its tool
  // column needs, so that the Field and the tools stay in view beside it.
  const int kept = playbookDockPreference().width;
  const int most = std::max(playbook->minimumWidth(), width() - narrowestAreaWithTools());
  resizeDocks({playbook}, {std::min(kept > 0 ? kept : playbook->usualWidth(), most)}, Qt::Horizontal);
}

void Moxten::keepPlaybookDock() {
  DockPreference kept = playbookDockPreference();
  kept.open = !playbook->isHidden();
  if (playbook->isVisible()) kept.width = playbook->width();
  keepPlaybookDockPreference(kept);
}
