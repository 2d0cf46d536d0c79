#include "core/drawing/playbook.h"
#include "core/files/filenames.h"
#include "core/files/playfile.h"
#include "core/files/playbookfolder.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

enum class Target { Missing, Regular, Folder, Fifo, Device, Link, DanglingLink, OthersLinkInSharedFolder, OwnLinkInSharedFolder, LongName };

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The names in a folder as the file system holds them (Qt's own listing
// cannot show a name that is not UTF-8).
QList<QByteArray> entriesOf(const QString& folder) {
  QList<QByteArray> names;
  DIR* listing = ::opendir(QFile::encodeName(folder).constData());
  while (const dirent* entry = listing ? ::readdir(listing) : nullptr)
    if (QByteArray(entry->d_name) != "." && QByteArray(entry->d_name) != "..") names << entry->d_name;
  if (listing) ::closedir(listing);
  return names;
}

}  // namespace

Q_DECLARE_METATYPE(Target)

class WritingTest : public QObject {
  Q_OBJECT
 private slots:
  void writesOnlyRegularFilesOfTheUsersChoosing_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("refusal");  // empty: written
    QTest::newRow("a new file") << Target::Missing << QString();
    QTest::newRow("a regular file") << Target::Regular << QString();
    QTest::newRow("a folder") << Target::Folder << QStringLiteral("it is a folder");
    const QString special = QStringLiteral("it is not a regular file (a device, a FIFO or a socket)");
    QTest::newRow("a FIFO") << Target::Fifo << special;
    QTest::newRow("a device (root only)") << Target::Device << special;
    QTest::newRow("a link to the user's file") << Target::Link << QString();
    QTest::newRow("a link to no file yet") << Target::DanglingLink << QString();
    QTest::newRow("another user's link in a shared folder (root only)")
        << Target::OthersLinkInSharedFolder
        << QStringLiteral("it is a symbolic link that another user made in a folder everyone can write");
    QTest::newRow("the user's own link in a shared folder") << Target::OwnLinkInSharedFolder << QString();
    QTest::newRow("a name longer than the system allows")
        << Target::LongName << QStringLiteral("the file name is longer than the system allows");
  }

  // Each target is written or refused with its reason; a refused one, and
  // what a refused link points to, stay exactly as they were.
  void writesOnlyRegularFilesOfTheUsersChoosing() {
    QFETCH(Target, target);
    QFETCH(QString, refusal);
    QTemporaryDir folder;
    const QString aside = folder.filePath(QStringLiteral("aside"));
    writeAll(aside, "aside");
    const QString shared = folder.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkdir(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    QString path = folder.filePath(QStringLiteral("out.png"));
    const QByteArray name = QFile::encodeName(path);
    switch (target) {
      case Target::Missing: break;
      case Target::Regular: writeAll(path, "old"); break;
      case Target::Folder: QVERIFY(QDir().mkdir(path)); break;
      case Target::Fifo: QVERIFY(::mkfifo(name.constData(), 0600) == 0); break;
      case Target::Device:
        if (::geteuid() != 0) QSKIP("making a device takes root");
        QVERIFY(::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 7)) == 0);  // a copy of /dev/full
        break;
      case Target::Link: QVERIFY(QFile::link(aside, path)); break;
      case Target::DanglingLink: QVERIFY(QFile::link(folder.filePath(QStringLiteral("later")), path)); break;
      case Target::OthersLinkInSharedFolder:
        if (::geteuid() != 0) QSKIP("a link of another user takes root to make");
        path = shared + QStringLiteral("/out.png");
        QVERIFY(QFile::link(aside, path));
        QVERIFY(::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        break;
      case Target::OwnLinkInSharedFolder:
        path = shared + QStringLiteral("/out.png");
        QVERIFY(QFile::link(aside, path));
        break;
      case Target::LongName: path = folder.filePath(QString(300, u'n')); break;
    }
    QCOMPARE(writeRefusal(path), refusal);
    QString why;
    QCOMPARE(writeExport(path, "new", &why), refusal.isEmpty());
    QCOMPARE(why, refusal);
    const bool throughLink = target == Target::Link || target == Target::OwnLinkInSharedFolder;
    QCOMPARE(readAll(aside), QByteArray(throughLink ? "new" : "aside"));
    if (refusal.isEmpty()) QCOMPARE(readAll(path), QByteArray("new"));
    if (target == Target::Fifo) QVERIFY(QFileInfo(path).isFile() == false && QFileInfo::exists(path));
  }

  void namesKeepTheFileSystemsBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("escaped");  // bytes that are not UTF-8
    QTest::newRow("ASCII") << QByteArray("play.ply") << 0;
    QTest::newRow("UTF-8 of two, three and four bytes") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8f\x88") << 0;
    QTest::newRow("Latin-1") << QByteArray("caf\xe9.ply") << 1;
    QTest::newRow("a byte that starts nothing") << QByteArray("\xff\xfe") << 2;
    QTest::newRow("a sequence cut short at the end") << QByteArray("a\xc3") << 1;
    QTest::newRow("an overlong form") << QByteArray("\xc0\xaf") << 2;
    QTest::newRow("a surrogate in UTF-8") << QByteArray("\xed\xa0\x80") << 3;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << 4;
  }

  // Every name comes back to its bytes, a file of it is written and read
  // under exactly those bytes, and Qt reaches it where its bytes are UTF-8.
  void namesKeepTheFileSystemsBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, escaped);
    const QString name = nameFromFileSystem(bytes);
    QCOMPARE(fileSystemName(name), bytes);
    QCOMPARE(qtReaches(name), escaped == 0);
    int lone = 0;
    for (const QChar c : name) lone += c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
    QCOMPARE(lone, escaped);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QString why;
    QVERIFY2(writeExport(path, "new", &why), qPrintable(why));
    QCOMPARE(readRegularFile(path)->bytes, QByteArray("new"));
    QCOMPARE(entriesOf(folder.path()), QList<QByteArray>{bytes});  // no temporary file stays
    QCOMPARE(::unlink((QFile::encodeName(folder.path()) + '/' + bytes).constData()), 0);
  }

  // An export into a folder that is not there says which; nothing is written.
  // A playbook folder lists its plays as a file manager does (case aside,
  // numbers by their value) and takes its title from the first line of its
  // title file, at most 120 characters, else from the folder's name.
  void aPlaybookFolderIsOrderedAndTitled_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QByteArray>("titleFile");  // "(folder)" for a folder of that name
    QTest::addColumn<QString>("title");
    const QString folder = QStringLiteral("Eagles");
    QTest::newRow("numbers by value") << QStringList{"Run 10", "Run 9", "Run 100"}
                                      << QStringList{"Run 9", "Run 10", "Run 100"} << QByteArray() << folder;
    QTest::newRow("a name before a longer one") << QStringList{"Fade copy", "Fade"} << QStringList{"Fade", "Fade copy"}
                                                << QByteArray("Red Zone\n") << QStringLiteral("Red Zone");
    QTest::newRow("case aside") << QStringList{"b", "A", "c"} << QStringList{"A", "b", "c"}
                                << QByteArray("  Spread  \nsecond line") << QStringLiteral("Spread");
    QTest::newRow("leading zeros") << QStringList{"Play 010", "Play 9", "Play 07"}
                                   << QStringList{"Play 07", "Play 9", "Play 010"} << QByteArray(" \n") << folder;
    QTest::newRow("a long title") << QStringList{"Z"} << QStringList{"Z"} << QByteArray(200, 'T')
                                  << QString(120, u'T');
    QTest::newRow("a folder named as the title file") << QStringList() << QStringList() << QByteArray("(folder)")
                                                      << folder;
  }
  void aPlaybookFolderIsOrderedAndTitled() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, listed);
    QFETCH(QByteArray, titleFile);
    QFETCH(QString, title);
    QTemporaryDir temporary;
    const QDir root(temporary.filePath(QStringLiteral("Eagles")));
    QVERIFY(root.mkpath(QStringLiteral(".")));
    for (const QString& name : names) writeAll(root.filePath(name + QStringLiteral(".ply")), "1\r\n");
    if (titleFile == "(folder)") QVERIFY(root.mkdir(playbookTitleFile));
    else if (!titleFile.isEmpty()) writeAll(root.filePath(playbookTitleFile), titleFile);
    const PlaybookFolder folder = scanPlaybookFolder(root.path());
    QStringList got;
    for (const FolderPlay& play : folder.plays) got << play.name;
    QCOMPARE(got, listed);
    QCOMPARE(folder.title, title);
    if (titleFile == "(folder)") return;
    QString why;
    QVERIFY(writePlaybookTitle(root.path(), folder.title, &why));  // what is written reads back the same
    QCOMPARE(scanPlaybookFolder(root.path()).title, title);
  }

  // A play whose file name is not UTF-8 is listed, shown with a replacement
  // character, its path keeping the bytes so that it still opens; a
  // category of such a name is named as one the dock cannot list.
  void namesThatAreNotUtf8AreKeptOrNamed() {
    QTemporaryDir temporary;
    const QByteArray root = QFile::encodeName(temporary.path());
    QVERIFY(QDir(temporary.path()).mkdir(QStringLiteral("Runs")));
    for (const QByteArray& name : {QByteArray("/Dive\xff.ply"), QByteArray("/Runs/Sweep\xc3.ply"), QByteArray("/Good.ply"),
                                   QByteArray("/notes\xff.txt")}) {
      std::FILE* file = std::fopen((root + name).constData(), "w");
      QVERIFY(file);
      std::fputs("1\r\nplayer,1, 2 \r\ncoord,800,600\r\nEND\r\n", file);
      std::fclose(file);
    }
    QCOMPARE(::mkdir((root + "/Red\xfe").constData(), 0700), 0);
    const PlaybookFolder folder = scanPlaybookFolder(temporary.path());
    QStringList names;
    for (const FolderPlay& play : folder.plays) {
      names << play.category + u'/' + play.name;
      Play read;
      QVERIFY2(readPlayFile(play.path, ReadPolicy::Strict, read) && read.playerCount == 1, qPrintable(play.name));
    }
    QCOMPARE(names, QStringList({QStringLiteral("/Dive\uFFFD"), QStringLiteral("/Good"), QStringLiteral("Runs/Sweep\uFFFD")}));
    QCOMPARE(folder.unreadableNames, QStringList{QStringLiteral("Red\uFFFD")});
  }

  // A call proposed as its play's file name: what a file name or the play
  // list cannot hold becomes "-".
  void callsBecomeFileNames_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Trips Right 62 Slant" << "Trips Right 62 Slant";
    QTest::newRow("a slash") << "Z Post/Wheel" << "Z Post-Wheel";
    QTest::newRow("Windows' own") << "A\\B:C*D?E\"F<G>H|I" << "A-B-C-D-E-F-G-H-I";
    QTest::newRow("a comma, for the play list") << "Red, 62" << "Red- 62";
  }

  void callsBecomeFileNames() {
    QFETCH(QString, call);
    QFETCH(QString, name);
    QCOMPARE(fileNameOfCall(call), name);
  }

  // A play list of more than 100 entries says what it leaves out.
  void aLongPlayListSaysWhatItLeavesOut_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("said");
    const QString first = QStringLiteral("the play list holds %1 plays: only the first 100 are taken, so ");
    QTest::newRow("100") << 100 << QString();
    QTest::newRow("101") << 101 << first.arg(101) + QStringLiteral("p101 is left out");
    QTest::newRow("103") << 103 << first.arg(103) + QStringLiteral("p101, p102 and p103 are left out");
    QTest::newRow("112") << 112
                         << first.arg(112) + QStringLiteral("p101, p102, p103, p104, p105, p106, p107, p108, p109, p110 "
                                                            "and 2 more are left out");
  }

  void aLongPlayListSaysWhatItLeavesOut() {
    QFETCH(int, entries);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QByteArray list;
    for (int i = 1; i <= entries; ++i) list += "p" + QByteArray::number(i) + ",/none/p.ply\r\n";
    writeAll(folder.filePath(QStringLiteral("plays.ini")), list);
    QString why;
    QStringList leftOut;
    QCOMPARE(readPlaybook(folder.filePath(QStringLiteral("plays.ini")), &why, &leftOut).size(), 100);
    QCOMPARE(leftOutOfPlayList(leftOut), said);
  }

  void exportsSayWhichFolderIsMissing() {
    QTemporaryDir folder;
    QString why;
    QVERIFY(!writeExport(folder.filePath(QStringLiteral("none/out.gif")), "new", &why));
    QCOMPARE(why, QStringLiteral("the folder ") + folder.filePath(QStringLiteral("none")) + QStringLiteral(" does not exist"));
  }
};

QTEST_GUILESS_MAIN(WritingTest)
#include "test_writing.moc"
