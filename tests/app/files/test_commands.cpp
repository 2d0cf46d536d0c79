#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "core/files/playfile.h"
#include "core/files/recovery.h"
#include "core/settings/colors.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>

namespace {

const QByteArray twoPlayersText =
    "2\r\nplayer,1, 1 \r\ncoord,200,300\r\n0,200,300, 255 \r\n1,220,250, 255 \r\n2,240,200, 255 \r\nEND\r\n"
    "player,2, 3 \r\ncoord,260,180\r\nEND\r\n";

// A window with one offence player at (115, 215) with a red path of one move.
struct PlayWindow : TestWindow {
  PlayWindow() {
    window->obox_Click();
    click(QPoint(100, 200));
    window->motion_Click();
    window->PlayerN->setEditText(QStringLiteral("1"));
    window->movements->setEditText(QStringLiteral("1"));
    window->colorbox->setEditText(QStringLiteral("vbRed"));
    window->Path_Click();
    click(QPoint(115, 415));
  }

  QString playList() const { return platform.dataFile(QStringLiteral("plays.ini")); }

  void saveAs(const QString& path) {
    platform.fileAnswers << path;
    window->save_Click();
  }
};

const QByteArray onePlayerText = "1\r\nplayer,1, 1 \r\ncoord,115,215\r\n0,115,215, 255 \r\n1,115,415, 255 \r\nEND\r\n";

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void firstSaveWritesTheFileAndItsPlayListLine() {
    PlayWindow w;
    const QString path = w.file(QStringLiteral("a.ply"));
    w.saveAs(path);
    QCOMPARE(w.platform.fileRequests.size(), 1);
    const FileRequest& request = w.platform.fileRequests[0];
    QCOMPARE(request.title, QStringLiteral("Save Play...."));
    QCOMPARE(request.filter, QStringLiteral("Moxten Files (*.ply)|*.ply|"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("ply"));
    QCOMPARE(request.fileName, QStringLiteral("Untitled"));
    QCOMPARE(readBytes(path), onePlayerText);
    QCOMPARE(readBytes(w.playList()), "a.ply," + path.toLocal8Bit() + "\r\n");
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w->playFileName, path);
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + path);
    QVERIFY(w.platform.messages.isEmpty());
    // Dropping the list down shows the new title.
    w->plays->showPopup();
    QCOMPARE(w->plays->count(), 1);
    QCOMPARE(w->plays->itemText(0), QStringLiteral("a.ply"));
    QCOMPARE(w->plays->currentText(), QStringLiteral("Plays"));
    w->plays->hidePopup();
  }

  void savingAListedTitleAsksToOverwrite() {
    PlayWindow w;
    const QString path = w.file(QStringLiteral("a.ply"));
    w.saveAs(path);
    w.click(QPoint(115, 600));  // a colour-only click: no change
    w->obox_Click();
    w.click(QPoint(300, 300));
    w.platform.answers << Answer::No;
    w.saveAs(path);
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].text, QStringLiteral("Overwrite File?"));
    QCOMPARE(w.platform.messages[0].title, QStringLiteral("File"));
    QCOMPARE(w.platform.messages[0].buttons, Buttons::YesNo);
    QCOMPARE(w.platform.fileRequests.last().fileName, path);
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(readBytes(path), onePlayerText);
    w.platform.answers << Answer::Yes;
    w.saveAs(path);
    QVERIFY(readBytes(path).startsWith("2\r\n"));
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(readBytes(w.playList()).count('\n'), 1);
  }

  // "Overwrite File?" is asked only before a file that exists is replaced.
  void sameTitleInAnotherFolderKeepsTheFirstPath() {
    PlayWindow w;
    const QString first = w.file(QStringLiteral("a.ply"));
    w.saveAs(first);
    QDir(w.platform.folder.path()).mkdir(QStringLiteral("other"));
    const QString second = w.file(QStringLiteral("other/A.PLY"));
    w.saveAs(second);
    QVERIFY(w.platform.messages.isEmpty());
    QCOMPARE(readBytes(second), onePlayerText);
    QCOMPARE(w->playFileName, second);
    QCOMPARE(readBytes(w.playList()), "a.ply," + first.toLocal8Bit() + "\r\n");
  }

  void cancelledSaveChangesNothing() {
    PlayWindow w;
    w.saveAs(QString());
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QVERIFY(!QFile::exists(w.playList()));
  }

  void failedWriteSaysSoAndKeepsThePlayUnsaved() {
    PlayWindow w;
    writeBytes(w.file(QStringLiteral("blocker")), "a file, not a folder");
    const QString path = w.file(QStringLiteral("blocker/a.ply"));
    w.platform.answers << Answer::Ok;
    w.saveAs(path);
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
    QVERIFY(w.platform.messages[0].text.contains(path));
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QVERIFY(!QFile::exists(w.playList()));
  }

  // Names the play list could not hold are refused before anything is
  // written, with the same kind of message as a comma.
  void namesThePlayListCannotHoldAreRefused() {
    PlayWindow w;
    QDir(w.platform.folder.path()).mkdir(QStringLiteral("line\nend"));
    const QStringList refused = {w.file(QStringLiteral("left,right.ply")), w.file(QStringLiteral("\"quoted.ply")),
                                 w.file(QStringLiteral(" blank.ply")), w.file(QStringLiteral("line\nend/a.ply")),
                                 w.file(QStringLiteral("cr\rname.ply")), QStringLiteral(" relative/a.ply"),
                                 w.file(QString(4097, u'n'))};
    for (const QString& path : refused) {
      w.platform.messages.clear();
      w.platform.answers << Answer::Ok;
      w.saveAs(path);
      QCOMPARE(w.platform.messages.size(), 1);
      QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
      QVERIFY(w.platform.messages[0].text.startsWith("The play cannot be saved as " + path +
                                                     " because the play list cannot hold "));
      QVERIFY(!QFile::exists(path));
      QCOMPARE(w->isSaved, flagFalse);
    }
    QVERIFY(w.platform.messages[0].text.endsWith(QStringLiteral("a name longer than 4096 characters.")));
    QVERIFY(!QFile::exists(w.playList()));
    w.saveAs(w.file(QStringLiteral("inner \"quote.ply")));  // only a leading quote or blank is refused
    QCOMPARE(w->isSaved, flagTrue);
  }

  // An existing file is replaced only after the question, listed or not, and
  // a title listed beyond the hundredth entry is not listed twice.
  void existingFilesAreReplacedOnlyAfterTheQuestion() {
    PlayWindow w;
    const QString path = w.file(QStringLiteral("other.ply"));
    writeBytes(path, "someone else's file");
    w.platform.answers << Answer::No;
    w.saveAs(path);
    QCOMPARE(w.platform.texts(), QStringList{"Overwrite File?"});
    QCOMPARE(w.platform.messages[0].title, QStringLiteral("File"));
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(readBytes(path), QByteArray("someone else's file"));
    QVERIFY(!QFile::exists(w.playList()));

    QByteArray list;
    for (int i = 1; i <= 100; ++i) list += "p" + QByteArray::number(i) + ".ply,/x/p.ply\r\n";
    list += "other.ply," + path.toLocal8Bit() + "\r\n";
    writeBytes(w.playList(), list);
    w.platform.answers << Answer::Yes;
    w.saveAs(path);
    QCOMPARE(w.platform.texts(), (QStringList{"Overwrite File?", "Overwrite File?"}));
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(readBytes(path), onePlayerText);
    QCOMPARE(readBytes(w.playList()), list);
  }

  // Devices, FIFOs and folders are refused at once, as any unreadable file.
  void specialFilesAreRefusedAtOnce() {
    TestWindow w;
    const QString fifo = w.platform.folder.filePath(QStringLiteral("fifo.ply"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo, w.platform.folder.path()}) {
      w.platform.messages.clear();
      w.platform.fileAnswers << path;
      w.platform.answers << Answer::Ok;
      w->Open_Click();
      QCOMPARE(w.platform.texts(), QStringList{"The play could not be read from " + path + ": it is not a regular file."});
      QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    }
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "zero.ply,/dev/zero\r\n");
    w->loadPlayList();
    w->plays->setEditText(QStringLiteral("zero.ply"));
    w.platform.messages.clear();
    w.platform.answers << Answer::Ok;
    w->LoadPlay_Click();
    QCOMPARE(w.platform.texts(), QStringList{"The play could not be read from /dev/zero: it is not a regular file."});

    // A play list and settings file that are FIFOs are missing at start-up.
    QFile::remove(w.platform.dataFile(QStringLiteral("plays.ini")));
    for (const char* name : {"plays.ini", "config.ini"})
      QCOMPARE(mkfifo(QFile::encodeName(w.platform.dataFile(QLatin1String(name))).constData(), 0600), 0);
    w.open();
    QCOMPARE(w->plays->count(), 0);
    QCOMPARE(w->configuration->Speed->text(), QStringLiteral("20"));
  }

  void synchronizedSaveEvensOutThePathsInMemory() {
    PlayWindow w;
    w->configuration->Sync->setChecked(true);
    const QString path = w.file(QStringLiteral("s.ply"));
    w.saveAs(path);
    QCOMPARE(readBytes(path),
             QByteArray("1\r\nplayer,1, 1 \r\ncoord,115,215\r\n0,115,215, 255 \r\n1,115,282, 255 \r\n"
                        "2,115,348, 255 \r\n3,115,415, 255 \r\nEND\r\n"));
    QCOMPARE(w->moves[1][2].y, 348);
  }

  void openDrawsThePlayAndNamesIt() {
    TestWindow w;
    const QString path = w.platform.folder.filePath(QStringLiteral("two.ply"));
    writeBytes(path, twoPlayersText);
    w->XBox_MouseUp();
    w.click(QPoint(500, 500));  // unsaved changes are discarded without a question
    w->Quarterback->setEditText(QStringLiteral("1"));
    w.platform.fileAnswers << path;
    w->Open_Click();
    QCOMPARE(w.platform.fileRequests[0].title, QStringLiteral("Open Moxten File"));
    QCOMPARE(w.platform.fileRequests[0].fileName, QString());
    QCOMPARE(w.platform.fileRequests[0].filter, QStringLiteral("Moxten Files (*.ply)|*.ply|"));
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(w->playFileName, path);
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + path);
    QCOMPARE(w->isSaved, flagFalse);
    QCOMPARE(w->editMode, std::int16_t(PlaceDefence));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));  // a file without roles has none
    QCOMPARE(w.pixel(515, 515), fieldGreen);   // the discarded player is gone
    QCOMPARE(w.pixel(40, 1), yellow);          // marks drawn again
    QCOMPARE(w.pixel(210, 300), navy);         // the circle
    QCOMPARE(w.pixel(210, 275), vbRed);        // its path
    QCOMPARE(w.pixel(230, 225), vbRed);
    QCOMPARE(w.pixel(269, 189), navy);         // the X
    QCOMPARE(w.field().foreColor, navy);
    QVERIFY(w->football->isHidden());
    // An offence player's number is printed from the circle's centre.
    bool whiteNearCentre = false;
    for (int y = 300; y < 312; ++y)
      for (int x = 200; x < 214; ++x) whiteNearCentre |= w.pixel(x, y) == vbWhite;
    QVERIFY(whiteNearCentre);
  }

  void openShowsTheBallForAPassingPlayWithPlayers() {
    TestWindow w;
    const QString empty = w.platform.folder.filePath(QStringLiteral("empty.ply"));
    const QString two = w.platform.folder.filePath(QStringLiteral("two.ply"));
    writeBytes(empty, "0\r\n");
    writeBytes(two, twoPlayersText);
    w->PassingPlay->setChecked(true);
    w.platform.fileAnswers << empty << two;
    w->Open_Click();
    QVERIFY(w->football->isHidden());  // no players: visibility as it was
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + empty);
    w->Open_Click();
    QVERIFY(w->football->isVisible());
  }

  // Labels, route styles, call, note and ball-on travel with the play through
  // Open, a delete (with their players), undo and Save; New leaves none.
  void theFootballVocabularyTravelsWithThePlay() {
    TestWindow w;
    const QString path = w.file(QStringLiteral("spread.ply")), saved = w.file(QStringLiteral("saved.ply"));
    const QByteArray vocabulary = "label,1,X\r\nlabel,2,W/S\r\nroute,2,dashed,block\r\ncall,Spread Right\r\nball,35\r\n";
    writeBytes(path, twoPlayersText + vocabulary);
    w.platform.fileAnswers << path << saved;
    w->Open_Click();
    w->selectTool->trigger();
    w.click(QPoint(200, 300));
    w->deletePlayers->trigger();
    w->save_Click();
    QCOMPARE(readBytes(saved), "1\r\nplayer,1, 3 \r\ncoord,260,180\r\n0,260,180, 0 \r\nEND\r\nlabel,1,W/S\r\n"
                               "route,1,dashed,block\r\ncall,Spread Right\r\nball,35\r\n");
    w->undo->trigger();
    w.platform.answers << Answer::Yes;
    w.platform.fileAnswers << saved;
    w->save_Click();
    QVERIFY(readBytes(saved).endsWith("END\r\n" + vocabulary));
    w->newItem->trigger();
    w->obox_Click();
    w.click(QPoint(100, 100));
    w.platform.answers << Answer::Yes;
    w.platform.fileAnswers << saved;
    w->save_Click();
    QCOMPARE(readBytes(saved), QByteArray("1\r\nplayer,1, 1 \r\ncoord,115,115\r\nEND\r\n"));
  }

  // Roles from the file tick Passing Play and put the ball on the quarterback.
  void openPutsTheBallOnTheQuarterbackTheFileNames() {
    TestWindow w;
    const QString path = w.file(QStringLiteral("pass.ply"));
    writeBytes(path, twoPlayersText + "roles,2,1,-1\r\n");
    w.platform.fileAnswers << path;
    w->Open_Click();
    QVERIFY(w->PassingPlay->isChecked());
    QVERIFY(w->football->isVisible());
    QCOMPARE(w->football->pos(), QPoint(246, 166));  // 260 - 14.5 and 180 - 14.5, halves to even
  }

  // A play opened from a folder whose name the play list cannot hold is
  // saved again where it is, and left out of the list with the reason.
  void aPlayFromAFolderWithACommaIsSavedButNotListed() {
    PlayWindow w;
    QVERIFY(QDir(w.platform.folder.path()).mkdir(QStringLiteral("Red, Zone")));
    const QString path = w.platform.folder.filePath(QStringLiteral("Red, Zone/fade.ply"));
    writeBytes(path, twoPlayersText);
    writeBytes(w.playList(), "a.ply,/p/a.ply\r\n");
    w->openPlay(path);
    w->flipPlay_Click();
    w.platform.answers << Answer::Ok;
    w->saveAgain->trigger();
    QVERIFY(readBytes(path) != twoPlayersText);
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(readBytes(w.playList()), QByteArray("a.ply,/p/a.ply\r\n"));
    QCOMPARE(w.platform.texts(), QStringList({QStringLiteral("The play was saved to ") + path +
                                              QStringLiteral(", but the play list cannot hold a file name or folder "
                                                             "with a comma in it, so this play is not listed.")}));
  }

  // A play never carries the roles of the play before it: New and Load
  // Play of a play saved without roles show the boxes' placeholders.
  void rolesStayWithTheirPlay() {
    PlayWindow w;
    w->Quarterback->setEditText(QStringLiteral(" 1"));
    w->intended->setEditText(QStringLiteral(" 1"));
    w->PassingPlay->setChecked(true);
    w.saveAs(w.file(QStringLiteral("pass.ply")));
    QVERIFY(readBytes(w.file(QStringLiteral("pass.ply"))).endsWith("roles,1,1,-1\r\n"));
    w->new_Click();
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    QCOMPARE(w->intended->currentText(), QStringLiteral("Intended"));
    QVERIFY(!w->PassingPlay->isChecked());
    w->obox_Click();
    w.click(QPoint(100, 100));
    const QString run = w.file(QStringLiteral("run.ply"));
    w.saveAs(run);
    QCOMPARE(readBytes(run), QByteArray("1\r\nplayer,1, 1 \r\ncoord,115,115\r\nEND\r\n"));
    w.platform.fileAnswers << w.file(QStringLiteral("pass.ply"));
    w->Open_Click();
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral(" 1"));
    w->plays_DropDown();
    w->plays->setEditText(QStringLiteral("run.ply"));
    w->LoadPlay_Click();
    QCOMPARE(w->playFileName, run);
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    QCOMPARE(w->intended->currentText(), QStringLiteral("Intended"));
  }

  // Save proposes an untitled play's call as its file name; a saved play keeps its own.
  void saveProposesTheCall() {
    PlayWindow w;
    w->call = QStringLiteral("Trips Rt 62/Slant");
    w.platform.fileAnswers << QString();
    w->save_Click();
    QCOMPARE(w.platform.fileRequests.last().fileName, QStringLiteral("Trips Rt 62-Slant.ply"));
    const QString path = w.file(QStringLiteral("mine.ply"));
    w.saveAs(path);
    w.platform.fileAnswers << QString();
    w->save_Click();
    QCOMPARE(w.platform.fileRequests.last().fileName, path);
  }

  // With 100 plays listed, Save writes the play, lists nothing and says so.
  void aFullPlayListIsSaidAndLeftAsItIs() {
    PlayWindow w;
    QByteArray list;
    for (int i = 1; i <= 100; ++i) list += "p" + QByteArray::number(i) + ".ply,/x/p.ply\r\n";
    writeBytes(w.playList(), list);
    const QString path = w.file(QStringLiteral("new.ply"));
    w.platform.answers << Answer::Ok;
    w.saveAs(path);
    QCOMPARE(readBytes(path), onePlayerText);
    QCOMPARE(readBytes(w.playList()), list);
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w.platform.texts(), QStringList({QStringLiteral("The play was saved to ") + path +
                                              QStringLiteral(", but the play list is full: it holds 100 plays, so "
                                                             "this play is not listed.")}));
    QCOMPARE(w.platform.messages[0].icon, Icon::Warning);
  }

  // Unsaved work is kept in a recovery copy that another running program
  // never takes; a copy left by a program that ended is offered once.
  void unsavedWorkSurvivesAProgramThatEnded() {
    PlayWindow a;
    a->Quarterback->setEditText(QStringLiteral(" 1"));
    a->keepRecoveryCopy();
    a->recoveryCopies().finish();
    const QString copyPath = a->recoveryCopies().path();
    QCOMPARE(QFileInfo(copyPath).path(), QFileInfo(a.playList()).path());
    const std::optional<RecoveredPlay> kept = readRecoveryFile(copyPath);
    QVERIFY(kept);
    QCOMPARE(kept->fileName, QStringLiteral("Untitled"));
    QCOMPARE(kept->playText, onePlayerText + "roles,1,0,0\r\n");

    auto b = std::make_unique<Moxten>(a.platform);
    b->offerRecovery();  // a runs: its copy is not b's to take
    QVERIFY(a.platform.messages.isEmpty());
    const QString left = QFileInfo(copyPath).dir().filePath(QStringLiteral("recovery-left.mxr"));
    QFile::copy(copyPath, left);
    a.platform.answers << Answer::Yes;
    b->offerRecovery();
    QCOMPARE(a.platform.texts(), QStringList{"Moxten did not close properly. Recover the unsaved play?"});
    QCOMPARE(a.platform.messages[0].buttons, Buttons::YesNo);
    QCOMPARE(static_cast<Play&>(*b), static_cast<Play&>(*a.window));
    QCOMPARE(b->Quarterback->currentText(), QStringLiteral(" 1"));
    QCOMPARE(b->isSaved, flagFalse);
    QCOMPARE(b->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QVERIFY(!QFileInfo::exists(left));
    QCOMPARE(readRecoveryFile(b->recoveryCopies().path())->playText, kept->playText);
    b->undo->trigger();
    QCOMPARE(b->playerCount, std::int16_t(0));
    b->offerRecovery();  // asked once
    QCOMPARE(a.platform.messages.size(), 1);

    QFile::copy(copyPath, left);
    a.platform.answers << Answer::No;
    b->offerRecovery();
    QCOMPARE(b->playerCount, std::int16_t(0));
    QVERIFY(!QFileInfo::exists(left));
    const QString bCopy = b->recoveryCopies().path();
    b.reset();  // a clean exit takes its copy along
    QVERIFY(!QFileInfo::exists(bCopy));

    a.saveAs(a.file(QStringLiteral("saved.ply")));
    a->recoveryCopies().finish();
    QVERIFY(!QFileInfo::exists(copyPath));
  }

  void openThatCannotReadSaysSoAndKeepsThePlay() {
    PlayWindow w;
    const QImage before = w.field().image().copy();
    const QString missing = w.file(QStringLiteral("missing.ply"));
    const QString empty = w.file(QStringLiteral("empty.ply"));
    writeBytes(empty, "");
    w.platform.fileAnswers << missing << empty << QString();
    w.platform.answers << Answer::Ok << Answer::Ok;
    w->Open_Click();
    w->Open_Click();
    w->Open_Click();
    QCOMPARE(w.platform.texts().size(), 2);
    QVERIFY(w.platform.messages[0].text.contains(missing));
    QVERIFY(w.platform.messages[1].text.contains(empty));
    QCOMPARE(w->playerCount, std::int16_t(1));
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w.field().image(), before);
  }

  void openDrawsOnlyThreeSegmentsOfALongPath() {
    TestWindow w;
    const QString path = w.platform.folder.filePath(QStringLiteral("long.ply"));
    writeBytes(path, "1\r\nplayer,1, 2 \r\ncoord,100,100\r\n0,100,100, 16711680 \r\n1,200,100, 16711680 \r\n"
                     "2,300,100, 16711680 \r\n3,400,100, 16711680 \r\n4,500,100, 16711680 \r\nEND\r\n");
    w.platform.fileAnswers << path;
    w->Open_Click();
    QCOMPARE(w.pixel(350, 100), vbBlue);
    QCOMPARE(w.pixel(450, 100), fieldGreen);
    QCOMPARE(w->moves[1][4].x, 500);
  }

  void newClearsThePlayButNotItsSavedFlag() {
    PlayWindow w;
    w->PassingPlay->setChecked(true);
    w->football->show();
    w->new_Click();
    QCOMPARE(w->playerCount, std::int16_t(0));
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QCOMPARE(w->isSaved, flagFalse);
    QVERIFY(!w->PassingPlay->isChecked());
    QVERIFY(w->football->isHidden());
    QCOMPARE(w->players[1].x, 0);
    QCOMPARE(w->moves[1][1].y, 0);
    QCOMPARE(w->players[1].kind, std::int16_t(Offence));
    QCOMPARE(w->players[1].color, vbRed);
    QCOMPARE(w.pixel(115, 300), fieldGreen);
    QCOMPARE(w.pixel(40, 1), yellow);
    QCOMPARE(w.field().foreColor, navy);
  }

  void resetRedrawsTheSavedPlayWithTheBallOnTheQuarterback() {
    PlayWindow w;
    const QString path = w.file(QStringLiteral("r.ply"));
    w.saveAs(path);
    w->canvas().line(0, 600, 600, 600);
    w->PassingPlay->setChecked(true);
    w->Quarterback->setEditText(QStringLiteral("1"));
    w->obox_Click();
    QTest::mouseClick(w->ResetButton, Qt::LeftButton);
    QVERIFY(w.platform.messages.isEmpty());
    QCOMPARE(w.pixel(300, 600), fieldGreen);
    QCOMPARE(w.pixel(125, 215), navy);
    QCOMPARE(w.pixel(115, 300), vbRed);
    QVERIFY(w->football->isVisible());
    QCOMPARE(w->football->pos(), QPoint(100, 200));  // 115 - 14.5 and 215 - 14.5, halves to even
    QCOMPARE(w->editMode, std::int16_t(PlaceOffence));
    QCOMPARE(w->isSaved, flagTrue);
    w->Quarterback->setEditText(QStringLiteral("QuarterBack"));
    w->Reset->trigger();
    QCOMPARE(w->football->pos(), QPoint(-14, -14));
    w->Quarterback->setEditText(QStringLiteral("500"));
    w->PassingPlay->setChecked(false);
    w->Reset_Click();
    QCOMPARE(w->football->pos(), QPoint(-14, -14));
    QVERIFY(w->football->isHidden());
  }

  void resetWithUnsavedChangesAsksToSaveFirst() {
    PlayWindow w;
    w.platform.answers << Answer::Cancel;
    w->Reset_Click();
    QCOMPARE(w.platform.messages[0].text, QStringLiteral("You must save changes before continuing."));
    QCOMPARE(w.platform.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(w.platform.messages[0].title, QStringLiteral("Moxten"));
    QCOMPARE(w->playerCount, std::int16_t(1));
    // OK opens the save dialog proposing "Untitled"; cancelling it leaves the play.
    w.platform.answers << Answer::Ok;
    w.platform.fileAnswers << QString();
    const QImage before = w.field().image().copy();
    w->Reset_Click();
    QCOMPARE(w.platform.fileRequests[0].fileName, QStringLiteral("Untitled"));
    QCOMPARE(w.field().image(), before);
    QCOMPARE(w->moves[1][1].y, 415);
    // OK and a save: the saved play is read back.
    const QString path = w.file(QStringLiteral("saved.ply"));
    w.platform.answers << Answer::Ok;
    w.platform.fileAnswers << path;
    w->Reset_Click();
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w->playFileName, path);
    QCOMPARE(w.platform.messages.size(), 3);
  }

  void resetOfAnUnreadableFileKeepsThePlay() {
    PlayWindow w;
    const QString path = w.file(QStringLiteral("gone.ply"));
    w.saveAs(path);
    QFile::remove(path);
    const QImage before = w.field().image().copy();
    w.platform.answers << Answer::Ok;
    w->Reset_Click();
    QVERIFY(w.platform.messages[0].text.contains(path));
    QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
    QCOMPARE(w->playerCount, std::int16_t(1));
    QCOMPARE(w->players[1].x, 115);
    QCOMPARE(w.field().image(), before);
    writeBytes(path, "3\r\nplayer,1, 1 \r\ncoord,1,2\r\nEND\r\n");  // fails the strict reading
    w.platform.answers << Answer::Ok;
    w->Reset_Click();
    QCOMPARE(w->players[1].x, 115);
    QCOMPARE(w.field().image(), before);
  }

  void loadPlayReadsTheListedFile() {
    TestWindow w;
    const QString two = w.platform.folder.filePath(QStringLiteral("two.ply"));
    writeBytes(two, twoPlayersText);
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "two.ply," + two.toLocal8Bit() + "\r\n");
    w->plays->showPopup();
    w->plays->hidePopup();
    w->PassingPlay->setChecked(true);
    w->plays->setEditText(QStringLiteral("TWO.PLY"));
    QTest::mouseClick(w->LoadPlay, Qt::LeftButton);
    QCOMPARE(w->playerCount, std::int16_t(0));  // the title is matched exactly
    w->plays->setCurrentIndex(0);
    QTest::mouseClick(w->LoadPlay, Qt::LeftButton);
    QCOMPARE(w->playerCount, std::int16_t(2));
    QCOMPARE(w->playFileName, two);
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..") + two);
    QVERIFY(!w->PassingPlay->isChecked());
    QVERIFY(w->football->isVisible());  // as the box stood during the reset
    QCOMPARE(w.pixel(210, 275), vbRed);
    QVERIFY(w.platform.messages.isEmpty());
  }

  void loadPlayWithUnsavedChangesSavesTheCurrentPlayFirst() {
    PlayWindow w;
    const QString two = w.file(QStringLiteral("two.ply"));
    writeBytes(two, twoPlayersText);
    writeBytes(w.playList(), "two.ply," + two.toLocal8Bit() + "\r\n");
    w->loadPlayList();
    w->plays->setEditText(QStringLiteral("two.ply"));
    w->PassingPlay->setChecked(true);
    // Cancel changes nothing at all.
    w.platform.answers << Answer::Cancel;
    w->LoadPlay_Click();
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QVERIFY(w->PassingPlay->isChecked());
    QCOMPARE(w->playerCount, std::int16_t(1));
    // OK saves the current play under its own name, then loads the listed one.
    const QString mine = w.file(QStringLiteral("mine.ply"));
    w.platform.answers << Answer::Ok;
    w.platform.fileAnswers << mine;
    w->LoadPlay_Click();
    QCOMPARE(w.platform.fileRequests[0].fileName, QStringLiteral("Untitled"));
    // Ticked with no quarterback or receiver named: the roles line says only that.
    QCOMPARE(readBytes(mine), onePlayerText + "roles,0,0,-1\r\n");
    QCOMPARE(readBytes(two), twoPlayersText);
    QCOMPARE(w->playFileName, two);
    QCOMPARE(w->playerCount, std::int16_t(2));
    QVERIFY(!w->PassingPlay->isChecked());
  }

  void loadPlayOfADeletedFileKeepsThePlay() {
    PlayWindow w;
    const QString mine = w.file(QStringLiteral("mine.ply"));
    w.saveAs(mine);
    writeBytes(w.playList(), "gone.ply,/nowhere/gone.ply\r\n");
    w->loadPlayList();
    w->plays->setEditText(QStringLiteral("gone.ply"));
    w.platform.answers << Answer::Ok;
    w->LoadPlay_Click();
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w->playFileName, mine);
    QCOMPARE(w->playerCount, std::int16_t(1));
  }

  void anyFileCanBeOpenedResetAndLoaded() {
    TestWindow w;
    const QList<QByteArray> bad = {
        QByteArray(),
        QByteArray("\x00\x01\x02\xff\xfe", 5),
        "2\r\nplayer,1, 1 \r\ncoord,200",
        "32000\r\nplayer,1,1\r\n",
        "-5\r\n",
        "1\r\nplayer,1,1\r\ncoord,-2147483648,2147483647\r\n99,1,1,1\r\nEND\r\n",
        "1\r\nplayer,1,1\r\ncoord,12345678901,5\r\n0,1,1,99999999999\r\n",
        "3\nplayer,1,1\ncoord,5,5\n0,5,5,255\nplayer,2,2\n",
        QByteArray(100000, '7'),
        QByteArray(5000, ','),
    };
    const QString path = w.platform.folder.filePath(QStringLiteral("bad.ply"));
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "bad.ply," + path.toLocal8Bit() + "\r\n");
    w->loadPlayList();
    w->plays->setEditText(QStringLiteral("bad.ply"));
    for (const QByteArray& bytes : bad) {
      writeBytes(path, bytes);
      w.platform.fileAnswers << path;
      for (int i = 0; i < 3; ++i) w.platform.answers << Answer::Ok;
      w->Open_Click();
      w->isSaved = flagTrue;
      w->Reset_Click();
      w->LoadPlay_Click();
      QVERIFY(w->playerCount >= 0 && w->playerCount <= 100);
      w.platform.answers.clear();
    }
    // The program goes on working.
    w->new_Click();
    w->obox_Click();
    w.click(QPoint(100, 100));
    QCOMPARE(w->playerCount, std::int16_t(1));
  }

  void playListLoadingHandlesOddFiles() {
    TestWindow w;
    QByteArray many;
    for (int i = 1; i <= 130; ++i) many += "p" + QByteArray::number(i) + ".ply,/x/p.ply\r\n";
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), many);
    w->plays_DropDown();
    QCOMPARE(w->playListCount, std::int16_t(100));
    QCOMPARE(w->plays->count(), 100);
    QCOMPARE(w->playListNames[100], QStringLiteral("p100.ply"));
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "a.ply,/a.ply\r\n\r\nb.ply\r\n");
    w->plays_DropDown();
    QVERIFY(w->playListCount <= 2);
    QFile::remove(w.platform.dataFile(QStringLiteral("plays.ini")));
    QDir().mkpath(w.platform.dataFile(QStringLiteral("plays.ini")));  // a folder in its place
    w->plays_DropDown();
    QCOMPARE(w->plays->count(), 0);
  }
};

QTEST_MAIN(FileCommandsTest)
#include "test_commands.moc"
