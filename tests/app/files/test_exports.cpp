#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/controls.h"
#include "app/widgets/playbookdock.h"
#include "core/animation/timeline.h"
#include "core/animation/video.h"
#include "core/drawing/picture.h"
#include "core/files/playfile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QImageReader>
#include <QListView>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QLineF>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A passing play saved as pass.ply and shown as Reset shows it: an offence
// player with a red path of three moves, a centre and a defence player, the
// centre passing to the offence player.
struct PassWindow : TestWindow {
  QString path;

  PassWindow() {
    window->obox_Click();
    click(QPoint(100, 300));
    window->sbox_Click();
    click(QPoint(140, 300));
    window->XBox_MouseUp();
    click(QPoint(400, 200));
    window->motion_Click();
    window->PlayerN->setEditText(QStringLiteral("1"));
    window->movements->setEditText(QStringLiteral("3"));
    window->colorbox->setEditText(QStringLiteral("vbRed"));
    window->Path_Click();
    clickAll({QPoint(115, 200), QPoint(300, 150), QPoint(500, 100)});
    window->Quarterback->setEditText(QStringLiteral(" 2"));
    window->intended->setEditText(QStringLiteral(" 1"));
    window->PassingPlay->setChecked(true);
    path = platform.folder.filePath(QStringLiteral("pass.ply"));
    platform.fileAnswers << path;
    window->save_Click();
    window->Reset_Click();
  }

  // The Field as the screen shows it, the football included.
  QImage shown() const { return window->Field->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The page objects of a PDF document.
int pdfPages(const QByteArray& pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The program on the command line with no display and no Qt platform set,
// copied with its video module into the fake desktop's folder, so that it
// keeps its files in the same data folder as the test's window.
struct CommandRun : QProcess {
  QString program;

  explicit CommandRun(const FakePlatform& platform) : program(platform.folder.filePath(QStringLiteral("moxten"))) {
    QFile::copy(QStringLiteral(MOXTEN_PROGRAM), program);
    QFile::copy(QStringLiteral(MOXTEN_VIDEO_MODULE),
                platform.folder.filePath(QFileInfo(QStringLiteral(MOXTEN_VIDEO_MODULE)).fileName()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QLatin1String(name));
    setProcessEnvironment(environment);
  }
  int run(const QStringList& arguments) {
    start(program, arguments);
    return waitForFinished(20000) ? exitCode() : -1;
  }
};

// A menu as it draws itself when pulled down.
QImage menuPicture(QMenu* menu) {
  menu->popup(QPoint(0, 0));
  const QImage shot = menu->grab().toImage();
  menu->hide();
  return shot;
}

// The words of a PDF document as poppler-utils' pdftotext reads them, with
// its options (-layout, a page range) when given.
QByteArray pdfWords(const QString& path, const QStringList& options = {}) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
  if (!text.waitForFinished(20000)) QTest::qFail("pdftotext (poppler-utils) reads the PDF's words", __FILE__, __LINE__);
  return text.readAllStandardOutput();
}

QList<QImage> gifFrames(const QString& path, QList<int>* delays) {
  QImageReader reader(path);
  QList<QImage> frames;
  while (reader.canRead()) {
    frames << reader.read().convertToFormat(QImage::Format_RGB32);
    delays->append(reader.nextImageDelay());
  }
  return frames;
}

// A word of a PDF page and its box, in points, as pdftotext -bbox reads it.
struct PdfWord {
  QString text;
  QRectF box;
};

QList<PdfWord> pdfWordBoxes(const QString& path, int page) {
  const QString page1 = QString::number(page);
  const QString xml = QString::fromUtf8(
      pdfWords(path, {QStringLiteral("-bbox"), QStringLiteral("-f"), page1, QStringLiteral("-l"), page1}));
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  QList<PdfWord> words;
  for (const QRegularExpressionMatch& m : word.globalMatch(xml))
    words << PdfWord{m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))};
  return words;
}

// A shotgun line of labelled players a yard and a half apart, a route each.
QByteArray labelledLine(const QByteArray& call) {
  const QList<std::tuple<const char*, int, int, int>> players = {
      {"LT", 712, 680, 1}, {"LG", 756, 680, 1}, {"C", 800, 680, 2}, {"RG", 844, 680, 1}, {"RT", 888, 680, 1},
      {"X", 330, 680, 1},  {"Z", 1270, 680, 1}, {"QB", 800, 830, 1}, {"RB", 850, 830, 1}, {"CB", 330, 560, 3},
      {"FS", 800, 400, 3}};
  QByteArray text = QByteArray::number(players.size()) + "\r\n", labels;
  int i = 0;
  for (const auto& [label, x, y, kind] : players) {
    const QByteArray at = QByteArray::number(x) + ',' + QByteArray::number(y);
    text += "player," + QByteArray::number(++i) + ", " + QByteArray::number(kind) + " \r\ncoord," + at + "\r\n0," + at +
            ", 0 \r\n1," + QByteArray::number(x) + ',' + QByteArray::number(y - 60) + ", 0 \r\nEND\r\n";
    labels += "label," + QByteArray::number(i) + ',' + label + "\r\n";
  }
  return text + labels + "call," + call + "\r\n";
}

}  // namespace

