// Moxten: the controls and menus, start-up, the caption and shutdown.
#include "app/window/moxten.h"

#include "app/settings/configuration.h"
#include "app/widgets/about.h"
#include "app/widgets/artwork.h"
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/properties.h"
#include "core/drawing/football.h"
#include "core/drawing/symbols.h"
#include "core/files/recovery.h"
#include "core/settings/colors.h"
#include "core/settings/settingsfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

namespace {

// Asked when the program ends with unsaved changes.
const Message saveOnLeavingQuestion{QStringLiteral("Would you like to save changes"), QStringLiteral("Save"),
                                    Buttons::SaveDiscardCancel};

template <typename Control>
Control* named(Control* control, const char* name, const char* toolTip = nullptr) {
  control->setObjectName(QString::fromLatin1(name));
  if (toolTip) control->setToolTip(QString::fromLatin1(toolTip));
  return control;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* toolTip = nullptr) {
  auto* control = named(new QPushButton(QString::fromLatin1(caption), parent), name, toolTip);
  control->setFixedSize(113, 33);
  return control;
}

DropDownBox* dropDown(QWidget* parent, const char* name, const QString& text, const char* toolTip) {
  auto* control = named(new DropDownBox(parent), name, toolTip);
  control->setEditText(text);
  control->setFixedSize(113, 21);
  return control;
}

ToolPicture* tool(QWidget* parent, const char* name, PlayerKind kind, const char* toolTip) {
  auto* control = named(new ToolPicture(parent), name, toolTip);
  control->setPixmap(toolImage(kind));
  control->setAlignment(Qt::AlignCenter);
  control->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  control->setFixedSize(36, 36);
  return control;
}

QAction* item(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
  QAction* action = named(menu->addAction(QString::fromLatin1(caption)), name);
  action->setCheckable(checkable);
  return action;
}

QAction* item(QMenu* menu, const char* name, const char* caption, const QList<QKeySequence>& keys) {
  QAction* action = item(menu, name, caption);
  action->setShortcuts(keys);
  return action;
}

// Keeps the steps of a long session: every change is one step.
constexpr int undoSteps = 1000;

// The recovery copy is written this long after the first change that it
// does not hold yet (milliseconds).
constexpr int recoveryCopyDelay = 1000;

}  // namespace

Moxten::Moxten(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      recovery_(std::make_unique<RecoveryCopies>(dataPath(QString()))),
      recoveryTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("Moxten"));
  undoStack = new QUndoStack(this);
  undoStack->setUndoLimit(undoSteps);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(recoveryCopyDelay);
  buildControls();
  buildMenus();
  connectHandlers();
  giveMenusTheirAccessKeys();
  orderTheKeyboardFocus();
  giveAccessibleNames(this);
  Form_Load();
}

// The stack clears itself when it goes, after the window: it must not tell a
// window that is half gone.
Moxten::~Moxten() { undoStack->disconnect(this); }

