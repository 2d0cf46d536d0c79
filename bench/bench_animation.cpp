// Times the animation engine: the median cost of one frame (every player drawn
// and the Field repainted) with no wait, and a whole run at speed 20 with the
// real wait, for plays of 11, 22 and 100 players on a 1600 x 980 Field. Then
// the editing of 100 players: one step of a drag (the move, the play drawn
// afresh, the repaint) and one undo of a flip with its repaint; placing a
// formation and giving 22 players a route of the route tree. Then the
// exports of a passing play of 22 players: its PNG picture (median of 21)
// and its animated GIF. Then the recovery copy of a play of 100 players. Last
// the whole play drawn afresh in the Football Field look, 22 and 100 players
// with labels and route styles, at 1600 x 980 (median of 200), the
// preview's frames and the video; and a playbook folder of 1,000 plays of 22
// players in the dock, and the wristband cards of 60 of them.
#include "app/desktop/platform.h"
#include "app/settings/configuration.h"
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/widgets/playbookdock.h"
#include "app/widgets/previewbar.h"
#include "app/window/moxten.h"
#include "core/model/legality.h"
#include "core/animation/gif.h"
#include "core/animation/video.h"
#include "core/drawing/gameday.h"
#include "core/files/playfile.h"
#include "core/files/recovery.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers nothing, records when each frame ends, and waits for real only when asked to.
class BenchPlatform : public DesktopPlatform {
 public:
  QTemporaryDir folder;
  bool realWait = false;
  QElapsedTimer clock;
  std::vector<qint64> frameEnds;

  void wait(int milliseconds) override {
    frameEnds.push_back(clock.nsecsElapsed());
    if (realWait) DesktopPlatform::wait(milliseconds);
  }
  QString programFolder() override { return folder.path(); }
};

