// Moxten: the route tool, drawing a player's route from the player, and the
// routes of the route tree given to the chosen players.
#include "app/settings/configuration.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/model/vocabulary.h"
#include "core/model/yards.h"
#include "core/settings/colors.h"

#include <QComboBox>
#include <QMenuBar>

namespace {

// A press this close to the route's last point adds none: the second press
// of a double-click.
constexpr double samePointReach = 3;

}  // namespace

void Moxten::routeTool_Click() {
  cancelRoute();
  unsetCursor();
  editMode = None;
  freeTool_ = FreeTool::Route;
  clearSelection();
  Field->setFocus();
  showReadout();
}

void Moxten::pressInRouteTool(QPointF at) {
  if (route_) {
    const QPoint point = withinField(landing(at), Field->fieldSize());
    const QPoint last = route_->points.isEmpty() ? QPoint(players[route_->player].x, players[route_->player].y)
                                                 : route_->points.last();
    if (QLineF(point, last).length() <= samePointReach) return;
    route_->points << point;
    moves[route_->player][route_->points.size()] = {point.x(), point.y(), 0, 0};
    if (route_->points.size() == 3) return endRoute();
    redrawPlay();
    showReadout();
    return;
  }
  const std::optional<int> p = playerAt(*this, at, playerReachInLook());
  if (!p) return;
  route_ = RouteDraft{*p, {}, editedPlay(), true};
  // The old path is drawn away as the new one starts.
  moves[*p] = {};
  moves[*p][0] = {players[*p].x, players[*p].y, 0, 0};
  players[*p].color = colorFromName(configuration->lineColor->currentText());
  redrawPlay();
  showReadout();
}

void Moxten::endRoute() {
  if (!route_) return;
  if (route_->points.isEmpty()) return cancelRoute();
  const RouteDraft done = *std::exchange(route_, std::nullopt);
  isSaved = flagFalse;
  redrawPlay();
  commitStep(QStringLiteral("Route"), done.before);
  showReadout();
}

void Moxten::cancelRoute() {
  if (!route_) return;
  const RouteDraft dropped = *std::exchange(route_, std::nullopt);
  restore(dropped.before, false);
  showReadout();
}

void Moxten::Field_Enter() {
  if (route_) endRoute();
}

void Moxten::buildRoutesMenu() {
  routesMenu = menuBar()->addMenu(QStringLiteral("Ro&utes"));
  routesMenu->setObjectName(QStringLiteral("routes"));
  for (const RouteChoice& choice : routeChoices()) {
    if (choice.name == RouteName::Wheel || choice.name == RouteName::PassSet || choice.name == RouteName::DeepThird)
      routesMenu->addSeparator();
    QAction* action = routesMenu->addAction(QString::fromLatin1(choice.caption));
    action->setObjectName(QString::fromLatin1(choice.objectName));
    connect(action, &QAction::triggered, this, [this, name = choice.name] { giveRoutes(name); });
  }
  connect(routesMenu, &QMenu::aboutToShow, this, [this] {
    for (QAction* action : routesMenu->actions()) action->setEnabled(selection.any());
  });
}

void Moxten::giveRoutes(RouteName name) {
  if (selection.none() || editMode != None) return;
  const EditedPlay before = editedPlay();
  const std::uint32_t color = colorFromName(configuration->lineColor->currentText());
  for (int p = 1; p <= placedCount(); ++p)
    if (selection[p]) giveRoute(*this, p, name, color, Field->fieldSize());
  finishEdit(QStringLiteral("Routes"), before);
}
