#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "app/window/moxten.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <unistd.h>

namespace {

// A window holding one offence player at (115, 215) with a path of one move.
void placePlayer(TestWindow& w) {
  w->obox_Click();
  w.click(QPoint(100, 200));
  w->motion_Click();
  w->PlayerN->setEditText(QStringLiteral("1"));
  w->movements->setEditText(QStringLiteral("1"));
  w->Path_Click();
  w.click(QPoint(300, 215));
}

// Saving fails with a message naming the file; the play stays in memory and
// unsaved, and the file that was there stays whole.
void expectFailedSave(TestWindow& w, const QString& path, const QByteArray& oldBytes, const QString& why) {
  w.platform.messages.clear();
  w.platform.fileAnswers << path;
  w.platform.answers << Answer::Yes << Answer::Ok;
  w->save_Click();
  QCOMPARE(w.platform.texts(), (QStringList{"Overwrite File?", "The play could not be written to " + path + ": " + why + '.'}));
  QCOMPARE(w.platform.messages[1].icon, Icon::Critical);
  QCOMPARE(w->isSaved, flagFalse);
  QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
  QVERIFY(w->playerCount >= 1);
  QCOMPARE(w->players[1].x, 115);
  QCOMPARE(readBytes(path), oldBytes);
}

// Fills the file system that the file is on.
void fillDisk(const QString& path) {
  QFile filler(path);
  QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  for (const qsizetype size : {qsizetype(4096), qsizetype(1)}) {
    const QByteArray block(size, 'x');
    while (filler.write(block) == size) {
    }
  }
}

const QByteArray oldPlay = "1\r\nplayer,1, 3 \r\ncoord,40,50\r\nEND\r\n";

}  // namespace

class FailuresTest : public QObject {
  Q_OBJECT
 private slots:
  // The folder takes no new file, so the play is written into the old file
  // itself; a file that cannot be written either stays as it was.
  void saveIntoAFolderWithoutWritePermission() {
    if (geteuid() == 0) QSKIP("file permissions do not hold for root; run through run-restricted.sh");
    TestWindow w;
    placePlayer(w);
    const QString folder = w.platform.folder.filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/old.ply");
    const QByteArray longerOldPlay = oldPlay + QByteArray(200, ' ');
    writeBytes(path, longerOldPlay);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    w.platform.fileAnswers << path;
    w.platform.answers << Answer::Yes;
    w->save_Click();
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(readBytes(path),
             QByteArray("1\r\nplayer,1, 1 \r\ncoord,115,215\r\n0,115,215, 0 \r\n1,300,215, 0 \r\nEND\r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"old.ply"});
    writeBytes(path, oldPlay);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    w->isSaved = flagFalse;
    w->playFileName = QStringLiteral("Untitled");
    expectFailedSave(w, path, oldPlay, QStringLiteral("the file is read-only"));

    // An export is whole or not written: never in place, even where the old file could be.
    const QString picture = folder + QStringLiteral("/old.png");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    writeBytes(picture, "old picture");
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    w.platform.messages.clear();
    w.platform.fileAnswers << picture << picture;
    w.platform.answers << Answer::Ok << Answer::Ok;
    w->exportPicture->trigger();
    QCOMPARE(readBytes(picture), QByteArray("old picture"));
    QCOMPARE(w.platform.texts().value(0), QStringLiteral("The picture could not be exported to ") + picture +
                                              QStringLiteral(": the folder ") + folder +
                                              QStringLiteral(" cannot take a new file."));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(QFile::setPermissions(picture, QFileDevice::ReadOwner));
    w->exportPicture->trigger();
    QCOMPARE(w.platform.texts().value(1), QStringLiteral("The picture could not be exported to ") + picture +
                                              QStringLiteral(": the file is read-only."));
  }

  void saveOntoAFullDisk() {
    const QString disk = qEnvironmentVariable("MOXTEN_SMALL_DISK");
    if (disk.isEmpty()) QSKIP("no small file system to fill; run through run-restricted.sh");
    TestWindow w;
    placePlayer(w);
    w->XBox_MouseUp();
    for (int i = 0; i < 99; ++i) w->Field_MouseDown(1, 0, 10 + 5 * i, 400);
    const QString path = disk + QStringLiteral("/old.ply");
    writeBytes(path, oldPlay);
    const QString filler = disk + QStringLiteral("/filler");
    fillDisk(filler);
    expectFailedSave(w, path, oldPlay, QStringLiteral("no space left on the device"));
    QFile::remove(filler);
  }

  // The play is saved, and the user is told that its list line is not.
  void playListThatIsAFolderLosesOnlyTheListLine() {
    TestWindow w;
    const QString listPath = w.platform.dataFile(QStringLiteral("plays.ini"));
    QDir().mkpath(listPath);
    w->loadPlayList();
    placePlayer(w);
    const QString path = w.platform.folder.filePath(QStringLiteral("saved.ply"));
    w.platform.fileAnswers << path;
    w.platform.answers << Answer::Ok;
    w->save_Click();
    QCOMPARE(w.platform.texts(), QStringList{"The play was saved to " + path +
                                             ", but it could not be added to the play list " + listPath + '.'});
    QCOMPARE(w.platform.messages[0].icon, Icon::Warning);
    QCOMPARE(w->isSaved, flagTrue);
    QVERIFY(readBytes(path).startsWith("1\r\nplayer,1, 1 \r\n"));
    QVERIFY(QFileInfo(listPath).isDir());
  }

  // A list line that does not reach the disk whole is taken back, and the
  // fragment a list may end in never swallows the next line.
  void fullDiskUnderThePlayList() {
    const QString disk = qEnvironmentVariable("MOXTEN_SMALL_DISK");
    if (disk.isEmpty()) QSKIP("no small file system to fill; run through run-restricted.sh");
    TestWindow w;
    const QString dataFolder = w.platform.folder.filePath(QStringLiteral("data"));
    QDir(dataFolder).removeRecursively();
    QVERIFY(QDir().mkpath(disk + QStringLiteral("/data")));
    QVERIFY(QFile::link(disk + QStringLiteral("/data"), dataFolder));
    const QString listPath = w.platform.dataFile(QStringLiteral("plays.ini"));
    // Close to the end of a page, so that the next line needs a new one.
    QByteArray list;
    for (int i = 0; list.size() < 3900; ++i) list += "p" + QByteArray::number(i) + ".ply," + QByteArray(90, 'f') + "\r\n";
    list += QByteArray(4090 - list.size(), 'g');
    writeBytes(listPath, list);
    const QString filler = disk + QStringLiteral("/filler");
    fillDisk(filler);
    placePlayer(w);
    const QString path = w.platform.folder.filePath(QStringLiteral("saved.ply"));
    w.platform.fileAnswers << path;
    w.platform.answers << Answer::Ok;
    w->save_Click();
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].icon, Icon::Warning);
    QVERIFY(w.platform.messages[0].text.contains(listPath));
    QCOMPARE(readBytes(listPath), list);
    QVERIFY(QFile::remove(filler));
    w.platform.fileAnswers << path;
    w.platform.answers << Answer::Yes;
    w->save_Click();
    QCOMPARE(readBytes(listPath), list + ",\r\nsaved.ply," + path.toLocal8Bit() + "\r\n");
  }

