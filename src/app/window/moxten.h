#pragma once

#include "app/desktop/platform.h"
#include "app/settings/preferences.h"
#include "core/animation/run.h"
#include "core/animation/timeline.h"
#include "core/drawing/playbook.h"
#include "core/drawing/scouting.h"
#include "core/files/playfile.h"
#include "core/model/editing.h"
#include "core/model/formation.h"
#include "core/model/routes.h"
#include "core/model/vocabulary.h"
#include "core/model/legality.h"
#include "core/model/playstate.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class Configuration;
class DropDownBox;
class FieldBox;
class FieldCanvas;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QDockWidget;
class QListWidget;
class QStatusBar;
class QTimer;
class QUndoStack;
class PlayerProperties;
class PlaybookDock;
class PreviewBar;
class QElapsedTimer;
class PlayProperties;
class RecoveryCopies;
struct RecoveredPlay;
class ToolPicture;
class frmAbout;

// Asked before a command that needs the play saved: Reset, Load Play, Animate.
inline const QString saveChangesFirstText = QStringLiteral("You must save changes before continuing.");

// What one undo step brings back: the play, its roles as the boxes show
// them, its file name and the path being entered.
struct EditedPlay {
  Play play;
  QString quarterback;
  QString receiver;
  bool passing = false;
  // Whether the play has roles of its own (see Moxten::playHasRoles_).
  bool hasRoles = false;
  QString fileName;
  std::int16_t pathMovesLeft = 0;
  std::int16_t pathMovesTotal = 0;
  std::int32_t lastX = 0;
  std::int32_t lastY = 0;

  bool operator==(const EditedPlay&) const = default;
};

// The texts of the quarterback and receiver boxes while they name no player.
inline const QString quarterbackStartText = QStringLiteral("QuarterBack");
inline const QString receiverStartText = QStringLiteral("Intended");

// The main window: holds the play and every control the user works with.
// Handlers live in the folder of their subsystem.
class Moxten : public QMainWindow, public PlayState {
  Q_OBJECT
 public:
  explicit Moxten(Platform& platform, QWidget* parent = nullptr);
  ~Moxten() override;

  // Controls, by their design names.
  FieldBox* Field;
  // Where the layout puts the Field. With the playbook dock beside it, the
  // Field is in here, keeping the size it has without the dock, and scrolls;
  // without the dock this stays hidden and the Field stands there itself.
  QScrollArea* fieldView;
  ToolPicture* XBox;
  ToolPicture* obox;
  ToolPicture* sbox;
  QPushButton* Players;
  QPushButton* motion;
  DropDownBox* PlayerN;
  DropDownBox* movements;
  DropDownBox* colorbox;
  QPushButton* Path;
  DropDownBox* plays;
  QPushButton* LoadPlay;
  DropDownBox* Quarterback;
  DropDownBox* intended;
  QCheckBox* PassingPlay;
  QPushButton* updateButton;  // "update"
  QPushButton* AnimateButton;
  QPushButton* ResetButton;
  QLabel* football;
  QStatusBar* StatusBar1;

  QMenu* File;
  QAction* newItem;  // "new"
  QAction* Open;
  QAction* openPlaybook;
  QAction* save;
  QAction* saveAgain;
  QAction* exportPicture;
  QAction* exportAnimation;
  QAction* exportVideo;
  QAction* exportPage;
  QAction* exportPlaybook;
  QAction* printPlaybook;
  QAction* printWristband;
  QAction* printCallSheet;
  QAction* printAgainst;
  QAction* printScoutCards;
  QAction* quit;
  QMenu* edit;
  QAction* undo;
  QAction* redo;
  QAction* selectTool;
  QAction* routeTool;
  QAction* copyPlayers;
  QAction* cutPlayers;
  QAction* pastePlayers;
  QAction* deletePlayers;
  QAction* selectAll;
  QAction* flipPlay;
  // Whether Flip Play also swaps side-bound labels and the call's right and left.
  QAction* flipLabels;
  QAction* playerProperties;
  QMenu* view;
  QAction* viewPlaybook;  // shows or closes the playbook dock
  QAction* viewLegality;  // shows or closes the rule book's dock
  QMenu* againstMenu;     // the play against the defences it names
  QAction* nextDefence;   // D: the next of them
  QAction* classicField;
  QAction* footballField;
  QAction* paperField;
  QAction* highSchool;
  QAction* college;
  QAction* pro;
  QAction* snapToYards;
  QAction* zoomToFit;
  QMenu* formations;
  QAction* saveFormation;
  QMenu* routesMenu;  // "routes"
  QMenu* mouse;
  QAction* xlock;
  QAction* ylock;
  QMenu* Animatation;
  QAction* Animate;
  QAction* Reset;
  QAction* preview;
  QMenu* config;
  QAction* panel;
  QMenu* play;
  QAction* showall;
  QAction* playProperties;
  QMenu* abt;
  QAction* about;