void Moxten::buildControls() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("area"));
  setCentralWidget(area);
  area->installEventFilter(this);

  Field = new FieldBox(area);
  fieldView = named(new QScrollArea(area), "fieldView");
  fieldView->setFrameShape(QFrame::NoFrame);
  fieldView->setAccessibleName(QStringLiteral("Field view"));
  fieldView->hide();
  XBox = tool(area, "XBox", Defence, "Draw deffence");
  obox = tool(area, "obox", Offence, "Draw offence");
  sbox = tool(area, "sbox", Centre, "Draw center");
  Players = button(area, "Players", "&Players");
  Players->hide();
  motion = button(area, "motion", "&Motion", "Create motion path");
  PlayerN = dropDown(area, "PlayerN", "Player", "Player number that path will be added to");
  movements = dropDown(area, "movements", "Movements", "# of movements ");
  colorbox = dropDown(area, "colorbox", "Color", "Color of line");
  Path = button(area, "Path", "C&reate Path", "Create path");
  plays = dropDown(area, "plays", "Plays", "List of created plays");
  LoadPlay = button(area, "LoadPlay", "&Load Play", "Load all created plays");
  Quarterback = dropDown(area, "Quarterback", quarterbackStartText, "The Quartebacks number");
  intended = dropDown(area, "intended", receiverStartText, "# of the intended reciever");
  PassingPlay = named(new QCheckBox(QStringLiteral("Passing Play"), area), "PassingPlay", "Check to show passing play");
  PassingPlay->setFixedSize(113, 20);
  updateButton = button(area, "update", "&Update", "Update the QB and IR list");
  AnimateButton = button(area, "AnimateButton", "&Animate", "Click to animate current play");
  ResetButton = button(area, "ResetButton", "&Reset", "Click to reset current play");

  area->setAccessibleName(QStringLiteral("Play designer"));
  Field->setAccessibleName(QStringLiteral("Field"));
  Field->setAccessibleDescription(QStringLiteral("The play: the tools place players and path points where you click"));
  football = named(new QLabel(Field), "football");
  football->setAccessibleName(QStringLiteral("Football"));
  football->setPixmap(footballImage());
  football->setFixedSize(footballSize, footballSize);
  football->setAttribute(Qt::WA_TransparentForMouseEvents);  // presses on it reach the Field

  playerPropertiesDialog = new PlayerProperties(this);
  playPropertiesDialog = new PlayProperties(this);

  StatusBar1 = named(new QStatusBar(this), "StatusBar1");
  StatusBar1->setAccessibleName(QStringLiteral("Status"));
  setStatusBar(StatusBar1);
  buildRuleCheck();
}

void Moxten::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setAccessibleName(QStringLiteral("Menus"));
  File = named(bar->addMenu(QStringLiteral("&File")), "File");
  newItem = item(File, "new", "&New", {QKeySequence(QKeySequence::New)});
  Open = item(File, "Open", "&Open", {QKeySequence(QKeySequence::Open)});
  openPlaybook = item(File, "openPlaybook", "Open Play&book...");
  save = item(File, "save", "&Save");
  saveAgain = item(File, "saveAgain", "Save &Again", {QKeySequence(QKeySequence::Save)});
  File->addSeparator();
  exportPicture = item(File, "exportPicture", "Export &Picture...");
  exportAnimation = item(File, "exportAnimation", "Export Ani&mation...");
  exportVideo = item(File, "exportVideo", "Export &Video...");
  exportPage = item(File, "exportPage", "Export Pa&ge...");
  exportPlaybook = item(File, "exportPlaybook", "Export Playboo&k...");
  printPlaybook = item(File, "printPlaybook", "P&rint Playbook...");
  printWristband = item(File, "printWristband", "Print &Wristband...");
  printCallSheet = item(File, "printCallSheet", "Print &Call Sheet...");
  printAgainst = item(File, "printAgainst", "Print Play vs &Defences...");
  printScoutCards = item(File, "printScoutCards", "Print Scou&t Cards...");
  File->addSeparator();
  quit = item(File, "quit", "&Quit", {QKeySequence(Qt::CTRL | Qt::Key_Q)});
  edit = named(bar->addMenu(QStringLiteral("&Edit")), "edit");
  undo = named(undoStack->createUndoAction(edit, QStringLiteral("&Undo")), "undo");
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo = named(undoStack->createRedoAction(edit, QStringLiteral("&Redo")), "redo");
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addActions({undo, redo});
  edit->addSeparator();
  selectTool = item(edit, "selectTool", "&Select", {QKeySequence(Qt::Key_Escape)});
  routeTool = item(edit, "routeTool", "R&oute", {QKeySequence(Qt::Key_R)});
  deletePlayers = item(edit, "deletePlayers", "&Delete", {QKeySequence(QKeySequence::Delete)});
  selectAll = item(edit, "selectAll", "Select &All", {QKeySequence(QKeySequence::SelectAll)});
  flipPlay = item(edit, "flipPlay", "&Flip Play");
  flipLabels = item(edit, "flipLabels", "Flip &Labels and Call", true);
  flipLabels->setChecked(true);
  edit->addSeparator();
  cutPlayers = item(edit, "cutPlayers", "Cu&t", {QKeySequence(QKeySequence::Cut)});
  copyPlayers = item(edit, "copyPlayers", "&Copy", {QKeySequence(QKeySequence::Copy)});
  pastePlayers = item(edit, "pastePlayers", "&Paste", {QKeySequence(QKeySequence::Paste)});
  edit->addSeparator();
  playerProperties = item(edit, "playerProperties", "Player Propert&ies...");
  buildPlaybook();
  buildViewMenu();
  buildFormationsMenu();
  buildRoutesMenu();
  mouse = named(bar->addMenu(QStringLiteral("&Mouse")), "mouse");
  xlock = item(mouse, "xlock", "&X-locked", true);
  ylock = item(mouse, "ylock", "&Y-lock", true);
  Animatation = named(bar->addMenu(QStringLiteral("&Animate")), "Animatation");
  Animate = item(Animatation, "Animate", "A&nimate");
  Reset = item(Animatation, "Reset", "&Reset");
  buildPreview();
  config = named(bar->addMenu(QStringLiteral("&Config")), "config");
  panel = item(config, "panel", "&Panel");
  play = named(bar->addMenu(QStringLiteral("&Play")), "play");
  showall = item(play, "showall", "&Show All", true);
  playProperties = item(play, "playProperties", "Play &Properties...");
  abt = named(bar->addMenu(QStringLiteral("A&bout")), "abt");
  about = item(abt, "about", "&About");
  // The button a narrow menu bar shows for the menus it has no room for.
  if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
    more->setAccessibleName(QStringLiteral("More menus"));
}

