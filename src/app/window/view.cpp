// Moxten: the View menu, the Field's look and the level of its hash marks.
#include "app/widgets/artwork.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/playbookdock.h"
#include "app/window/moxten.h"
#include "core/animation/run.h"
#include "core/model/vocabulary.h"
#include "core/model/yards.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace {

QAction* choice(QMenu* menu, QActionGroup* group, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(true);
  group->addAction(action);
  return action;
}

}  // namespace

void Moxten::buildViewMenu() {
  view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("view"));
  auto* looks = new QActionGroup(view);
  classicField = choice(view, looks, "classicField", "&Classic Field");
  footballField = choice(view, looks, "footballField", "&Football Field");
  paperField = choice(view, looks, "paperField", "Pap&er");
  view->addSeparator();
  auto* levels = new QActionGroup(view);
  highSchool = choice(view, levels, "highSchool", "&High School");
  college = choice(view, levels, "college", "C&ollege");
  pro = choice(view, levels, "pro", "&Pro");
  view->addSeparator();
  snapToYards = view->addAction(QStringLiteral("&Snap to Yards"));
  snapToYards->setObjectName(QStringLiteral("snapToYards"));
  snapToYards->setCheckable(true);
  view->addSeparator();
  buildZoomItems();
  view->addSeparator();
  viewPlaybook = playbook->toggleViewAction();
  viewPlaybook->setObjectName(QStringLiteral("viewPlaybook"));
  viewPlaybook->setText(QStringLiteral("Play&book"));
  view->addAction(viewPlaybook);
  addRuleCheckToViewMenu();
  view->addSeparator();
  buildAgainstMenu();

  view_ = readViewPreferences();
  const std::pair<QAction*, Look> lookItems[] = {
      {classicField, Look::Classic}, {footballField, Look::Football}, {paperField, Look::Paper}};
  for (const auto& [action, look] : lookItems) {
    action->setChecked(view_.look == look);
    connect(action, &QAction::triggered, this, [this, look] { chooseLook(look); });
  }
  const std::pair<QAction*, Level> levelItems[] = {
      {highSchool, Level::HighSchool}, {college, Level::College}, {pro, Level::Pro}};
  for (const auto& [action, level] : levelItems) {
    action->setChecked(view_.level == level);
    connect(action, &QAction::triggered, this, [this, level] { chooseLevel(level); });
  }
  snapToYards->setChecked(view_.snapToYards);
  connect(snapToYards, &QAction::toggled, this, [this](bool on) {
    view_.snapToYards = on;
    keepViewPreferences(view_);
  });
}