  Configuration* configuration;
  PlayerProperties* playerPropertiesDialog;
  PlayProperties* playPropertiesDialog;
  PreviewBar* previewBar;
  PlaybookDock* playbook;
  // The rule book's warnings on the play as drawn: a dock with their list,
  // the first of them in the status bar.
  QDockWidget* legality;
  QListWidget* legalityList;
  QLabel* legalityStatus;
  QPointer<frmAbout> aboutWindow;

  // Every change of the play, for undo and redo; clean at the play last saved
  // or read from its file.
  QUndoStack* undoStack;
  // The players chosen with the select tool.
  Selection selection;

  // Start-up and shutdown: app/moxten.cpp; the layout: app/layout.cpp.
  void Form_Load();
  void quit_Click();
  void about_Click();
  void panel_Click();
  void layoutControls();
  // The controls of the tool column under its pictures, from the top.
  QList<QWidget*> toolColumnBelowPictures() const;
  // The narrowest the window's own area can be with the whole tool column in it.
  int narrowestAreaWithTools() const;
  // Zoom to Fit, Zoom In, Zoom Out and Actual Size; the scale the Field of
  // its own size is shown at in the room.
  void buildZoomItems();
  double fieldScaleFor(QSize own, QSize room) const;
  // Where a press at the Field point puts what it places: a player the
  // placing offset away, a path or route point where it is, each snapped as
  // the view snaps; for any other press, the point itself.
  QPointF pressLanding(QPointF at) const;
  float placingShift() const;
  // The play against defences: window/against.cpp.
  void buildAgainstMenu();
  void fillAgainstMenu();
  void showAgainst(const QString& name);
  void nextDefence_Click();
  void addDefence(const QString& name);
  void removeDefence();
  std::optional<Play> playShownAgainst();
  // The rule book: window/rules.cpp.
  void buildRuleCheck();
  void addRuleCheckToViewMenu();
  void checkRules();
  // Whether the playbook dock stands beside the Field, in the window.
  bool fieldBesideDock() const;
  void showFieldScrolled(bool scrolled);

  // Placement tools and locks: editor/tools.cpp; the mouse on the Field: editor/fieldmouse.cpp.
  void XBox_MouseUp();
  void obox_Click();
  void sbox_Click();
  void Field_MouseDown(int button, int shift, float x, float y);
  void Field_MouseMove();

  // The select tool, dragging, deleting and flipping: editor/select.cpp;
  // undo and redo: editor/undo.cpp.
  void selectTool_Click();
  void selectAll_Click();
  void deletePlayers_Click();
  void flipPlay_Click();
  void Field_Drag(float x, float y);
  void Field_MouseUp(int button, float x, float y);
  void Field_Arrow(QPoint offset);
  // The play, roles, file name and path entry as an undo step holds them;
  // restore puts them back and draws the play afresh.
  EditedPlay editedPlay() const;
  // The file name comes back only with withFileName: for the steps of the
  // commands that changed the file (Open, Load Play, New).
  void restore(const EditedPlay& state, bool withFileName);