void setUpPlay(Moxten& window, int count) {
  window.playerCount = std::int16_t(count);
  window.playFileName = QStringLiteral("bench.ply");
  window.isSaved = flagTrue;
  const std::uint32_t colors[] = {vbRed, vbBlue, vbWhite, vbBlack};
  for (int p = 1; p <= count; ++p) {
    const int x = 60 + ((p - 1) % 10) * 150, y = 60 + ((p - 1) / 10) * 90;
    window.players[p] = {x, y, std::int16_t(1 + p % 3), colors[p % 4]};
    const int path[4][2] = {{x, y}, {x + 60, y + 20}, {x + 120, y - 10}, {x + 90, y + 60}};
    for (int s = 0; s <= 3; ++s) window.moves[p][s] = {path[s][0], path[s][1], 0, 0};
  }
  window.Quarterback->setEditText(QStringLiteral("1"));
  window.intended->setEditText(QStringLiteral("2"));
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <typename Step>
double medianOf200(Moxten& window, Step step) {
  std::vector<double> times;
  QElapsedTimer clock;
  for (int i = 0; i < 200; ++i) {
    clock.start();
    step(i);
    window.Field->repaintNow();
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  return median(times);
}

void benchEditing(Moxten& window) {
  setUpPlay(window, 100);
  window.selectTool_Click();
  const PlayerRecord& first = window.players[1];
  window.Field_MouseDown(1, 0, float(first.x), float(first.y));
  const float fromX = float(first.x), fromY = float(first.y);
  const double drag = medianOf200(window, [&](int i) { window.Field_Drag(fromX + 1 + i % 40, fromY + i % 30); });
  window.Field_MouseUp(1, 0, 0);
  for (int i = 0; i < 200; ++i) window.flipPlay_Click();
  const double undo = medianOf200(window, [&](int) { window.undo->trigger(); });
  std::printf("drag 100 players: step median %.2f ms\nundo 100 players: step median %.2f ms\n", drag, undo);

  // A formation read from its file, placed at a press and the play drawn
  // afresh; a route of the route tree given to 22 chosen players and drawn.
  const QString formation = QStringLiteral(MOXTEN_FORMATIONS_DIR "/02-shotgun-spread-2x2.formation");
  const double place = medianOf200(window, [&](int) {
    window.playerCount = 0;
    window.chooseFormation(formation);
    window.Field_MouseDown(1, 0, 800, 600);
  });
  setUpPlay(window, 22);
  window.selectAll_Click();
  const double route = medianOf200(window, [&](int i) { window.giveRoutes(i % 2 ? RouteName::Slant : RouteName::Post); });
  std::printf("place formation 11 players: median %.2f ms\nroute 22 players: median %.2f ms\n", place, route);
}

void benchExports(Moxten& window) {
  setUpPlay(window, 22);
  window.PassingPlay->setChecked(true);
  window.configuration->Speed->setText(QStringLiteral("20"));
  const PlayPicture picture = window.playPicture();
  std::vector<double> times;
  QElapsedTimer clock;
  for (int i = 0; i < 21; ++i) {
    clock.start();
    const std::optional<QByteArray> png = playPictureFile(QStringLiteral("bench.png"), picture, nullptr);
    times.push_back(clock.nsecsElapsed() / 1e6);
    if (!png || png->isEmpty()) std::printf("the picture could not be made\n");
  }
  clock.start();
  const std::optional<QByteArray> gif = animationGif(picture, window.runRoles(), window.frameWait(), nullptr);
  const double seconds = clock.nsecsElapsed() / 1e9;
  std::printf("export picture 22 players: median %.1f ms\nexport animation 22 players: %.2f s, %lld KiB\n",
              median(times), seconds, gif ? static_cast<long long>(gif->size() / 1024) : -1LL);
}

// The recovery copy of an unsaved play of 100 players: what the window's
// thread spends on it, and the whole write to the disk, each a median of 200.
void benchRecovery(Moxten& window) {
  setUpPlay(window, 100);
  window.isSaved = flagFalse;
  std::vector<double> onWindow, written;
  QElapsedTimer clock;
  for (int i = 0; i < 200; ++i) {
    clock.start();
    window.keepRecoveryCopy();
    onWindow.push_back(clock.nsecsElapsed() / 1e6);
    window.recoveryCopies().finish();
    written.push_back(clock.nsecsElapsed() / 1e6);
  }
  std::printf("recovery copy 100 players: window thread median %.3f ms, written median %.2f ms\n", median(onWindow),
              median(written));
}

// The preview's frames over a whole play, each the play at its time drawn
// afresh and repainted (the slider moved a thousandth at a time); then the
// video of the 22 players at 1920 x 1080, 30 frames a second.
void benchPreview(Moxten& window) {
  for (int count : {22, 100}) {
    setUpPlay(window, count);
    window.preview_Click();
    window.previewBar->previewPlay->click();  // paused: the slider alone moves it
    std::vector<double> times;
    QElapsedTimer clock;
    for (int at = 0; at <= 1000; ++at) {
      clock.start();
      window.previewBar->previewSlider->setValue(at);
      window.Field->repaintNow(window.Field->rect());
      times.push_back(clock.nsecsElapsed() / 1e6);
    }
    window.closePreview();
    std::sort(times.begin(), times.end());
    std::printf("preview %d players: frame median %.2f ms, p99 %.2f ms\n", count, times[times.size() / 2],
                times[times.size() * 99 / 100]);
  }
  setUpPlay(window, 22);
  window.PassingPlay->setChecked(true);
  const VideoRequest request{window.playPicture(), QSize(1920, 1080), 30};
  // The encoder alone, with the same settings and threads, on the same frames drawn beforehand.
  std::vector<QImage> drawn;
  const FrameDrawer draw = videoFrameDrawer(request);
  for (int i = 0; i < videoFrames(request); ++i) {
    drawn.emplace_back(request.frameSize, QImage::Format_RGB32);
    draw(i, drawn.back());
  }
  QString why;
  const auto timed = [](const auto& make) {
    QElapsedTimer clock;
    clock.start();
    make();
    return clock.nsecsElapsed() / 1e9;
  };
  const auto whole = [&] { return playVideo(request, &why); };
  const auto alone = [&] {
    encodeVideo(request.frameSize, request.fps, int(drawn.size()),
                [&drawn](int i, QImage& frame) { frame = drawn[std::size_t(i)]; }, &why);
  };
  // The first video loads the writer's module; then the two take turns, three times each.
  const std::optional<QByteArray> video = whole();
  std::vector<double> wholeTimes, ratios;
  for (int run = 0; run < 3; ++run) {
    wholeTimes.push_back(timed(whole));
    ratios.push_back(wholeTimes.back() / timed(alone));
  }
  std::printf("export video 22 players: %.2f s for %.2f s of play, %lld KiB\n", median(wholeTimes),
              videoFrames(request) / 30.0, video ? static_cast<long long>(video->size() / 1024) : -1LL);
  std::printf("export video vs encoder alone: ratio %.2f\n", median(ratios));
}

void benchFootballField(Moxten& window) {
  const QString labels[] = {"QB", "X", "LT", "MLB", "CB", "7"};
  for (int count : {22, 100}) {
    setUpPlay(window, count);
    window.PassingPlay->setChecked(true);
    for (int p = 1; p <= count; ++p) {
      window.labels[p] = labelFrom(labels[p % 6]);
      window.routes[p] = {p % 2 ? RouteLine::Solid : RouteLine::Dashed, RouteEnd(p % 3)};
    }
    window.ballOn = 35;
    PlayPicture picture = window.playPicture();
    picture.look = Look::Football;
    picture.size = QSize(1600, 980);
    QImage image(picture.size, QImage::Format_RGB32);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < 200; ++i) {
      clock.start();
      QPainter painter(&image);
      drawPlayPicture(painter, picture);
      painter.end();
      times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("draw football field %d players: median %.2f ms\n", count, median(times));
  }
}

// The rule book's check of a passing play of 22 (every player with a path of
// three moves, so the throw's moment is found too).
void benchLegality(Moxten& window) {
  setUpPlay(window, 22);
  const PlayRoles roles{1, 2, true};
  std::vector<double> times;
  QElapsedTimer clock;
  qsizetype warnings = 0;
  for (int i = 0; i < 2000; ++i) {
    clock.start();
    warnings = checkLegality(window, roles, Level::HighSchool).size();
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  if (warnings == 0) std::printf("legality: the bench play breaks no rule\n");
  std::printf("legality 22 players: median %.3f ms\n", median(times));
}

// A folder of 1,000 plays of 22 players in four categories opened in the
// dock: the time until its names show, and until every thumbnail is drawn
// while the window goes on serving a timer every 10 ms (its longest wait
// between two is how long input would wait). Then the wristband cards, with
// the coach's key, of 60 of those plays read from their files.
void benchPlaybook(Moxten& window, const QString& folder) {
  window.footballField->trigger();
  setUpPlay(window, 22);
  window.PassingPlay->setChecked(true);
  const QByteArray play = playFileText(window.playPicture().play, window.playPicture().roles);
  const QStringList categories = {"Runs", "Quick Game", "Drop-back", "Red Zone"};
  QDir root(folder);
  for (int n = 0; n < 1000; ++n) {
    const QString category = categories[n % 4];
    root.mkpath(category);
    QFile file(root.filePath(category + QStringLiteral("/play %1.ply").arg(n, 4, 10, QChar(u'0'))));
    if (!file.open(QIODevice::WriteOnly) || file.write(play + "call,Call " + QByteArray::number(n) + "\r\n") < 0)
      std::printf("the playbook folder could not be written\n");
  }
  QElapsedTimer clock, gap;
  double longest = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longest = std::max(longest, gap.nsecsElapsed() / 1e6);
    gap.start();
  });
  tick.start(10);
  clock.start();
  gap.start();
  window.showPlaybook(folder);
  window.playbook->repaint();
  const double names = clock.nsecsElapsed() / 1e6;
  while (!window.playbook->thumbnailsDone()) QApplication::processEvents(QEventLoop::AllEvents, 50);
  QApplication::processEvents();
  std::printf("playbook 1000 plays: names shown %.0f ms, all thumbnails %.2f s\n", names, clock.nsecsElapsed() / 1e9);
  std::printf("playbook 1000 plays: the window's longest wait while thumbnails are drawn %.0f ms\n", longest);
  tick.stop();

  // The usual card (4.5 x 2.75 in, 16 a card), then 5 x 3 in cards of 8 with diagrams.
  for (const WristbandLayout& layout : {WristbandLayout{}, WristbandLayout{2, 8, Level::HighSchool}}) {
    clock.start();
    const QList<PlaybookPlay> plays = readFolderPlays(window.playbook->folder().plays.mid(0, 60));
    const std::optional<QByteArray> pdf =
        pagesPdf(QPageSize(QPageSize::Letter), QStringLiteral("bench"),
                 [&](QPagedPaintDevice& pages) { drawWristband(pages, plays, layout); });
    std::printf("wristband 60 plays%s: %.0f ms, %lld KiB\n", layout.cells == 8 ? " with diagrams, 8 a card" : "",
                clock.nsecsElapsed() / 1e6, pdf ? static_cast<long long>(pdf->size() / 1024) : -1LL);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BenchPlatform platform;
  qputenv("XDG_CONFIG_HOME", platform.folder.path().toLocal8Bit());  // the user's preferences stay untouched
  Moxten window(platform);
  window.setWindowState(Qt::WindowNoState);
  window.resize(1940, 1100);
  window.show();
  QApplication::processEvents();
  window.Field->setGeometry(window.Field->x(), window.Field->y(), 1600, 980);
  QApplication::processEvents();

  for (int count : {11, 22, 100}) {
    setUpPlay(window, count);
    window.configuration->Speed->setText(QStringLiteral("0"));
    std::vector<double> frames;
    for (int run = 0; run < 5; ++run) {
      platform.frameEnds.clear();
      platform.clock.start();
      window.animatePlay();
      for (size_t k = 1; k < 60; ++k)  // the players' frames; the first has no frame before it
        frames.push_back((platform.frameEnds[k] - platform.frameEnds[k - 1]) / 1e6);
    }
    window.configuration->Speed->setText(QStringLiteral("20"));
    platform.realWait = true;
    QElapsedTimer run;
    run.start();
    window.animatePlay();
    const double seconds = run.nsecsElapsed() / 1e9;
    platform.realWait = false;
    std::printf("players %d: frame median %.2f ms, run at speed 20 %.2f s against 1.60 s\n", count, median(frames),
                seconds);
    std::fflush(stdout);
  }
  benchEditing(window);
  benchExports(window);
  benchRecovery(window);
  benchFootballField(window);
  benchLegality(window);
  benchPreview(window);
  QTemporaryDir playbook;
  benchPlaybook(window, playbook.path());
  return 0;
}