// Where a button's access key is also a menu title's, the menu bar takes it,
// as on the desktop: Alt+A opens "&Animate", Alt+M "&Mouse". Buttons that
// share a key between them keep it, and its presses move the focus in turn.
void Moxten::giveMenusTheirAccessKeys() {
  QList<QKeySequence> menuKeys;
  for (const QAction* title : menuBar()->actions()) menuKeys << QKeySequence::mnemonic(title->text());
  for (QPushButton* control : centralWidget()->findChildren<QPushButton*>())
    if (menuKeys.contains(control->shortcut())) control->setShortcut(QKeySequence());
}

// Tab goes down the tool column as it is laid out.
void Moxten::orderTheKeyboardFocus() {
  QWidget* const column[] = {XBox,     obox,         sbox,     motion,      PlayerN,       movements,  colorbox,
                             Path,     plays,        LoadPlay, Quarterback, intended,      PassingPlay, updateButton,
                             AnimateButton, ResetButton};
  for (std::size_t i = 1; i < std::size(column); ++i) setTabOrder(column[i - 1], column[i]);
}

void Moxten::connectHandlers() {
  connect(newItem, &QAction::triggered, this, &Moxten::new_Click);
  connect(Open, &QAction::triggered, this, &Moxten::Open_Click);
  connect(save, &QAction::triggered, this, &Moxten::save_Click);
  connect(saveAgain, &QAction::triggered, this, &Moxten::saveAgain_Click);
  connect(routeTool, &QAction::triggered, this, &Moxten::routeTool_Click);
  connect(copyPlayers, &QAction::triggered, this, &Moxten::copyPlayers_Click);
  connect(cutPlayers, &QAction::triggered, this, &Moxten::cutPlayers_Click);
  connect(pastePlayers, &QAction::triggered, this, &Moxten::pastePlayers_Click);
  connect(saveFormation, &QAction::triggered, this, &Moxten::saveFormation_Click);
  connect(quit, &QAction::triggered, this, &Moxten::quit_Click);
  connect(exportPicture, &QAction::triggered, this, &Moxten::exportPicture_Click);
  connect(exportAnimation, &QAction::triggered, this, &Moxten::exportAnimation_Click);
  connect(exportVideo, &QAction::triggered, this, &Moxten::exportVideo_Click);
  connect(exportPage, &QAction::triggered, this, &Moxten::exportPage_Click);
  connect(exportPlaybook, &QAction::triggered, this, &Moxten::exportPlaybook_Click);
  connect(printPlaybook, &QAction::triggered, this, &Moxten::printPlaybook_Click);
  connect(printWristband, &QAction::triggered, this, &Moxten::printWristband_Click);
  connect(printCallSheet, &QAction::triggered, this, &Moxten::printCallSheet_Click);
  connect(printAgainst, &QAction::triggered, this, &Moxten::printAgainst_Click);
  connect(printScoutCards, &QAction::triggered, this, &Moxten::printScoutCards_Click);
  connect(Animate, &QAction::triggered, this, &Moxten::Animate_Click);
  connect(Reset, &QAction::triggered, this, &Moxten::Reset_Click);
  connect(panel, &QAction::triggered, this, &Moxten::panel_Click);
  connect(about, &QAction::triggered, this, &Moxten::about_Click);
  connect(selectTool, &QAction::triggered, this, &Moxten::selectTool_Click);
  connect(deletePlayers, &QAction::triggered, this, &Moxten::deletePlayers_Click);
  connect(selectAll, &QAction::triggered, this, &Moxten::selectAll_Click);
  connect(flipPlay, &QAction::triggered, this, &Moxten::flipPlay_Click);
  connect(playerProperties, &QAction::triggered, this, &Moxten::playerProperties_Click);
  connect(playProperties, &QAction::triggered, this, &Moxten::playProperties_Click);
  connect(playerPropertiesDialog, &PropertiesDialog::applyRequested, this,
          [this](bool* applied) { *applied = applyPlayerProperties(); });
  connect(playPropertiesDialog, &PropertiesDialog::applyRequested, this,
          [this](bool* applied) { *applied = applyPlayProperties(); });
  connect(undoStack, &QUndoStack::indexChanged, this, [this] {
    if (!pushingStep_) isSaved = undoStack->isClean() ? flagTrue : flagFalse;
    if (!recoveryTimer_->isActive()) recoveryTimer_->start();
  });
  connect(recoveryTimer_, &QTimer::timeout, this, &Moxten::keepRecoveryCopy);

  connect(XBox, &ToolPicture::mouseUp, this, &Moxten::XBox_MouseUp);
  connect(obox, &ToolPicture::clicked, this, &Moxten::obox_Click);
  connect(sbox, &ToolPicture::clicked, this, &Moxten::sbox_Click);
  connect(Field, &FieldBox::mousePressed, this, &Moxten::Field_MouseDown);
  connect(Field, &FieldBox::mouseMoved, this, &Moxten::Field_MouseMove);
  connect(Field, &FieldBox::mouseDragged, this, &Moxten::Field_Drag);
  connect(Field, &FieldBox::mouseReleased, this, &Moxten::Field_MouseUp);
  connect(Field, &FieldBox::arrowPressed, this, &Moxten::Field_Arrow);
  connect(Field, &FieldBox::mouseDoubleClicked, this, &Moxten::Field_DoubleClick);
  connect(Field, &FieldBox::enterPressed, this, &Moxten::Field_Enter);
  connect(Field, &FieldBox::canvasChanged, this, [this] {
    if (animating_) return;
    refreshLook();
    checkRules();
  });
  football->installEventFilter(this);

  const auto userSetsARole = [this] {
    if (!settingRoles_) playHasRoles_ = true;
    checkRules();
  };
  connect(Quarterback, &QComboBox::editTextChanged, this, userSetsARole);
  connect(intended, &QComboBox::editTextChanged, this, userSetsARole);
  connect(PassingPlay, &QCheckBox::toggled, this, userSetsARole);

  connect(motion, &QPushButton::clicked, this, &Moxten::motion_Click);
  connect(Path, &QPushButton::clicked, this, &Moxten::Path_Click);
  connect(Quarterback, &DropDownBox::dropDown, this, &Moxten::Quarterback_DropDown);
  connect(intended, &DropDownBox::dropDown, this, &Moxten::intended_DropDown);
  connect(plays, &DropDownBox::dropDown, this, &Moxten::plays_DropDown);
  connect(LoadPlay, &QPushButton::clicked, this, &Moxten::LoadPlay_Click);
  connect(AnimateButton, &QPushButton::clicked, this, &Moxten::AnimateButton_Click);
  connect(ResetButton, &QPushButton::clicked, this, &Moxten::ResetButton_Click);
}

