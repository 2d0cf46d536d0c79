// Moxten: the rule book's warnings on the play, shown on the Field, in the
// status bar and in a dock; they never stop a save.
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/model/legality.h"

#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>

void Moxten::buildRuleCheck() {
  legality = new QDockWidget(QStringLiteral("Rule Book"), this);
  legality->setObjectName(QStringLiteral("legality"));
  legalityList = new QListWidget(legality);
  legalityList->setObjectName(QStringLiteral("legalityList"));
  legalityList->setAccessibleName(QStringLiteral("Rule book warnings"));
  // Each warning wraps within the dock's width, however narrow.
  legalityList->setWordWrap(true);
  legalityList->setResizeMode(QListView::Adjust);
  legalityList->setTextElideMode(Qt::ElideNone);
  legality->setWidget(legalityList);
  addDockWidget(Qt::RightDockWidgetArea, legality);
  legality->hide();
  legalityStatus = new QLabel(StatusBar1);
  legalityStatus->setObjectName(QStringLiteral("legalityStatus"));
  legalityStatus->setAccessibleName(QStringLiteral("Rule book"));
  StatusBar1->addPermanentWidget(legalityStatus);
  // A warning chosen chooses the players it is about.
  connect(legalityList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0 || row >= ruleWarnings_.size()) return;
    Selection chosen;
    for (const int p : ruleWarnings_[row].players)
      if (p >= 1 && p <= placedCount()) chosen.set(std::size_t(p));
    if (chosen.any()) choose(chosen);
  });
}

void Moxten::addRuleCheckToViewMenu() {
  viewLegality = legality->toggleViewAction();
  viewLegality->setObjectName(QStringLiteral("viewLegality"));
  viewLegality->setText(QStringLiteral("&Rule Book"));
  view->addAction(viewLegality);
}

// Checks the play as drawn against the level's rule book and shows what it
// breaks; the players it is about are ringed, but not over a run or a
// preview. The dock lists the drawing's own faults after the rules; they
// are no rule, and the status bar leaves them out.
void Moxten::checkRules() {
  ruleWarnings_ = checkLegality(*this, rolesInBoxes(), view_.level);
  const qsizetype ruleCount = ruleWarnings_.size();
  ruleWarnings_ << drawingWarnings(*this);
  QList<QPoint> ringed;
  QStringList rules, listed;
  for (qsizetype i = 0; i < ruleWarnings_.size(); ++i) {
    const QString sentence = ruleSentence(ruleWarnings_[i]);
    if (i < ruleCount) rules << sentence;
    listed << (i < ruleCount ? sentence : QStringLiteral("Drawing: ") + sentence);
    for (const int p : ruleWarnings_[i].players)
      if (p >= 1 && p <= placedCount()) ringed << QPoint(players[p].x, players[p].y);
  }
  Field->setWarned(animating_ || previewShown() ? QList<QPoint>() : ringed);
  const QSignalBlocker quiet(legalityList);
  legalityList->clear();
  legalityList->addItems(listed);
  legalityStatus->setText(rules.isEmpty()       ? QString()
                          : rules.size() == 1 ? rules.front()
                                              : QStringLiteral("%1 (and %2 more)").arg(rules.front()).arg(rules.size() - 1));
}