  // Player and Play Properties: editor/properties.cpp. Opening shows the
  // values the selected players share (the play's); applying sets what the
  // coach changed on every selected player (the play) as one undo step, or
  // refuses a text the play file cannot hold with a message and answers false.
  void playerProperties_Click();
  // Fills Player Properties from the selected players; false with none.
  bool showChosenPlayers();
  void playProperties_Click();
  bool applyPlayerProperties();
  void chooseRefusedPart(QLineEdit* edit, const TextRefusal& refusal);
  bool applyPlayProperties();
  // A double-click on a player with the select tool opens Player Properties.
  void Field_DoubleClick(float x, float y);

  // The look of the Field and the level of its hash marks: window/view.cpp.
  // Each is kept as the user's preference.
  void chooseLook(Look look);
  void chooseLevel(Level level);
  // The route tool and the route tree: editor/routetool.cpp. A press on a
  // player starts his route, each press adds a point up to three moves; a
  // double-click, Enter or a right-click ends it, Esc takes it back.
  void routeTool_Click();
  void giveRoutes(RouteName name);
  void Field_Enter();
  // Formations: editor/formations.cpp. Choosing one arms the Field: the next
  // press places it with its ball on the whole yard pressed.
  void chooseFormation(const QString& path);
  void saveFormation_Click();
  // Copy, cut and paste through the clipboard's text: editor/clipboard.cpp.
  void copyPlayers_Click();
  void cutPlayers_Click();
  void pastePlayers_Click();
  // Paths: editor/paths.cpp; passing roles: editor/roles.cpp.
  void motion_Click();
  void Path_Click();
  void Quarterback_DropDown();
  void intended_DropDown();

  // Save, Open and the play list: files/saveopen.cpp; New, Reset and Load Play: files/newreset.cpp.
  void save_Click();
  // Writes the play to its own file as Save writes it, with no dialog and no
  // question; Save for a play that has no file yet.
  void saveAgain_Click();
  QString proposedFileName() const;
  void Open_Click();
  void loadPlayList();
  void plays_DropDown();
  void new_Click();
  void Reset_Click();
  void ResetButton_Click();
  void LoadPlay_Click();

  // Opens the play file as Open does, without the dialog.
  void openPlay(const QString& path);

  // The recovery copy of unsaved work: files/recover.cpp. Offers the copy a
  // program left when it ended without closing (a crash, a kill), once.
  void offerRecovery();
  // Writes the recovery copy now while the play has unsaved changes, or
  // removes it; changes schedule this within 2 seconds on their own.
  void keepRecoveryCopy();
  RecoveryCopies& recoveryCopies() { return *recovery_; }

  // Pictures, the animation as a GIF, the playbook, wristband cards and the
  // call sheet: files/exports.cpp.
  void exportPicture_Click();
  void exportAnimation_Click();
  void exportVideo_Click();
  void exportPage_Click();
  void exportPlaybook_Click();
  void printPlaybook_Click();
  void printWristband_Click();
  void printCallSheet_Click();
  void printAgainst_Click();
  std::optional<QList<VersusDiagram>> diagramsAgainstDefences(const QList<PlaybookPlay>& plays, bool numbered);
  void printScoutCards_Click();
  // The play as Reset shows it, at the Field's size.
  PlayPicture playPicture() const;
  // The quarterback and receiver as the animation reads their boxes.
  RunRoles runRoles() const;
  // The wait after each frame, from the speed setting.
  int frameWait() const;

  // The playbook dock: files/playbook.cpp. Opens the folder's plays beside
  // the Field; the last folder opens again at the next start.
  void playbookPlayMoved(const QString& from, const QString& to);
  void playbookPlayRemoved(const QString& path);
  // Whether the path names the file of the play open in the window.
  bool isOpenPlay(const QString& path) const;
  void openPlaybook_Click();
  // Shows the folder in the dock, and the dock at its kept width when open.
  void showPlaybook(const QString& folder, bool open = true);
  // Keeps whether the dock is open and its width for the next start.
  void keepPlaybookDock();
  // The preview: animation/preview.cpp. Plays the play in memory on the
  // Field, in the window's look, without blocking the window; an edit, Open,
  // New, Load Play, Save or Animate closes it first, and the Field shows the
  // play as before.
  void preview_Click();
  void closePreview();
  bool previewShown() const { return preview_.has_value(); }
  // The animate command: animation/animate.cpp; the engine and the ball: animation/engine.cpp.
  void Animate_Click();
  void AnimateButton_Click();
  void animatePlay();