void Moxten::Form_Load() {
  updateButton->hide();
  football->hide();
  football->setAutoFillBackground(true);
  QPalette ballPalette = football->palette();
  ballPalette.setColor(QPalette::Window, toQColor(Field->canvas.backColor));
  football->setPalette(ballPalette);

  isSaved = flagTrue;
  appTitle = QStringLiteral("Moxten");
  playFileName = untitledPlay;
  canvas().clear();
  setCaption();

  configuration = new Configuration(platform_, dataPath(settingsFileName), this);
  configuration->loadSettings();
  loadPlayList();

  playerCount = 0;
  pathMovesLeft = 0;
  mouseLockArmed = flagFalse;
  showPathControls(false);

  // Filling the screen also where no window manager maximises the window.
  if (const QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);
  layoutControls();
  drawFieldMarks(canvas(), fieldWidthUnits, fieldHeightUnits);
  if (const QString last = lastPlaybook(); !last.isEmpty() && QDir(last).exists())
    showPlaybook(last, playbookDockPreference().open);
}

FieldCanvas& Moxten::canvas() { return Field->canvas; }

QString Moxten::dataPath(const QString& fileName) const { return dataFilePath(platform_, fileName); }

void Moxten::setCaption() { setWindowTitle(appTitle + QStringLiteral(" Open..") + playFileName); }

