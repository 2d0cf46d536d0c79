// Moxten: the play shown against the defences it names (View > Against),
// drawn over the Field without changing the play's own players.
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/files/formationfile.h"
#include "core/model/vocabulary.h"

#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

namespace {

// A menu item's object name: the start and the name's letters and digits.
QString itemName(const char* start, const QString& name) {
  QString letters = QLatin1String(start);
  for (const QChar c : name)
    if (c.isLetterOrNumber()) letters += c;
  return letters;
}

}  // namespace

void Moxten::buildAgainstMenu() {
  againstMenu = view->addMenu(QStringLiteral("&Against"));
  againstMenu->setObjectName(QStringLiteral("againstMenu"));
  nextDefence = view->addAction(QStringLiteral("Next &Defence"));
  nextDefence->setObjectName(QStringLiteral("nextDefence"));
  nextDefence->setShortcut(QKeySequence(Qt::Key_D));
  connect(againstMenu, &QMenu::aboutToShow, this, &Moxten::fillAgainstMenu);
  connect(nextDefence, &QAction::triggered, this, &Moxten::nextDefence_Click);
}

// None, the play's defences (one not saved is listed, and cannot be chosen),
// the defences to add and Remove Defence.
void Moxten::fillAgainstMenu() {
  againstMenu->clear();
  const SavedDefences savedDefences = readSavedDefences(formationFolders(platform_));
  auto* shown = new QActionGroup(againstMenu);
  const auto choice = [&](const QString& text, const QString& name, bool known) {
    QAction* action = againstMenu->addAction(known                                   ? text
                                             : savedDefences.unusable.contains(name) ? text + QStringLiteral(" (its saved formation cannot be used)")
                                                                                     : text + QStringLiteral(" (not a saved defence)"));
    action->setObjectName(itemName("against", name.isEmpty() ? QStringLiteral("None") : name));
    action->setCheckable(true);
    action->setChecked(name == againstShown_);
    action->setEnabled(known);
    shown->addAction(action);
    connect(action, &QAction::triggered, this, [this, name] { showAgainst(name); });
  };
  choice(QStringLiteral("&None"), QString(), true);
  const QStringList saved = defenceNames(savedDefences);
  for (const QString& name : defences) choice(name, name, saved.contains(name));
  againstMenu->addSeparator();
  QMenu* add = againstMenu->addMenu(QStringLiteral("A&dd Defence"));
  add->setObjectName(QStringLiteral("addDefence"));
  // A name the play file cannot keep is offered with the reason, and not taken.
  for (const QString& name : saved) {
    const QString refusal = playTextRefusal(name, maxCallLength);
    QAction* action = add->addAction(refusal.isEmpty() ? name : name + QStringLiteral(" (a play cannot name it: ") + refusal + u')',
                                     this, [this, name] { addDefence(name); });
    action->setObjectName(itemName("addDefence", name));
    action->setEnabled(!defences.contains(name) && refusal.isEmpty());
  }
  QAction* remove = againstMenu->addAction(QStringLiteral("&Remove Defence"), this, &Moxten::removeDefence);
  remove->setObjectName(QStringLiteral("removeDefence"));
  remove->setEnabled(!againstShown_.isEmpty());
}

// Shows the play against the defence named (none with an empty name); a
// name that is no saved defence is said in the status bar and not shown.
void Moxten::showAgainst(const QString& name) {
  againstShown_.clear();
  againstDefence_.reset();
  if (!name.isEmpty()) {
    QString why;
    againstDefence_ = findDefence(readSavedDefences(formationFolders(platform_)), name, &why);
    // A defence with no centre to align it on is not shown as chosen either.
    if (againstDefence_ && playAgainst(*this, *againstDefence_, Field->fieldSize(), &why)) {
      againstShown_ = name;
    } else {
      againstDefence_.reset();
      StatusBar1->showMessage(QStringLiteral("The play cannot be shown against ") + name + QStringLiteral(": ") + why + u'.');
    }
  }
  refreshLook();
}

// D: the next of the play's saved defences, then none again.
void Moxten::nextDefence_Click() {
  const QStringList saved = defenceNames(readSavedDefences(formationFolders(platform_)));
  QStringList cycle{QString()};
  for (const QString& name : defences)
    if (saved.contains(name)) cycle << name;
  showAgainst(cycle.value((cycle.indexOf(againstShown_) + 1) % cycle.size()));
}

void Moxten::addDefence(const QString& name) {
  if (defences.contains(name) || !playTextRefusal(name, maxCallLength).isEmpty()) return;
  if (defences.size() >= maxDefences)
    return refuse(QStringLiteral("The play names %1 defences, the most it can keep: remove one before adding ").arg(maxDefences) +
                  name + u'.');
  const EditedPlay before = editedPlay();
  defences << name;
  finishEdit(QStringLiteral("Add Defence"), before);
  showAgainst(name);
}

void Moxten::removeDefence() {
  const EditedPlay before = editedPlay();
  defences.removeAll(againstShown_);
  finishEdit(QStringLiteral("Remove Defence"), before);
  showAgainst(QString());
}

// The play as View > Against shows it: nothing when no defence is shown, or
// the play no longer names it, or it has no centre to align one on.
std::optional<Play> Moxten::playShownAgainst() {
  if (!againstDefence_ || !defences.contains(againstShown_)) return std::nullopt;
  QString why;
  return playAgainst(*this, *againstDefence_, Field->fieldSize(), &why);
}
