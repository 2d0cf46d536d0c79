#include "app/controls.h"
#include "settings/configuration.h"
#include "support/window.h"

#include <QDir>
#include <QFile>
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
void expectFailedSave(TestWindow& w, const QString& path, const QByteArray& oldBytes) {
  w.platform.fileAnswers << path;
  w.platform.answers << Answer::Ok;
  w->save_Click();
  QCOMPARE(w.platform.messages.size(), 1);
  QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
  QVERIFY(w.platform.messages[0].text.contains(path));
  QCOMPARE(w->isSaved, flagFalse);
  QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
  QVERIFY(w->playerCount >= 1);
  QCOMPARE(w->players[1].x, 115);
  QCOMPARE(readBytes(path), oldBytes);
}

const QByteArray oldPlay = "1\r\nplayer,1, 3 \r\ncoord,40,50\r\nEND\r\n";

}  // namespace

class FailuresTest : public QObject {
  Q_OBJECT
 private slots:
  void saveIntoAFolderWithoutWritePermission() {
    if (geteuid() == 0) QSKIP("file permissions do not hold for root; run through run-restricted.sh");
    TestWindow w;
    placePlayer(w);
    const QString folder = w.platform.folder.filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/old.ply");
    writeBytes(path, oldPlay);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectFailedSave(w, path, oldPlay);
    QVERIFY(!QFile::exists(w.platform.dataFile(QStringLiteral("plays.ini"))));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    {
      QFile filler(disk + QStringLiteral("/filler"));
      QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
      for (const qsizetype size : {qsizetype(4096), qsizetype(1)}) {
        const QByteArray block(size, 'x');
        while (filler.write(block) == size) {
        }
      }
    }
    expectFailedSave(w, path, oldPlay);
  }

  void playListThatIsAFolderLosesOnlyTheListLine() {
    TestWindow w;
    QDir().mkpath(w.platform.dataFile(QStringLiteral("plays.ini")));
    w->loadPlayList();
    placePlayer(w);
    const QString path = w.platform.folder.filePath(QStringLiteral("saved.ply"));
    w.platform.fileAnswers << path;
    w->save_Click();
    QVERIFY(w.platform.messages.isEmpty());
    QCOMPARE(w->isSaved, flagTrue);
    QVERIFY(readBytes(path).startsWith("1\r\nplayer,1, 1 \r\n"));
    QVERIFY(QFileInfo(w.platform.dataFile(QStringLiteral("plays.ini"))).isDir());
  }

  void missingDataFolderStillSavesPlays() {
    FakePlatform platform;
    QDir(platform.folder.filePath(QStringLiteral("data"))).removeRecursively();
    Moxten window(platform);
    window.XBox_MouseUp();
    window.Field_MouseDown(1, 0, 100, 100);
    const QString path = platform.folder.filePath(QStringLiteral("saved.ply"));
    platform.fileAnswers << path;
    window.save_Click();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(window.isSaved, flagTrue);
    QCOMPARE(readBytes(path), QByteArray("1\r\nplayer,1, 3 \r\ncoord,115,115\r\nEND\r\n"));
    QVERIFY(!QDir(platform.folder.filePath(QStringLiteral("data"))).exists());
    // Apply has nowhere to write the settings: it says so and keeps the dialog open.
    window.panel_Click();
    window.configuration->Speed->setText(QStringLiteral("40"));
    platform.answers << Answer::Ok;
    window.configuration->Apply_Click();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("config.ini")));
    QVERIFY(window.configuration->isVisible());
    QCOMPARE(window.configuration->Speed->text(), QStringLiteral("40"));
  }
};

QTEST_MAIN(FailuresTest)
#include "test_failures.moc"