Answer Moxten::ask(const Message& message) { return platform_.ask(this, message); }

void Moxten::refuse(const QString& text) { ask({text, appTitle, Buttons::Ok, Icon::Critical}); }

void Moxten::about_Click() {
  if (!aboutWindow) aboutWindow = new frmAbout(this);
  bringToFront(aboutWindow);
}

void Moxten::panel_Click() {
  configuration->loadSettings();
  bringToFront(configuration);
}

void Moxten::quit_Click() { close(); }

void Moxten::closeEvent(QCloseEvent* event) {
  if (animating_) {
    // Handled once the run is over, like all input given during it.
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  if (!mayLeave()) {
    event->ignore();
    return;
  }
  event->accept();
  endProgram();
}

// Unsaved work is saved, or discarded only when the coach says so; Cancel,
// Esc, closing the question or a save that does not happen keep the window,
// the play and its recovery copy.
bool Moxten::mayLeave() {
  if (isSaved == flagTrue) return true;
  switch (ask(saveOnLeavingQuestion)) {
    case Answer::Save:
      save_Click();
      return isSaved == flagTrue;
    case Answer::Discard:
      isSaved = flagTrue;
      return true;
    default:
      return false;
  }
}

void Moxten::endProgram() {
  keepPlaybookDock();
  recoveryTimer_->stop();
  recovery_->discard();
  recovery_->finish();
  if (aboutWindow) aboutWindow->close();
  configuration->hide();
  emit programEnded();
}

bool Moxten::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) layoutControls();
  // The football of the football and paper looks follows the one of the classic look.
  const QEvent::Type type = event->type();
  if (watched == football && (type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide) &&
      !animating_)
    refreshLook();
  return QMainWindow::eventFilter(watched, event);
}