// Zoom to Fit (on unless the coach zooms himself), Zoom In, Zoom Out and
// Actual Size: the football and paper looks only; the classic Field keeps
// its pixels.
void Moxten::buildZoomItems() {
  const auto zoomItem = [this](const char* name, const char* caption, const QKeySequence& key) {
    QAction* action = view->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
  };
  zoomToFit = zoomItem("zoomToFit", "&Zoom to Fit", QKeySequence());
  zoomToFit->setCheckable(true);
  zoomToFit->setChecked(true);
  QAction* zoomIn = zoomItem("zoomIn", "Zoom &In", QKeySequence(QKeySequence::ZoomIn));
  QAction* zoomOut = zoomItem("zoomOut", "Zoom O&ut", QKeySequence(QKeySequence::ZoomOut));
  QAction* actualSize = zoomItem("actualSize", "Ac&tual Size", QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(zoomToFit, &QAction::toggled, this, [this] { layoutControls(); });
  const auto zoomTo = [this](double zoom) {
    chosenZoom_ = std::clamp(zoom, 0.25, 2.0);
    zoomToFit->setChecked(false);
    layoutControls();
  };
  connect(zoomIn, &QAction::triggered, this, [this, zoomTo] { zoomTo(Field->scale() * 1.25); });
  connect(zoomOut, &QAction::triggered, this, [this, zoomTo] { zoomTo(Field->scale() / 1.25); });
  connect(actualSize, &QAction::triggered, this, [zoomTo] { zoomTo(1); });
}

void Moxten::chooseLook(Look look) {
  view_.look = look;
  (look == Look::Football ? footballField : look == Look::Paper ? paperField : classicField)->setChecked(true);
  keepViewPreferences(view_);
  layoutControls();
  refreshLook();
  if (playbook->isVisible()) playbook->showFolder(playbook->folder().root, view_.look, view_.level);
}

void Moxten::chooseLevel(Level level) {
  view_.level = level;
  (level == Level::Pro ? pro : level == Level::College ? college : highSchool)->setChecked(true);
  keepViewPreferences(view_);
  refreshLook();
  checkRules();
}

double Moxten::playerReachInLook() const {
  return view_.look == Look::Classic ? playerReach : lookSymbolReach;
}

void Moxten::refreshLook() {
  if (preview_) return;  // the preview shows its own frames
  const bool classic = view_.look == Look::Classic;
  // In the other looks the widget draws the ball beside its player; the
  // classic football keeps its place and state, unseen.
  if (football->pixmap().isNull() == classic) {
    football->setPixmap(classic ? footballImage() : QPixmap());
    football->setAutoFillBackground(classic);
  }
  FieldOverlay overlay = Field->overlay();
  overlay.ball.reset();
  const std::optional<Play> against = runFrame_ ? std::nullopt : playShownAgainst();
  if (classic && !against) {
    Field->showPicture(QImage());
    Field->setOverlay(overlay);
    return;
  }
  PlayPicture picture = playPicture();
  if (against) picture.play = *against;
  picture.size = Field->fieldSize();
  picture.roles.passing = false;
  QImage shown(picture.size, QImage::Format_RGB32);
  QPainter painter(&shown);
  if (runFrame_) {
    const LookFrame frame = lookFrame(*this, runRoles(), !football->isHidden(), *runFrame_);
    drawPlayPictureAt(painter, picture, frame.standing, frame.ball);
  } else {
    drawPlayPicture(painter, picture);
    if (!football->isHidden()) overlay.ball = ballBeside(QRectF(football->geometry()).center(), standingOf(picture.play));
  }
  painter.end();
  Field->showPicture(shown);
  Field->setOverlay(overlay);
}

QPointF Moxten::landing(QPointF point) const {
  return view_.snapToYards ? snappedToYards(point, ballSpot(*this)) : point;
}

QPoint Moxten::snappedOffset(QPoint offset) const {
  if (!view_.snapToYards) return offset;
  for (int p = 1; p <= placedCount(); ++p)
    if (selection[p]) {
      const QPointF from(players[p].x, players[p].y);
      return (landing(from + offset) - from).toPoint();
    }
  return offset;
}

QString Moxten::toolHint() const {
  if (editMode != None) return {};
  switch (freeTool_) {
    case FreeTool::Route: {
      if (!route_) return QStringLiteral("Route: press a player to start his route");
      const QString label = labelText(labels[route_->player]);
      return QStringLiteral("Route for %1: press up to %2 points, double-click to end")
          .arg(label.isEmpty() ? QString::number(route_->player) : label)
          .arg(3 - route_->points.size());
    }
    case FreeTool::Formation:
      return QStringLiteral("Press where the ball goes for ") + (formationToPlace_ ? formationToPlace_->name : QString());
    default: return {};
  }
}

void Moxten::showReadout() {
  const QPoint at = Field->fieldPointAt(platform_.pointerPos());
  QStringList parts;
  if (QRect(QPoint(0, 0), Field->fieldSize()).contains(at)) parts << placeInYards(pressLanding(at), ballSpot(*this));
  if (const QString hint = toolHint(); !hint.isEmpty()) parts << hint;
  if (parts.isEmpty())
    StatusBar1->clearMessage();
  else
    StatusBar1->showMessage(parts.join(QStringLiteral(" - ")));
}