class ExportsTest : public QObject {
  Q_OBJECT
 private slots:
  // PNG, SVG and PDF from the window: the play as Reset shows it, never the
  // selection; bad names and folders say why and write nothing.
  void picturesAreThePlayAsResetShowsIt() {
    PassWindow w;
    const QImage shown = w.shown();
    w->selectAll->trigger();
    w.platform.fileAnswers << w.file(QStringLiteral("pass.png"));
    w->exportPicture->trigger();
    const FileRequest& request = w.platform.fileRequests.last();
    QCOMPARE(request.title, QStringLiteral("Export Picture"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("png"));
    QCOMPARE(request.fileName, QStringLiteral("pass"));
    QVERIFY(request.askBeforeReplacing);
    QVERIFY(request.filter.contains(QStringLiteral("*.svg")));
    QCOMPARE(QImage(w.file(QStringLiteral("pass.png"))).convertToFormat(QImage::Format_RGB32), shown);
    QVERIFY(w.shown() != shown);  // the screen shows the selection, the picture does not

    w.platform.fileAnswers << w.file(QStringLiteral("pass.svg")) << w.file(QStringLiteral("pass.pdf"));
    w->exportPicture->trigger();
    w->exportPicture->trigger();
    const QByteArray svg = readBytes(w.file(QStringLiteral("pass.svg")));
    QVERIFY(svg.contains("<polyline") && svg.contains("<circle") && svg.contains("<text"));
    QVERIFY(!svg.contains("<image"));
    const QByteArray pdf = readBytes(w.file(QStringLiteral("pass.pdf")));
    QVERIFY(pdf.startsWith("%PDF") && pdfPages(pdf) == 1);
    QVERIFY(w.platform.messages.isEmpty());

    w.platform.fileAnswers << w.file(QStringLiteral("pass.bmp")) << w.file(QStringLiteral("none/pass.png"));
    w.platform.answers << Answer::Ok << Answer::Ok;
    w->exportPicture->trigger();
    w->exportPicture->trigger();
    QCOMPARE(w.platform.texts(), QStringList({QStringLiteral("The picture could not be exported to ") +
                                                  w.file(QStringLiteral("pass.bmp")) +
                                                  QStringLiteral(": the file name must end in .png, .svg or .pdf."),
                                              QStringLiteral("The picture could not be exported to ") +
                                                  w.file(QStringLiteral("none/pass.png")) + QStringLiteral(": the folder ") +
                                                  w.file(QStringLiteral("none")) + QStringLiteral(" does not exist.")}));
    QCOMPARE(w.platform.messages[0].icon, Icon::Critical);
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("pass.bmp"))));
  }

  // The GIF holds the engine's frames, drawn apart from the window.
  void animationIsTheEnginesFramesAsAGif() {
    PassWindow w;
    const QImage start = w.shown();
    const QImage fieldBefore = w.field().image();
    w.platform.fileAnswers << w.file(QStringLiteral("pass.gif"));
    w->exportAnimation->trigger();
    QVERIFY(w.platform.messages.isEmpty());
    QCOMPARE(w.field().image(), fieldBefore);  // the window's Field is not touched
    QCOMPARE(w.platform.waits, 0);
    QList<int> delays;
    const QList<QImage> frames = gifFrames(w.file(QStringLiteral("pass.gif")), &delays);
    QCOMPARE(frames.size(), 81);
    QCOMPARE(delays.count(20), 80);  // the speed setting's 20 ms a frame
    QCOMPARE(delays.last(), 1500);
    QCOMPARE(QImageReader(w.file(QStringLiteral("pass.gif"))).loopCount(), -1);
    QCOMPARE(frames.first(), start);
    w->animatePlay();
    QCOMPARE(frames.last(), w.shown());
    QVERIFY(frames[30] != start && frames[30] != frames.last());

    // Speed 5: no delay under 2/100 s.
    w->configuration->Speed->setText(QStringLiteral("5"));
    w.platform.fileAnswers << w.file(QStringLiteral("fast.gif"));
    w->exportAnimation->trigger();
    delays.clear();
    QCOMPARE(gifFrames(w.file(QStringLiteral("fast.gif")), &delays).size(), 81);
    QCOMPARE(delays.count(20), 80);

    // Exports run as long work; one the user cancels writes nothing.
    QCOMPARE(w.platform.longWorks, 2);
    writeBytes(w.file(QStringLiteral("old.gif")), "old");
    w.platform.cancelLongWork = true;
    w.platform.fileAnswers << w.file(QStringLiteral("old.gif")) << w.file(QStringLiteral("new.gif"));
    w->exportAnimation->trigger();
    w->exportAnimation->trigger();
    QCOMPARE(readBytes(w.file(QStringLiteral("old.gif"))), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("new.gif"))));
    QVERIFY(w.platform.messages.isEmpty());
    w.platform.cancelLongWork = false;

    // A GIF under another extension is refused.
    w.platform.fileAnswers << w.file(QStringLiteral("a.png"));
    w.platform.answers << Answer::Ok;
    w->exportAnimation->trigger();
    QCOMPARE(w.platform.fileRequests.last().defaultSuffix, QStringLiteral("gif"));
    QCOMPARE(w.platform.texts(), QStringList{QStringLiteral("The animation could not be exported to ") +
                                             w.file(QStringLiteral("a.png")) +
                                             QStringLiteral(": the file name must end in .gif.")});
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("a.png"))));
  }

  // Five listed plays, one of them gone: two pages at four a page, five at
  // one; printing draws the same pages, offering the choice taken last. Neither changes how the window
  // draws its text.
  void playbookHoldsEveryListedPlay() {
    PassWindow w;
    const QImage menu = menuPicture(w->File);
    const QImage field = w.shown();
    QByteArray list;
    for (const char* name : {"a", "b", "gone", "d", "e"}) {
      const QString path = w.file(QLatin1String(name) + QStringLiteral(".ply"));
      if (QLatin1String(name) != QLatin1String("gone")) QFile::copy(w.path, path);
      list += QByteArray(name) + ".ply," + path.toLocal8Bit() + "\r\n";
    }
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), list);
    w.platform.fileAnswers << w.file(QStringLiteral("book.pdf")) << w.file(QStringLiteral("one.pdf"));
    w.platform.fileChoices << 2 << 0;
    w->exportPlaybook->trigger();
    w->exportPlaybook->trigger();
    QCOMPARE(w.platform.fileRequests.last().choices, QStringList({"1", "2", "4", "6", "9"}));
    QCOMPARE(pdfPages(readBytes(w.file(QStringLiteral("book.pdf")))), 2);
    QCOMPARE(pdfPages(readBytes(w.file(QStringLiteral("one.pdf")))), 5);
    QCOMPARE(menuPicture(w->File), menu);
    w->printPlaybook->trigger();  // the preview offers the plays a page the export took last
    QCOMPARE(w.platform.printChoices.size(), 5);
    QCOMPARE(pdfPages(w.platform.printed), 5);
    w.platform.printChoice = 2;
    w->printPlaybook->trigger();
    QCOMPARE(pdfPages(w.platform.printed), 2);
    w.platform.fileAnswers << w.file(QStringLiteral("four.pdf"));  // and the export the preview's
    w->exportPlaybook->trigger();
    QCOMPARE(pdfPages(readBytes(w.file(QStringLiteral("four.pdf")))), 2);
    QCOMPARE(menuPicture(w->File), menu);
    QCOMPARE(w.shown(), field);
    QVERIFY(w.platform.messages.isEmpty());

    w.platform.fileAnswers << w.file(QStringLiteral("b.png"));
    w.platform.answers << Answer::Ok << Answer::Ok;
    w->exportPlaybook->trigger();
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("b.png"))));
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "");
    w->printPlaybook->trigger();
    QCOMPARE(w.platform.texts(), QStringList({QStringLiteral("The playbook could not be exported to ") +
                                                  w.file(QStringLiteral("b.png")) +
                                                  QStringLiteral(": the file name must end in .pdf."),
                                              QStringLiteral("The play list holds no plays: save a play first.")}));
  }

  // The look and level are the user's preference, kept for the next window.
  // The Field shows the play drawn afresh in the look while its canvas stays
  // classic, and a press takes a player within the larger symbol. The
  // picture, the animation and the playbook draw in the look; in Paper the
  // playbook of 2 a page lies landscape with each play's call and note, as it
  // does from the command line, where --style chooses the look.
  void theLookIsKeptAndTheExportsDrawInIt() {
    PassWindow w;
    const QImage classic = w.shown();
    w->footballField->trigger();
    w->college->trigger();
    const QImage football = w.shown();
    const QColor scrimmage(40, 120, 255);
    QCOMPARE(football.pixelColor(700, 315), scrimmage);
    QCOMPARE(football.pixelColor(700, 465), QColor(Qt::white));
    QVERIFY(football.pixelColor(600, 345) != football.pixelColor(600, 360));  // a college hash mark
    QCOMPARE(w.pixel(700, 315), fieldGreen);
    w->selectTool->trigger();
    w.click(QPoint(427, 215));
    QVERIFY(w->selection[3]);
    w.click(QPoint(700, 600));
    w->classicField->trigger();
    QCOMPARE(w.shown(), classic);
    w.click(QPoint(427, 215));
    QVERIFY(w->selection.none());

    w->paperField->trigger();
    w.open();
    QVERIFY(w->paperField->isChecked() && w->college->isChecked() && !w->classicField->isChecked());
    w->openPlay(w.path);
    w.platform.fileAnswers << w.file(QStringLiteral("paper.png")) << w.file(QStringLiteral("paper.gif"));
    w->exportPicture->trigger();
    w->exportAnimation->trigger();
    const QImage picture = QImage(w.file(QStringLiteral("paper.png"))).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(1600, 980));
    QCOMPARE(picture.pixelColor(1000, 315), QColor(20, 90, 230));
    QCOMPARE(picture.pixelColor(1000, 200), QColor(Qt::white));
    QList<int> delays;
    const QList<QImage> frames = gifFrames(w.file(QStringLiteral("paper.gif")), &delays);
    QCOMPARE(frames.size(), 81);
    // The GIF's colours are the picture's, but for the nearest of 256 where it has more.
    for (const QPoint at : {QPoint(1000, 315), QPoint(1000, 200)})
      QCOMPARE(frames.first().pixel(at), picture.pixel(at));
    QVERIFY(frames.last() != frames.first());

    const QString called = w.file(QStringLiteral("called.ply"));
    writeBytes(called, readBytes(w.path) + "call,Pass Right 2\r\nnote,Read the safety\r\n");
    writeBytes(w.platform.dataFile(QStringLiteral("plays.ini")), "called.ply," + called.toLocal8Bit() + "\r\n");
    const QString book = w.file(QStringLiteral("book.pdf"));
    w.platform.fileAnswers << book;
    w.platform.fileChoices << 1;
    w->exportPlaybook->trigger();
    const QByteArray landscape = "/MediaBox [0 0 842.000000 595.000000]";
    QVERIFY(readBytes(book).contains(landscape));
    const QByteArray words = pdfWords(book);
    QVERIFY2(words.contains("Pass Right 2") && words.contains("Read the safety"), words.constData());
    QVERIFY(w.platform.messages.isEmpty());

    CommandRun moxten(w.platform);
    const QString cli = w.file(QStringLiteral("cli.png"));
    QCOMPARE(moxten.run({QStringLiteral("--export"), cli, QStringLiteral("--style"), QStringLiteral("football"),
                         QStringLiteral("--level"), QStringLiteral("pro"), w.path}),
             0);
    const QImage pro = QImage(cli).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(pro.pixelColor(1000, 315), scrimmage);
    QVERIFY(pro.pixelColor(707, 345) != pro.pixelColor(707, 360));  // a professional hash mark
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book, QStringLiteral("--per-page"), QStringLiteral("2")}), 0);
    QVERIFY(readBytes(book).contains(landscape));
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book, QStringLiteral("--per-page"), QStringLiteral("2"),
                         QStringLiteral("--style"), QStringLiteral("classic")}),
             0);
    QVERIFY(!readBytes(book).contains(landscape));
    QCOMPARE(moxten.run({QStringLiteral("--export"), cli, QStringLiteral("--style"), QStringLiteral("chalk"), w.path}),
             1);
    QCOMPARE(moxten.readAllStandardError(), QByteArray("moxten: --style must be classic, football or paper\n"));
  }

  // The play in time as a video from the window and the command line: an
  // H.264 MP4 in yuv420p of the frames its length takes at its rate, the
  // picture fitted and centred; the same as a GIF at 25 frames a second.
  void theVideoIsThePlayInTime() {
    PassWindow w;
    const QString mp4 = w.file(QStringLiteral("play.mp4"));
    w.platform.fileAnswers << mp4;
    w->exportVideo->trigger();
    QVERIFY(w.platform.messages.isEmpty());
    const Play play = *w.window;
    const int frames = videoFrames({w->playPicture(), QSize(1920, 1080), 30});
    QCOMPARE(frames, int(std::ceil((0.5 + timelineOf(play, {2, 1, true}).length + 1) * 30)));
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                                            QStringLiteral("-show_entries"),
                                            QStringLiteral("stream=codec_name,pix_fmt,width,height,r_frame_rate,nb_read_frames"),
                                            QStringLiteral("-of"), QStringLiteral("default=nw=1"), mp4});
    QVERIFY2(probe.waitForFinished(20000), "ffprobe (ffmpeg) reads the video");
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             QStringList({"codec_name=h264", "width=1920", "height=1080", "pix_fmt=yuv420p", "r_frame_rate=30/1",
                          QStringLiteral("nb_read_frames=%1").arg(frames)}));

    // A middle frame in Football Field, 60 frames a second, 1280 x 720: black bars beside the turf.
    CommandRun moxten(w.platform);
    const QString football = w.file(QStringLiteral("football.mp4"));
    QCOMPARE(moxten.run({QStringLiteral("--export-video"), football, QStringLiteral("--style"), QStringLiteral("football"),
                         QStringLiteral("--fps"), QStringLiteral("60"), QStringLiteral("--size"),
                         QStringLiteral("1280x720"), w.path}),
             0);
    QCOMPARE(moxten.readAllStandardError(), QByteArray());
    const QString middle = w.file(QStringLiteral("middle.png"));
    QProcess grab;
    grab.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), football,
                                          QStringLiteral("-vf"), QStringLiteral("select=eq(n\\,60)"),
                                          QStringLiteral("-vframes"), QStringLiteral("1"), middle});
    QVERIFY(grab.waitForFinished(20000));
    const QImage frame(middle);
    QCOMPARE(frame.size(), QSize(1280, 720));
    const auto near = [](QColor a, QColor b) {
      return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 30;
    };
    QVERIFY(near(frame.pixelColor(8, 360), Qt::black));
    QVERIFY(near(frame.pixelColor(640, 700), QColor(38, 112, 48)));

    const QString gif = w.file(QStringLiteral("play.gif"));
    QCOMPARE(moxten.run({QStringLiteral("--export-video"), gif, QStringLiteral("--size"), QStringLiteral("640x360"), w.path}),
             0);
    QList<int> delays;
    QCOMPARE(gifFrames(gif, &delays).size(), videoFrames({w->playPicture(), QSize(640, 360), videoGifRate}));
    QVERIFY(std::all_of(delays.begin(), delays.end(), [](int delay) { return delay == 40; }));
    for (const auto& [arguments, error] :
         {std::pair(QStringList{"--export-video", w.file("odd.mp4"), "--size", "641x360", w.path},
                    QByteArray("moxten: --size: the frame's width and height must be even\n")),
          std::pair(QStringList{"--export-video", w.file("slow.mp4"), "--fps", "24", w.path},
                    QByteArray("moxten: --fps must be 30 or 60\n")),
          std::pair(QStringList{"--export-video", w.file("play.avi"), w.path},
                    QByteArray("moxten: the video's file name must end in .mp4 or .gif\n"))}) {
      QCOMPARE(moxten.run(arguments), 1);
      QCOMPARE(moxten.readAllStandardError(), error);
    }
    // A copy without its video module says so and makes nothing; a GIF needs no module.
    QVERIFY(QFile::remove(w.platform.folder.filePath(QFileInfo(QStringLiteral(MOXTEN_VIDEO_MODULE)).fileName())));
    QCOMPARE(moxten.run({QStringLiteral("--export-video"), w.file(QStringLiteral("none.mp4")), w.path}), 1);
    const QByteArray said = moxten.readAllStandardError();
    QVERIFY2(said.endsWith(": the video could not be made: its writer could not be loaded: libmoxten-video.so was not found "
                           "beside the program\n"),
             said);
    QVERIFY(!QFile::exists(w.file(QStringLiteral("none.mp4"))));
    QCOMPARE(moxten.run({QStringLiteral("--export-video"), gif, w.path}), 0);
  }

  // The command line makes the same files with no display, and fails in one line.
  void commandLineMakesFilesWithoutADisplay() {
    PassWindow w;
    CommandRun moxten(w.platform);
    const auto run = [&](const QStringList& arguments) { return moxten.run(arguments); };
    QCOMPARE(run({QStringLiteral("--export"), w.file(QStringLiteral("cli.png")), w.path}), 0);
    QCOMPARE(moxten.readAllStandardError(), QByteArray());
    Play play = *w.window;
    const QImage expected = playImage({play, {2, 1, true}, pictureSizeFor(play), 0});
    QCOMPARE(QImage(w.file(QStringLiteral("cli.png"))).convertToFormat(QImage::Format_RGB32), expected);
    QCOMPARE(run({QStringLiteral("--export-animation"), w.file(QStringLiteral("cli.gif")), w.path}), 0);
    QList<int> delays;
    QCOMPARE(gifFrames(w.file(QStringLiteral("cli.gif")), &delays).size(), 81);
    // Names that are not UTF-8 are taken as the file system's bytes, in and out.
    moxten.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("cd \"$1\" && cp pass.ply \"$(printf 'p\\351.ply')\" && "
                                 "exec \"$0\" --export \"$(printf 'o\\377.png')\" \"$(printf 'p\\351.ply')\""),
                  moxten.program, w.platform.folder.path()});
    QVERIFY(moxten.waitForFinished(20000));
    QCOMPARE(moxten.exitCode(), 0);
    QFile written;
    QVERIFY(written.open(::open((QFile::encodeName(w.platform.folder.path()) + "/o\xff.png").constData(), O_RDONLY),
                         QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(QImage::fromData(written.readAll()).convertToFormat(QImage::Format_RGB32), expected);
    for (const char* name : {"/o\xff.png", "/p\xe9.ply"})  // which QTemporaryDir cannot remove
      ::unlink((QFile::encodeName(w.platform.folder.path()) + name).constData());
    QCOMPARE(run({QStringLiteral("--version")}), 0);
    QCOMPARE(moxten.readAllStandardOutput(), QByteArray("Moxten 1.0.0\n"));

    const QString empty = w.file(QStringLiteral("empty.ply"));
    writeBytes(empty, "");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--export"), w.file(QStringLiteral("bad.png")), empty},
          QStringList{QStringLiteral("--export"), w.file(QStringLiteral("bad.png")), w.platform.folder.path()},
          QStringList{QStringLiteral("--export-animation"), w.file(QStringLiteral("bad.png")), w.path},
          QStringList{QStringLiteral("--export"), w.file(QStringLiteral("no/bad.png")), w.path}}) {
      QCOMPARE(run(arguments), 1);
      const QByteArray error = moxten.readAllStandardError();
      QVERIFY2(error.startsWith("moxten: ") && error.count('\n') == 1, error.constData());
      QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("bad.png"))));
    }
  }

  // A kill at any moment of an export leaves the old file whole, or the new one whole.
  void aKilledExportLeavesAWholeFile() {
    TestWindow w;
    Play spread;
    spread.playerCount = 60;
    for (int i = 1; i <= 60; ++i) {
      const int x = 40 + (i * 397) % 2400, y = 40 + (i * 1231) % 2400;
      spread.players[i] = {x, y, Offence, 0};
      spread.moves[i][0] = {x, y, 0, 0};
      for (int s = 1; s <= 3; ++s) spread.moves[i][s] = {x + 40 * s, y + 30 * s, 0, 0};
    }
    const QString play = w.file(QStringLiteral("spread.ply")), gif = w.file(QStringLiteral("spread.gif"));
    QVERIFY(writePlayFile(play, spread));
    CommandRun moxten(w.platform);
    for (const int killAfter : {150, 400, 800, 60000}) {
      writeBytes(gif, "the old file");
      moxten.start(moxten.program, {QStringLiteral("--export-animation"), gif, play});
      QVERIFY(moxten.waitForStarted());
      if (!moxten.waitForFinished(killAfter)) {
        moxten.kill();
        moxten.waitForFinished();
      }
      const QByteArray bytes = readBytes(gif);
      if (bytes != "the old file") {
        QList<int> delays;
        QCOMPARE(gifFrames(gif, &delays).size(), 81);
      }
    }
    QVERIFY(readBytes(gif).startsWith("GIF89a"));  // the last run was not killed
  }

  // Game day from a playbook folder: the dock's category printed 2 a page
  // under the folder's name and today's date, with the legend; its title
  // set and kept in the folder; the plays
  // chosen in the dock as wristband cards numbered as the coach's key
  // numbers them, and as the call sheet's columns; the same from the command
  // line, numbered in the folder's order, and what it refuses.
  void gameDayPapersComeFromAPlaybookFolder() {
    PassWindow w;
    const QDir root(w.file(QStringLiteral("Eagles 2026")));
    const QList<std::pair<QString, QByteArray>> plays = {
        {"Quick Game/Slant", "Slant Flat"}, {"Quick Game/Stick", "Stick Left"}, {"Quick Game/Snag", "Snag Right"},
        {"Runs/Dive", "Dive 32"},           {"Runs/Power", "Power O"},          {"Red Zone/Fade", "Fade Stop"}};
    for (const auto& [name, call] : plays) {
      QVERIFY(root.mkpath(QFileInfo(name).path()));
      writeBytes(root.filePath(name + QStringLiteral(".ply")), readBytes(w.path) + "call," + call + "\r\n");
    }
    const auto row = [](int number, const char* call, const char* name, const char* category) {
      return QRegularExpression(QStringLiteral("(^|\\n) *%1 +%2 +%3 +%4 *\\n").arg(number).arg(call, name, category));
    };
    w.platform.folderAnswers << root.path();
    w->openPlaybook->trigger();
    PlaybookDock& dock = *w->playbook;
    dock.playbookCategories->setCurrentText(QStringLiteral("Quick Game"));
    const QString book = w.file(QStringLiteral("quick.pdf"));
    w.platform.fileAnswers << book;
    w.platform.fileChoices << 1;
    w->exportPlaybook->trigger();
    QCOMPARE(w.platform.fileRequests.last().fileName, QStringLiteral("Eagles 2026"));
    QCOMPARE(pdfPages(readBytes(book)), 2);
    QVERIFY(readBytes(book).contains("/MediaBox [0 0 842.000000 595.000000]"));
    QByteArray words = pdfWords(book);
    for (const QByteArray& word : {QByteArray("Eagles 2026"), QDate::currentDate().toString(u"d MMMM yyyy").toUtf8(),
                                   QByteArray("Motion or option"), QByteArray("Snag Right"), QByteArray("Page 2 of 2")})
      QVERIFY2(words.contains(word), word.constData());
    QVERIFY(!words.contains("Dive 32"));
    QString laid;
    w.platform.textAnswers << QStringLiteral("Eagles Spread\nsecond line");  // the title set, kept in the folder
    dock.retitle();
    QCOMPARE(readBytes(root.filePath(QStringLiteral("title.txt"))), QByteArray("Eagles Spread\n"));

    dock.playbookCategories->setCurrentIndex(0);
    QItemSelectionModel& chosen = *dock.playbookPlays->selectionModel();
    for (const int r : {4, 0}) chosen.select(dock.playbookPlays->model()->index(r, 0), QItemSelectionModel::Select);
    w->printWristband->trigger();  // 4.5 x 2.75 in, 16 plays: a page of cards and the key
    QCOMPARE(w.platform.printChoices.size(), 15);
    QCOMPARE(w.platform.printChoices[2], QStringLiteral("4.5 x 2.75 in, 16 plays"));
    const QString band = w.file(QStringLiteral("band.pdf"));
    writeBytes(band, w.platform.printed);
    QCOMPARE(pdfPages(w.platform.printed), 2);
    QVERIFY(w.platform.printed.contains("/MediaBox [0 0 842.000000 595.000000]"));  // 4 cards lying, 1 upright
    laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout"), QStringLiteral("-l"), QStringLiteral("1")}));
    QCOMPARE(laid.count(QStringLiteral("1 Slant Flat")), 4);  // a set of cards for each of four players
    QVERIFY2(laid.contains(QStringLiteral("1 Slant Flat")) && laid.contains(QStringLiteral("2 Dive 32")) &&
                 !laid.contains(QStringLiteral("Stick")),
             qPrintable(laid));
    laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2")}));
    QVERIFY2(
        laid.contains(row(1, "Slant Flat", "Slant", "Quick Game")) && laid.contains(row(2, "Dive 32", "Dive", "Runs")),
        qPrintable(laid));
    w->printCallSheet->trigger();
    QVERIFY(w.platform.printChoices.isEmpty());
    writeBytes(band, w.platform.printed);
    laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout")}));
    QVERIFY2(laid.contains(QRegularExpression(QStringLiteral("Quick Game +Runs *\\n *1 +Slant Flat +2 +Dive 32"))),
             qPrintable(laid));

    CommandRun moxten(w.platform);
    QCOMPARE(
        moxten.run({QStringLiteral("--wristband"), band, QStringLiteral("--from"), root.path(),
                    QStringLiteral("--card"), QStringLiteral("5x3"), QStringLiteral("--cells"), QStringLiteral("8")}),
        0);
    laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2")}));
    QVERIFY2(laid.contains(row(1, "Slant Flat", "Slant", "Quick Game")) &&
                 laid.contains(row(3, "Stick Left", "Stick", "Quick Game")) &&
                 laid.contains(row(4, "Fade Stop", "Fade", "Red Zone")) &&
                 laid.contains(row(6, "Power O", "Power", "Runs")),
             qPrintable(laid));
    QCOMPARE(moxten.run({QStringLiteral("--callsheet"), band, QStringLiteral("--from"), root.path()}), 0);
    laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout")}));
    QVERIFY2(laid.contains(QRegularExpression(QStringLiteral("Eagles Spread +Call sheet"))) &&
                 laid.contains(QRegularExpression(
                     QStringLiteral("Quick Game +Red Zone +Runs *\\n *1 +Slant Flat +4 +Fade Stop +5 +Dive 32"))),
             qPrintable(laid));
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book, QStringLiteral("--from"), root.path(),
                         QStringLiteral("--category"), QStringLiteral("Runs"), QStringLiteral("--per-page"),
                         QStringLiteral("1")}),
             0);
    QCOMPARE(pdfPages(readBytes(book)), 2);
    // A category longer than a column goes on in the next, in smaller
    // letters; one too long for a page of 14-pixel letters takes two pages.
    const QDir big(w.file(QStringLiteral("Big")));
    QVERIFY(big.mkpath(QStringLiteral("Runs")));
    for (const auto& [count, pages] : {std::pair(90, 1), std::pair(200, 2)}) {
      for (int n = 1; n <= count; ++n)
        writeBytes(big.filePath(QStringLiteral("Runs/Run %1.ply").arg(n)),  // "Run 9" before "Run 10"
                   readBytes(w.path) + "call,Run " + QByteArray::number(n) + "\r\n");
      QCOMPARE(moxten.run({QStringLiteral("--callsheet"), band, QStringLiteral("--from"), big.path()}), 0);
      QCOMPARE(pdfPages(readBytes(band)), pages);
      laid = QString::fromUtf8(pdfWords(band, {QStringLiteral("-layout")}));
      QVERIFY2(laid.contains(QRegularExpression(QStringLiteral("Runs +Runs \\(more\\)"))) &&
                   laid.contains(QStringLiteral("%1 Run %1").arg(count)),
               qPrintable(laid));
    }
    const QString nowhere = w.file(QStringLiteral("nowhere"));
    const QList<std::pair<QStringList, QString>> refusals = {
        {{"--wristband", band, "--category", "Runs"}, "--category needs --from"},
        {{"--callsheet", band, "--from", root.path(), "--category", "Defence"},
         band + ": the playbook " + root.path() + " has no category Defence"},
        {{"--callsheet", band, "--from", nowhere}, band + ": the folder " + nowhere + " cannot be read"},
        {{"--wristband", band, "--from", root.path(), "--cells", "10"}, "--cells must be 8, 12, 16, 20 or 24"},
        {{"--wristband", band, "--card", "4x6"}, "--card must be 4.5x2.75, 3.5x2.5 or 5x3"},
        {{"--playbook", band, "--cells", "8"}, "--card and --cells belong to --wristband"},
        {{"--callsheet", w.file("sheet.png"), "--from", root.path()}, "the file name must end in .pdf"},
        {{"--export", w.file("a.png"), "--from", root.path(), w.path},
         "--from belongs to --playbook, --wristband, --callsheet, --scout and --export-page"},
        {{"--wristband", band, "--paper", "legal"}, "--paper must be letter or a4"}};
    for (const auto& [arguments, error] : refusals) {
      QCOMPARE(moxten.run(arguments), 1);
      QCOMPARE(QString::fromLocal8Bit(moxten.readAllStandardError()), QStringLiteral("moxten: ") + error + u'\n');
    }
  }

  // Failures are failures, each said in its own line, and the command line is
  // read before any window system: no abort and no window without a display.
  void commandLineSaysEachFailure() {
    PassWindow w;
    CommandRun moxten(w.platform);
    const QString needsDisplay = QStringLiteral(
        "moxten: the window needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set; --export, "
        "--export-animation, --export-video, --export-page, --playbook, --wristband, --callsheet, --against, --scout and --check need none\n");
    const QString out = w.file(QStringLiteral("out.png"));
    const QString alias = w.file(QStringLiteral("alias.ply"));
    QFile::link(w.path, alias);
    const QList<std::pair<QStringList, QString>> failures = {
        {{}, needsDisplay},
        {{QStringLiteral("--"), QStringLiteral("--help")}, needsDisplay},
        {{QStringLiteral("--bogus")}, QStringLiteral("moxten: Unknown option 'bogus'.\n")},
        {{QStringLiteral("--export"), out, QStringLiteral("--export"), w.file(QStringLiteral("b.png")), w.path},
         QStringLiteral("moxten: --export is given more than once\n")},
        {{QStringLiteral("--export"), alias, w.path}, alias + QStringLiteral(": it is the play file itself\n")}};
    for (const auto& [arguments, error] : failures) {
      QCOMPARE(moxten.run(arguments), 1);
      QCOMPARE(QString::fromLocal8Bit(moxten.readAllStandardError()).remove(QStringLiteral("moxten: ")),
               QString(error).remove(QStringLiteral("moxten: ")));
    }
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(readBytes(w.path).left(2), QByteArray("3\r"));

    // A playbook: each unreadable play in a line of its own; none readable is a failure.
    const QString list = w.platform.dataFile(QStringLiteral("plays.ini"));
    const QString book = w.file(QStringLiteral("book.pdf"));
    writeBytes(w.file(QStringLiteral("secret.ply")), "password: hunter2\r\ntoken: 1234\r\n");
    writeBytes(list, "secret.ply," + w.file(QStringLiteral("secret.ply")).toLocal8Bit() + "\r\ngone.ply," +
                         w.file(QStringLiteral("gone.ply")).toLocal8Bit() + "\r\n");
    const QByteArray unread =
        "moxten: secret: this play could not be read: line 1, field 1: not a number\n"
        "moxten: gone: this play could not be read: No such file or directory\n";
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book}), 1);
    QCOMPARE(moxten.readAllStandardError(), unread + "moxten: " + book.toLocal8Bit() +
                                                ": no play of the play list could be read\n");
    QVERIFY(!QFileInfo::exists(book));
    writeBytes(list, readBytes(list) + "pass.ply," + w.path.toLocal8Bit() + "\r\n");
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book}), 0);
    QCOMPARE(moxten.readAllStandardError(), unread);
    const QByteArray words = pdfWords(book);
    QVERIFY2(words.contains("could not be read: line 1,") && !words.contains("hunter2"), words.constData());
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), w.path + QStringLiteral(".pdf")}), 0);
    writeBytes(list, QByteArray(17 * 1024 * 1024, 'x'));
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book}), 1);
    QCOMPARE(moxten.readAllStandardError(), "moxten: " + book.toLocal8Bit() + ": the play list " + list.toLocal8Bit() +
                                                " could not be read: it is larger than 16 MiB\n");

    // Roles that name no placed player are no roles, as in the window.
    const QString unplaced = w.file(QStringLiteral("unplaced.ply")), none = w.file(QStringLiteral("none.ply"));
    writeBytes(unplaced, readBytes(w.path).replace("roles,2,1,-1", "roles,9,1,-1"));
    writeBytes(none, readBytes(w.path).replace("roles,2,1,-1", "roles,0,1,-1"));
    const QString unplacedGif = w.file(QStringLiteral("unplaced.gif")), noneGif = w.file(QStringLiteral("none.gif"));
    QCOMPARE(moxten.run({QStringLiteral("--export-animation"), unplacedGif, unplaced}), 0);
    QCOMPARE(moxten.run({QStringLiteral("--export-animation"), noneGif, none}), 0);
    QCOMPARE(readBytes(unplacedGif), readBytes(noneGif));

    // An installed copy (no data/ beside it) that only reads makes no data
    // folder; a relative XDG_DATA_HOME is ignored; with no home there is none.
    QVERIFY(QDir(w.file(QStringLiteral("data"))).removeRecursively());
    QProcessEnvironment environment = moxten.processEnvironment();
    environment.insert(QStringLiteral("HOME"), w.file(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("relative"));
    moxten.setProcessEnvironment(environment);
    moxten.setWorkingDirectory(w.platform.folder.path());
    QCOMPARE(moxten.run({QStringLiteral("--export-animation"), w.file(QStringLiteral("home.gif")), w.path}), 0);
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book}), 1);
    QCOMPARE(moxten.readAllStandardError(), "moxten: " + book.toLocal8Bit() + ": the play list " +
                                                w.file(QStringLiteral("home/.local/share/Moxten/plays.ini")).toLocal8Bit() +
                                                " holds no plays\n");
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("home"))));
    QVERIFY(!QFileInfo::exists(w.file(QStringLiteral("relative"))));
    environment.remove(QStringLiteral("HOME"));
    moxten.setProcessEnvironment(environment);
    QCOMPARE(moxten.run({QStringLiteral("--playbook"), book}), 1);
    QCOMPARE(moxten.readAllStandardError(),
             "moxten: " + book.toLocal8Bit() +
                 ": there is no play list: there is no data folder to keep it in: HOME is not set to an absolute path\n");
  }

  // Printed diagrams players can read: labels of at least 2.5 mm at 4 plays
  // a page and 4 mm at 1 (their capitals; the word box pdftotext gives of
  // DejaVu Sans Bold is 1.6 times that), a legend whose words stand apart
  // above the plays, and wristband calls shortened so that no two read alike.
  void printedPlaysArePlainToRead() {
    FakePlatform platform;
    const QDir root(platform.folder.filePath(QStringLiteral("book")));
    QVERIFY(root.mkpath(QStringLiteral(".")));
    for (const char* call : {"Spread Right 76 Z Post", "Spread Right 76 Z Corner", "Spread Right 76 H Dig"})
      writeBytes(root.filePath(QLatin1String(call) + QStringLiteral(".ply")), labelledLine(call));
    CommandRun moxten(platform);
    constexpr double point = 25.4 / 72;  // millimetres
    for (const auto& [perPage, tallest] : {std::pair(4, 2.5), std::pair(1, 4.0)}) {
      const QString book = platform.folder.filePath(QStringLiteral("book-%1.pdf").arg(perPage));
      QCOMPARE(moxten.run({QStringLiteral("--playbook"), book, QStringLiteral("--from"), root.path(),
                           QStringLiteral("--per-page"), QString::number(perPage)}),
               0);
      const QList<PdfWord> words = pdfWordBoxes(book, 1);
      double legendBottom = 0, playsTop = 1e9;  // the first play's call stands on top of it
      QList<QRectF> legend;
      for (const PdfWord& word : words) {
        if (QStringList{"Route", "Motion", "or", "option", "Block", "Centre", "Defence"}.contains(word.text)) {
          legend << word.box;
          legendBottom = std::max(legendBottom, word.box.bottom());
        }
        if (word.text == QStringLiteral("Spread")) playsTop = std::min(playsTop, word.box.top());
      }
      QCOMPARE(legend.size(), 7);
      QVERIFY(legendBottom < playsTop);
      int labels = 0;
      for (const PdfWord& word : words)
        if (word.box.top() > playsTop && QStringList{"LT", "LG", "RG", "RT", "QB", "RB", "CB", "FS"}.contains(word.text)) {
          ++labels;
          QVERIFY2(word.box.height() * point >= tallest * 1.6, qPrintable(word.text));
        }
      QVERIFY(labels >= 8);
      std::sort(legend.begin(), legend.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
      for (qsizetype i = 1; i < legend.size(); ++i) QVERIFY(legend[i - 1].right() < legend[i].left());
    }
    for (const QString& card : {QStringLiteral("--cells=24"), QStringLiteral("--cells=8")}) {
      const QString band = platform.folder.filePath(QStringLiteral("band.pdf"));
      QStringList arguments{QStringLiteral("--wristband"), band, QStringLiteral("--from"), root.path(),
                            QStringLiteral("--cells"), card.mid(8)};
      if (card.endsWith(u'8')) arguments << QStringLiteral("--card") << QStringLiteral("5x3");  // with diagrams
      QCOMPARE(moxten.run(arguments), 0);
      QStringList cells;
      for (const PdfWord& word : pdfWordBoxes(band, 1))
        if (word.box.top() < 150 && !word.text.front().isDigit() && word.text != QStringLiteral("Spread")) cells << word.text;
      cells.removeDuplicates();
      QVERIFY2(cells.size() >= 3, qPrintable(cells.join(u'|')));
    }
  }

  // The rule book, the play against its defences and scout cards from the
  // command line: what each prints, its pages, its status and refusals.
  void commandLineChecksAndScouts() {
    FakePlatform platform;
    const QDir root(platform.folder.filePath(QStringLiteral("scout")));
    QVERIFY(root.mkpath(QStringLiteral(".")));
    const QByteArray slant = labelledLine("Trips Right 62 Slant");
    writeBytes(root.filePath(QStringLiteral("1 Slant.ply")), slant + "defence,4-3 Over\r\ndefence,4-4 Stack\r\n");
    writeBytes(root.filePath(QStringLiteral("2 Dive.ply")), labelledLine("Dive") + "defence,Nickel 4-2-5\r\n");
    CommandRun moxten(platform);
    const QString play = root.filePath(QStringLiteral("1 Slant.ply"));
    // Seven on the line, four backs; the left guard as the receiver breaks the rule book.
    QCOMPARE(moxten.run({QStringLiteral("--check"), play}), 0);
    QCOMPARE(moxten.readAllStandardOutput(), QByteArray());
    writeBytes(play, slant + "roles,8,2,0\r\ndefence,4-3 Over\r\ndefence,4-4 Stack\r\n");
    QCOMPARE(moxten.run({QStringLiteral("--check"), play, QStringLiteral("--level"), QStringLiteral("pro")}), 1);
    QCOMPARE(moxten.readAllStandardOutput(),
             QByteArray("The intended receiver, player 2 (LG), is not an eligible receiver.\n"));
    // What cannot be checked ends with status 2 and one line that says why.
    const QString noCentre = root.filePath(QStringLiteral("no centre.ply"));
    writeBytes(noCentre, QByteArray(slant).replace("player,3, 2 ", "player,3, 1 "));
    const QString empty = root.filePath(QStringLiteral("empty.ply"));
    writeBytes(empty, "0\r\n");
    const QString missing = root.filePath(QStringLiteral("missing.ply"));
    for (const auto& [path, why] :
         {std::pair(noCentre, QStringLiteral(": the play has no centre, so its line of scrimmage is unknown")),
          std::pair(empty, QStringLiteral(": the play has no players"))}) {
      QCOMPARE(moxten.run({QStringLiteral("--check"), path}), 2);
      QCOMPARE(moxten.readAllStandardError(), ("moxten: " + path + why + "\n").toUtf8());
      QCOMPARE(moxten.readAllStandardOutput(), QByteArray());
    }
    QCOMPARE(moxten.run({QStringLiteral("--check"), missing}), 2);
    QVERIFY(moxten.readAllStandardError().startsWith("moxten: the play could not be read from " + missing.toUtf8()));

    const QString versus = platform.folder.filePath(QStringLiteral("versus.pdf"));
    QCOMPARE(moxten.run({QStringLiteral("--against"), versus, play}), 0);
    QCOMPARE(moxten.readAllStandardError(),
             QByteArray("moxten: skipped 1 Slant: 4-4 Stack (no saved defence formation is named 4-4 Stack)\n"));
    QCOMPARE(pdfPages(readBytes(versus)), 1);
    QVERIFY(pdfWords(versus).contains("Trips Right 62 Slant vs 4-3 Over"));

    const QString cards = platform.folder.filePath(QStringLiteral("cards.pdf"));
    QCOMPARE(moxten.run({QStringLiteral("--scout"), cards, QStringLiteral("--from"), root.path()}), 0);
    QCOMPARE(pdfPages(readBytes(cards)), 1);  // two cards, 2 a page
    const QByteArray words = pdfWords(cards, {QStringLiteral("-layout")});
    for (const char* word : {"1 Trips Right 62 Slant", "vs 4-3 Over", "2 Dive", "vs Nickel 4-2-5"})
      QVERIFY2(words.contains(word), word);
    QCOMPARE(moxten.run({QStringLiteral("--scout"), cards, QStringLiteral("--from"), root.path(),
                         QStringLiteral("--per-page"), QStringLiteral("1")}),
             0);
    QCOMPARE(pdfPages(readBytes(cards)), 2);
    // --style is taken: the cards in the football look are not Paper's.
    const QString green = platform.folder.filePath(QStringLiteral("green.pdf"));
    QCOMPARE(moxten.run({QStringLiteral("--scout"), green, QStringLiteral("--from"), root.path(), QStringLiteral("--style"),
                         QStringLiteral("football")}),
             0);
    QVERIFY(readBytes(green) != readBytes(cards) && pdfPages(readBytes(green)) == 1);
    const QList<std::pair<QStringList, QByteArray>> refusals = {
        {{"--scout", cards, "--from", root.path(), "--per-page", "4"}, "--per-page of --scout must be 1 or 2"},
        {{"--against", platform.folder.filePath("versus.png"), play}, "the file name must end in .pdf"},
        {{"--check"}, "Missing value after '--check'."},
        {{"--check", play, "--from", root.path()}, "--from belongs to --playbook, --wristband, --callsheet, --scout and --export-page"}};
    for (const auto& [arguments, line] : refusals) {
      QCOMPARE(moxten.run(arguments), 1);
      QCOMPARE(moxten.readAllStandardError(), "moxten: " + line + "\n");
    }
  }

  // The page in a real browser: headless Chromium runs its script, and every
  // player stands where the timeline says at the start, the middle and the
  // end; one play stays under 20 KB, a folder of 50 under 150 KB.
  void thePagePlaysInABrowser() {
    FakePlatform platform;
    const QDir root(platform.folder.filePath(QStringLiteral("pages")));
    QVERIFY(root.mkpath(QStringLiteral(".")));
    // A pass from the quarterback to Z, thrown at 1.2 s, the play's second in the folder.
    const QByteArray pass = labelledLine("Trips Right 62 Slant") + "roles,8,7,-1\r\nthrow,1.2\r\n";
    writeBytes(root.filePath(QStringLiteral("1 Dive.ply")), labelledLine("Dive"));
    writeBytes(root.filePath(QStringLiteral("2 Slant.ply")), pass);
    CommandRun moxten(platform);
    const QString page = platform.folder.filePath(QStringLiteral("book.html"));
    QCOMPARE(moxten.run({QStringLiteral("--export-page"), page, QStringLiteral("--from"), root.path()}), 0);
    Play play;
    std::optional<PlayRoles> roles;
    QVERIFY(readPlayFile(root.filePath(QStringLiteral("2 Slant.ply")), ReadPolicy::Strict, play, nullptr, &roles));
    const Timeline timeline = timelineOf(play, *roles);
    QVERIFY(timeline.pass && timeline.length > 1.2);
    for (const double t : {0.0, timeline.length / 2, timeline.length}) {
      QProcess browser;
      browser.start(QStringLiteral("chromium"),
                    {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                     QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
                     QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                     QStringLiteral("--disable-sync"),
                     QStringLiteral("--user-data-dir=") + platform.folder.filePath(QStringLiteral("chromium")),
                     QStringLiteral("--dump-dom"),
                     QUrl::fromLocalFile(page).toString() + QStringLiteral("#play=2&t=%1").arg(t, 0, 'f', 6)});
      QVERIFY2(browser.waitForFinished(60000) && browser.exitCode() == 0, "headless Chromium (Debian's chromium) runs");
      const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
      QVERIFY2(dom.contains(QStringLiteral("<h2 id=\"name\">2 Slant</h2>")), qPrintable(dom.left(400)));
      static const QRegularExpression placed(QStringLiteral(R"re(<g id="p(\d+)" transform="translate\(([-\d.e]+),([-\d.e]+)\)">)re"));
      const PlayMoment moment = playAt(play, timeline, t);
      int players = 0;
      for (const QRegularExpressionMatch& m : placed.globalMatch(dom)) {
        const int p = m.captured(1).toInt();
        const QPointF shown(m.captured(2).toDouble(), m.captured(3).toDouble());
        QVERIFY2(QLineF(shown, moment.standing.value(p)).length() < 0.5,
                 qPrintable(QStringLiteral("player %1 at %2 s").arg(p).arg(t)));
        ++players;
      }
      QCOMPARE(players, int(play.playerCount));
    }
    const QString one = platform.folder.filePath(QStringLiteral("one.html"));
    QCOMPARE(moxten.run({QStringLiteral("--export-page"), one, root.filePath(QStringLiteral("2 Slant.ply"))}), 0);
    QVERIFY(readBytes(one).size() <= 20 * 1024);
    for (int n = 3; n <= 50; ++n) writeBytes(root.filePath(QStringLiteral("%1 Play.ply").arg(n)), pass);
    QCOMPARE(moxten.run({QStringLiteral("--export-page"), page, QStringLiteral("--from"), root.path()}), 0);
    QByteArray book = readBytes(page);
    QVERIFY(book.size() <= 150 * 1024);
    // One file, nothing fetched: no address (but SVG's name), no file beside it.
    book.replace("http://www.w3.org/2000/svg", "");
    for (const char* outside : {"http:", "https:", "src=", "href=", "@import", "url("}) QVERIFY2(!book.contains(outside), outside);
  }
};

QTEST_MAIN(ExportsTest)
#include "test_exports.moc"