  // Without data/ beside the program (an installed copy) the play list and
  // the settings live in the user's data folder; where that cannot be made,
  // Save still writes the play and warns that the list could not take it.
  void copyWithoutDataFolderKeepsItsFilesInTheUsersFolder() {
    FakePlatform platform;
    QDir(platform.folder.filePath(QStringLiteral("data"))).removeRecursively();
    Moxten window(platform);
    window.XBox_MouseUp();
    window.Field_MouseDown(1, 0, 100, 100);
    const QString path = platform.folder.filePath(QStringLiteral("saved.ply"));
    platform.fileAnswers << path;
    window.save_Click();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(readBytes(platform.userFile(QStringLiteral("plays.ini"))), "saved.ply," + path.toLocal8Bit() + "\r\n");
    window.panel_Click();
    window.configuration->Speed->setText(QStringLiteral("40"));
    window.configuration->Apply_Click();
    QVERIFY(readBytes(platform.userFile(QStringLiteral("config.ini"))).startsWith("speed, 40"));
    QVERIFY(!QDir(platform.folder.filePath(QStringLiteral("data"))).exists());

    const QString blocked = platform.folder.filePath(QStringLiteral("blocked"));
    writeBytes(blocked, "a file, not a folder");
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    window.Field_MouseDown(1, 0, 200, 100);
    platform.fileAnswers << path;
    platform.answers << Answer::Yes << Answer::Ok;
    window.save_Click();
    QCOMPARE(platform.messages.size(), 2);  // "Overwrite File?", then the play list cannot be written
    QCOMPARE(platform.messages[1].icon, Icon::Warning);
    QCOMPARE(window.isSaved, flagTrue);
    QCOMPARE(readBytes(path), QByteArray("2\r\nplayer,1, 3 \r\ncoord,115,115\r\nEND\r\nplayer,2, 3 \r\ncoord,215,115\r\nEND\r\n"));

    // With no usable home there is no data folder, and Save says why.
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    qputenv("XDG_DATA_HOME", "relative");
    window.Field_MouseDown(1, 0, 300, 100);
    platform.fileAnswers << path;
    platform.answers << Answer::Yes << Answer::Ok;
    window.save_Click();
    qputenv("HOME", home);
    QCOMPARE(platform.messages.size(), 4);
    QCOMPARE(platform.messages[3].text,
             QStringLiteral("The play was saved to ") + path +
                 QStringLiteral(", but it could not be added to the play list: there is no data folder to keep it "
                                "in: HOME is not set to an absolute path."));
    QVERIFY(!QFileInfo::exists(QStringLiteral("relative")));
  }
};

QTEST_MAIN(FailuresTest)
#include "test_failures.moc"