  FieldCanvas& canvas();
  // The path of the play list or the settings file (dataFilePath).
  QString dataPath(const QString& fileName) const;

 signals:
  // The program ends: every window closes.
  void programEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool mayLeave();
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildViewMenu();
  void buildFormationsMenu();
  void buildRoutesMenu();
  // The status bar's read-out: where the pointer is in yards from the ball
  // and what the tool expects next.
  void showReadout();
  QString toolHint() const;
  // A point where a press, a route point or a drag lands: on the yards'
  // grid while Snap to Yards is on.
  QPointF landing(QPointF point) const;
  QPoint snappedOffset(QPoint offset) const;
  void pressInRouteTool(QPointF at);
  void rightPressInFreeTool(QPointF at);
  void endRoute();
  void cancelRoute();
  void placeFormationAt(QPointF at);
  void listFormations();
  // Deletes the chosen players as one undo step of this name.
  void deleteChosen(const QString& text);
  // Adds the group at the anchor as one undo step and chooses its players;
  // a group that would pass maxPlayers is refused with a message.
  bool addGroup(const PlayerGroup& group, QPointF anchor, const QString& text);
  bool listedInMembers(const QString& title) const;
  bool listedBeyondMembers(const QString& title) const;
  void writePlayTo(const QString& chosen, bool listed);
  // Shows the Field in its look: in the classic look the canvas; in another,
  // the play drawn afresh from its data, or the frame of the run that last
  // drew on the canvas, with the football beside its player.
  void refreshLook();
  // How near a press must come to a player's centre to take him.
  double playerReachInLook() const;
  void connectHandlers();
  void giveMenusTheirAccessKeys();
  void orderTheKeyboardFocus();
  void setCaption();
  // Clears the Field's picture to its background and yard marks.
  void clearField();
  void endProgram();
  Answer ask(const Message& message);
  void refuse(const QString& text);

  void useCursor(const QString& fileName);
  void placePlayer(float x, float y);
  void addPathPoint(float x, float y);
  void showPathControls(bool visible);

  // An edit of the select tool or the Edit menu since before: marks the play
  // changed, draws it afresh and pushes the step, when there is a change.
  void finishEdit(const QString& text, const EditedPlay& before, std::optional<Selection> arrowRun = std::nullopt);
  // Pushes the change since before as one undo step, when there is one.
  void commitStep(const QString& text, const EditedPlay& before, std::optional<Selection> arrowRun = std::nullopt);
  // The step of a play read from its file, which is then the saved state.
  void commitRead(const QString& text, const EditedPlay& before);
  // The Field cleared to its marks and the play drawn on it as Open draws it.
  void redrawPlay();
  PlayRoles rolesInBoxes() const;
  // The roles a play file gets: those of the boxes once the play has roles of its own.
  PlayRoles rolesOfPlay() const;
  void showRoles(const PlayRoles& roles);
  // A player as the role boxes show him: " 10", or " 10 QB" when labelled.
  QString roleText(int player) const;
  void offerPasser(DropDownBox* box, const QString& placeholder);
  void takeLabelledQuarterback();
  // Sets the boxes and the mark as the program does, which gives the play no
  // roles of its own.
  void setRoleControls(const QString& quarterback, const QString& receiver, bool passing);
  // The football on the quarterback's box's player, as Reset places it.
  void placeFootballAsReset();
  void choose(const Selection& chosen);
  void clearSelection() { choose(Selection()); }
  void pressInSelectTool(QPointF at, bool shift);

