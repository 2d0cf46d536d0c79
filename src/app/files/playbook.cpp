// Moxten: the playbook dock, a folder of plays beside the Field.
#include "app/widgets/playbookdock.h"
#include "app/window/moxten.h"

#include <QDir>

void Moxten::buildPlaybook() {
  playbook = new PlaybookDock(platform_, this);
  addDockWidget(Qt::RightDockWidgetArea, playbook);
  playbook->hide();
  connect(openPlaybook, &QAction::triggered, this, &Moxten::openPlaybook_Click);
  connect(playbook, &PlaybookDock::openRequested, this, &Moxten::openPlay);
}

void Moxten::openPlaybook_Click() {
  const QString folder = platform_.folderName(this, QStringLiteral("Open Playbook"));
  if (!folder.isEmpty()) showPlaybook(folder);
}

void Moxten::showPlaybook(const QString& folder) {
  playbook->showFolder(folder, view_.look, view_.level);
  playbook->show();
  keepLastPlaybook(folder);
}
