// Moxten: the Formations menu, placing a formation and saving the chosen
// players as one.
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/files/formationfile.h"
#include "core/files/savedfile.h"
#include "core/model/yards.h"

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>

namespace {

const QString formationsFolder = QStringLiteral("formations");

// The menu item's object name: "formation" and the name's letters and digits.
QString itemName(const QString& name) {
  QString letters;
  for (const QChar c : name)
    if (c.isLetterOrNumber()) letters += c;
  return QStringLiteral("formation") + letters;
}

}  // namespace

void Moxten::buildFormationsMenu() {
  formations = menuBar()->addMenu(QStringLiteral("F&ormations"));
  formations->setObjectName(QStringLiteral("formations"));
  saveFormation = new QAction(QStringLiteral("&Save Formation..."), this);
  saveFormation->setObjectName(QStringLiteral("saveFormation"));
  listFormations();
}

// The built-in formations, offence then defence, then the user's own, each
// read for its name; one that cannot be read says why when it is chosen.
void Moxten::listFormations() {
  formations->clear();
  const QStringList folders = formationFolders(platform_);
  QStringList files = formationFilesIn(folders.front());
  const qsizetype builtIn = files.size();
  for (const QString& file : formationFilesIn(folders.back()))
    if (std::none_of(files.begin(), files.end(), [&file](const QString& known) { return sameFile(known, file); }))
      files << file;
  std::optional<bool> lastDefence;
  for (qsizetype i = 0; i < files.size(); ++i) {
    QString why;
    const std::optional<PlayerGroup> group = readFormationFile(files[i], &why);
    const bool defence = group && isDefence(*group);
    if ((lastDefence && *lastDefence != defence) || (i == builtIn && i > 0)) formations->addSeparator();
    lastDefence = defence;
    const QString name = group ? group->name : QFileInfo(files[i]).completeBaseName();
    QAction* action = formations->addAction(name);
    action->setObjectName(itemName(name));
    connect(action, &QAction::triggered, this, [this, file = files[i]] { chooseFormation(file); });
  }
  formations->addSeparator();
  formations->addAction(saveFormation);
}

void Moxten::chooseFormation(const QString& path) {
  QString why;
  const std::optional<PlayerGroup> group = readFormationFile(path, &why);
  if (!group) return refuse(QStringLiteral("The formation could not be read from ") + path + QStringLiteral(": ") + why + u'.');
  cancelRoute();
  unsetCursor();
  editMode = None;
  freeTool_ = FreeTool::Formation;
  formationToPlace_ = group;
  showReadout();
}

void Moxten::placeFormationAt(QPointF at) {
  const PlayerGroup group = *std::exchange(formationToPlace_, std::nullopt);
  freeTool_ = FreeTool::Select;
  addGroup(group, onWholeYard(at, lineOfScrimmage(*this)), QStringLiteral("Place Formation"));
  showReadout();
}

bool Moxten::addGroup(const PlayerGroup& group, QPointF anchor, const QString& text) {
  const EditedPlay before = editedPlay();
  QString why;
  const std::optional<Selection> placed = placeGroup(*this, group, anchor, Field->fieldSize(), &why);
  if (!placed) {
    refuse(why);
    return false;
  }
  selection = *placed;
  finishEdit(text, before);
  return true;
}

void Moxten::saveFormation_Click() {
  if (selection.none())
    return refuse(QStringLiteral("Choose the players of the formation with the select tool first."));
  bool withPaths = false;
  const std::optional<QString> name = platform_.askText(
      this, {QStringLiteral("Save Formation"), QStringLiteral("Name:"), QString(), QStringLiteral("Keep their paths"),
             &withPaths});
  if (!name) return;
  if (const QString why = givenNameRefusal(*name); !why.isEmpty())
    return refuse(QStringLiteral("The formation cannot be named ") + *name + QStringLiteral(": ") + why + u'.');
  const QString path = dataPath(formationsFolder + u'/' + *name + u'.' + formationExtension);
  if (path.isEmpty()) return refuse(QStringLiteral("The formation cannot be saved: ") + noDataFolderReason + u'.');
  if (QFileInfo::exists(path) &&
      ask({QStringLiteral("A formation named ") + *name + QStringLiteral(" exists. Replace it?"), appTitle,
           Buttons::YesNo}) != Answer::Yes)
    return;
  // Anchored at the ball: the chosen centre, or the play's, or the first chosen player.
  std::optional<QPoint> anchor = ballSpot(*this);
  for (int p = placedCount(); p >= 1; --p)
    if (selection[p] && (players[p].kind == Centre || !anchor)) anchor = QPoint(players[p].x, players[p].y);
  PlayerGroup group = groupOf(*this, selection, *anchor, withPaths);
  group.name = *name;
  QString why;
  if (!makeDataFolderOf(path) || !replaceFile(path, formationText(group), &why))
    return refuse(QStringLiteral("The formation could not be written to ") + path + QStringLiteral(": ") + why + u'.');
  listFormations();
}