  bool saveChangesFirst();
  // hadRoles, when asked, tells whether the file set the roles.
  bool takePlayFrom(const QString& path, ReadPolicy policy, bool* hadRoles = nullptr);
  // The play read, its roles when it had some, named by the file it came
  // from, on a Field cleared to its marks.
  void takeReadPlay(const Play& read, const std::optional<PlayRoles>& roles, const QString& fileName);
  // Shows a play taken as Open shows it: the ball as its roles say, the play drawn.
  void showOpenedPlay(bool hadRoles);
  void recoverPlay(const RecoveredPlay& copy);
  bool resetFromFile(const QString& path, bool* hadRoles = nullptr);
  void placeFootballOn(int player);
  // Moves the ball by its top-left corner; answers the area of the Field that
  // the ball left and took.
  QRegion moveFootball(QPointF corner);

  // Asks for the file to export to, proposing the play's name; with
  // playsPerPage (a playbook), the playbook's title, and the dialog offers
  // the plays a page, the one given first, and keeps the one taken there.
  QString askExportFile(const QString& title, const QString& filter, const QString& suffix,
                        int* playsPerPage = nullptr);
  // Makes an export's bytes and writes them away from the window's thread,
  // with a progress dialog; a failure says why, a cancelled export writes nothing.
  using ExportMaker = std::function<std::optional<QByteArray>(Progress& progress, QString* why)>;
  void exportFile(const QString& what, const QString& path, const ExportMaker& make);
  // The plays to print: those chosen in the playbook dock (or all it shows)
  // while it is open, else those of the play list; none, with a message,
  // when there are none.
  QList<PlaybookPlay> listedPlays();
  // How the playbook is printed: the plays a page last taken in the export
  // dialog or the print preview, in Paper or the football look, under the
  // folder's title and today's date.
  PlaybookLayout playbookLayout() const;

  Platform& platform_;
  std::unique_ptr<RecoveryCopies> recovery_;
  QTimer* recoveryTimer_;
  // The preview's play, its length and where it is: the time shown runs
  // from 0 to previewHeld + length + previewHeldAtEnd.
  struct PreviewState {
    PlayPicture picture;
    Timeline timeline;  // found once for all the preview's frames
    double at = 0;
    bool playing = true;
    bool footballShown = false;
  };
  std::optional<PreviewState> preview_;
  QTimer* previewTimer_;
  std::unique_ptr<QElapsedTimer> previewClock_;
  void buildPreview();
  void buildPlaybook();
  void previewTick();
  void showPreviewAt(double at);
  void stepPreview(double seconds);
  void playOrPausePreview();
  void placePreviewBar();
  ViewPreferences view_;
  double chosenZoom_ = 1;  // Zoom In, Zoom Out and Actual Size, while Zoom to Fit is off
  int playbookPerPage_ = usualPlaysPerPage;
  // What a press in editMode None does.
  enum class FreeTool { Select, Route, Formation };
  FreeTool freeTool_ = FreeTool::Select;
  // The route being drawn: its player, its points and the play before it.
  struct RouteDraft {
    int player = 0;
    QList<QPoint> points;
    EditedPlay before;
    bool dragging = false;
  };
  std::optional<RouteDraft> route_;
  std::optional<PlayerGroup> formationToPlace_;
  // The frame of the run that last drew on the canvas, until it is cleared.
  std::optional<int> runFrame_;
  bool animating_ = false;
  bool closeAfterRun_ = false;
  QList<RuleWarning> ruleWarnings_;
  QString againstShown_;                      // the defence View > Against shows
  std::optional<PlayerGroup> againstDefence_;
  bool pushingStep_ = false;
  // Whether the path being entered replaces one the player had.
  bool replacingPath_ = false;
  // Whether the play has roles of its own: read from its file, or set by the
  // user in the boxes or the mark since it was opened or made. Only then are
  // the boxes, left as they were by a file without roles, saved with it.
  bool playHasRoles_ = false;
  bool settingRoles_ = false;

  // A press of the select tool and what its drag does.
  struct Drag {
    enum Kind { Nothing, Players, Point, Band } kind = Nothing;
    QPoint from;
    EditedPlay before;
    PathPoint point{0, 0};
    bool shift = false;
    bool moved = false;
  };
  Drag drag_;
};
