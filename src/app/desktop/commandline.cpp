#include "app/desktop/commandline.h"

#include "app/desktop/platform.h"
#include "core/animation/gif.h"
#include "core/animation/video.h"
#include "core/drawing/gameday.h"
#include "core/drawing/scouting.h"
#include "core/drawing/webpage.h"
#include "core/files/playfile.h"
#include "core/files/playlist.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"
#include "core/model/legality.h"
#include "core/model/yards.h"
#include "core/settings/settingsfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

// The options that make a file with no window.
struct MakeOption {
  const char* name;
  CommandLine::Make make;
  const char* value;
  const char* help;
};
const MakeOption makeOptions[] = {
    {"export", CommandLine::Make::Picture, "OUT",
     "Writes the picture of FILE to OUT: PNG, SVG or PDF by its extension."},
    {"export-animation", CommandLine::Make::Animation, "OUT.gif",
     "Writes the animation of FILE to OUT as an animated GIF."},
    {"playbook", CommandLine::Make::Playbook, "OUT.pdf",
     "Writes a PDF playbook of every play in the play list (or of --from) to OUT."},
    {"export-video", CommandLine::Make::Video, "OUT.mp4",
     "Writes the play in time to OUT: an H.264 MP4, or an animated GIF when OUT ends in .gif."},
    {"wristband", CommandLine::Make::Wristband, "OUT.pdf",
     "Writes wristband cards of the plays of --from (or the play list), numbered, with the coach's key, to OUT."},
    {"callsheet", CommandLine::Make::CallSheet, "OUT.pdf",
     "Writes a call sheet of the plays of --from (or the play list) by category to OUT."},
    {"against", CommandLine::Make::Against, "OUT.pdf",
     "Writes a page of FILE against each saved defence it names to OUT."},
    {"scout", CommandLine::Make::Scout, "OUT.pdf",
     "Writes scout cards of the plays of --from (or the play list) to OUT: each defence a play names as the offence "
     "sees it, with the play's number and call, 2 a page (or --per-page 1)."},
    {"export-page", CommandLine::Make::Page, "OUT.html",
     "Writes FILE (or the plays of --from) as one web page to OUT that shows and plays them offline on any phone."},
    {"check", CommandLine::Make::Check, "PLAY",
     "Checks the offence of PLAY against the rule book of --level: prints each rule it breaks, and ends with "
     "status 1 when there is one."},
};
const QString makeNames = QStringLiteral(
    "--export, --export-animation, --export-video, --export-page, --playbook, --wristband, --callsheet, --against, "
    "--scout and --check");

bool madeFromPlays(CommandLine::Make make) {
  return make == CommandLine::Make::Playbook || make == CommandLine::Make::Wristband ||
         make == CommandLine::Make::CallSheet || make == CommandLine::Make::Scout;
}

// The diagrams of the plays against their defences; each one skipped said on
// standard error, and none at all a failure.
std::optional<QByteArray> versusBytes(const QList<PlaybookPlay>& plays, const CommandLine& line, Platform& platform,
                                      const QString& heading, QString* why) {
  const bool scouting = line.make == CommandLine::Make::Scout;
  QStringList skipped;
  const QList<VersusDiagram> diagrams = versusDiagrams(plays, readSavedDefences(formationFolders(platform)), scouting, &skipped);
  for (const QString& defence : skipped)
    std::fprintf(stderr, "moxten: %s\n", qPrintable(QStringLiteral("skipped ") + defence));
  if (diagrams.isEmpty()) {
    *why = QStringLiteral("no play names a saved defence to be shown against");
    return std::nullopt;
  }
  return pagesPdf(QPageSize(line.paper.value_or(QPageSize::Letter)), heading, [&](QPagedPaintDevice& pages) {
    drawVersusPages(pages, diagrams, scouting ? line.playsPerPage : 1, heading, QDate::currentDate(), line.look,
                    line.level);
  });
}
bool hasDisplay() { return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"); }

// Qt's own notes (a runtime folder not set, say) are not the program's to print.
void keepQuietButForFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// A misused command line ends with status 1; what --check cannot check, with 2.
constexpr int misused = 1;
constexpr int notChecked = 2;

[[noreturn]] void refuseLine(const QString& why, int status = misused) {
  std::fprintf(stderr, "moxten: %s\n", qPrintable(why));
  std::exit(status);
}

std::optional<PlayPicture> readPicture(const CommandLine& line, QString* why) {
  const QString& path = line.play;
  Play play;
  std::optional<PlayRoles> roles;
  ReadFailure failure;
  if (!readPlayFile(path, ReadPolicy::Strict, play, &failure, &roles)) {
    *why = QStringLiteral("the play could not be read from ") + path + QStringLiteral(": ") + failure.why;
    return std::nullopt;
  }
  return PlayPicture{play, roles.value_or(PlayRoles()), pictureSizeFor(play), 0, line.look, line.level};
}

// The speed setting of the settings file, or its usual value.
int settingsFrameWait(Platform& platform) {
  Settings settings;
  QFile file(dataFilePath(platform, settingsFileName));
  if (openRegularFile(file, QIODevice::ReadOnly, nullptr)) readSettings(file, settings);
  return frameWaitFor(settings.speed);
}

// The plays of the folder (of its category) or of the play list, and the
// title they are printed under; each play that could not be read is said on
// standard error, and none that could is refused.
QList<PlaybookPlay> playsToPrint(const CommandLine& line, Platform& platform, QString* title, QString* why) {
  QList<PlaybookPlay> plays;
  QString listPath;
  if (!line.from.isEmpty()) {
    const PlaybookFolder folder = scanPlaybookFolder(line.from);
    if (line.category.isEmpty())
      for (const QString& name : folder.unreadableNames)
        std::fprintf(stderr, "moxten: skipped the category %s: its name is not UTF-8\n", qPrintable(name));
    plays = readFolderPlays(folderPlaysOf(folder, line.category, why));
    *title = folder.title;
    if (!why->isEmpty()) return {};
  } else {
    listPath = dataFilePath(platform, playListFileName);
    if (listPath.isEmpty()) {
      *why = QStringLiteral("there is no play list: ") + noDataFolderReason;
      return {};
    }
    QStringList leftOut;
    plays = readPlaybook(listPath, why, &leftOut);
    if (const QString sentence = leftOutOfPlayList(leftOut); !sentence.isEmpty())
      std::fprintf(stderr, "moxten: %s\n", qPrintable(sentence));
    *title = QStringLiteral("Playbook");
    if (!why->isEmpty()) return {};
    if (sameFile(line.output, listPath)) {
      *why = QStringLiteral("it is the play list itself");
      return {};
    }
  }
  for (const PlaybookPlay& play : plays)
    if (sameFile(line.output, play.file)) {
      *why = QStringLiteral("it is the listed play ") + play.title + QStringLiteral(" itself");
      return {};
    }
  const QStringList unread = unreadPlays(plays);
  for (const QString& unreadPlay : unread) std::fprintf(stderr, "moxten: %s\n", qPrintable(unreadPlay));
  const QString source = line.from.isEmpty() ? QStringLiteral("the play list") : QStringLiteral("the playbook");
  if (plays.isEmpty())
    *why = source + u' ' + (line.from.isEmpty() ? listPath : line.from) + QStringLiteral(" holds no plays");
  else if (unread.size() == plays.size())
    *why = QStringLiteral("no play of ") + source + QStringLiteral(" could be read");
  return why->isEmpty() ? plays : QList<PlaybookPlay>();
}

std::optional<QByteArray> printedBytes(const CommandLine& line, Platform& platform, QString* why) {
  QString title;
  const QList<PlaybookPlay> plays = playsToPrint(line, platform, &title, why);
  if (plays.isEmpty()) return std::nullopt;
  const QDate today = QDate::currentDate();
  if (line.make == CommandLine::Make::Scout) return versusBytes(plays, line, platform, title, why);
  if (line.make == CommandLine::Make::Playbook)
    return pagesPdf(QPageSize(line.paper.value_or(QPageSize::A4)), title, [&](QPagedPaintDevice& pages) {
      drawPlaybook(pages, plays, {line.playsPerPage, line.look, line.level, title, today});
    });
  const QPageSize paper(line.paper.value_or(QPageSize::Letter));
  if (line.make == CommandLine::Make::Wristband)
    return pagesPdf(paper, title, [&](QPagedPaintDevice& pages) {
      drawWristband(pages, plays, {line.card, line.cells, line.level});
    });
  return pagesPdf(paper, title, [&](QPagedPaintDevice& pages) { drawCallSheet(pages, plays, title, today); });
}

std::optional<QByteArray> madeBytes(const CommandLine& line, Platform& platform, QString* why) {
  if (madeFromPlays(line.make)) return printedBytes(line, platform, why);
  if (line.make == CommandLine::Make::Page && !line.from.isEmpty()) {
    QString title;
    const QList<PlaybookPlay> plays = playsToPrint(line, platform, &title, why);
    if (plays.isEmpty()) return std::nullopt;
    return playPage(plays, title, line.look, line.level);
  }
  const std::optional<PlayPicture> picture = readPicture(line, why);
  if (!picture) return std::nullopt;
  if (line.make == CommandLine::Make::Picture) return playPictureFile(line.output, *picture, why);
  if (line.make == CommandLine::Make::Page) {
    const PlaybookPlay play{QFileInfo(line.play).completeBaseName(), line.play, picture, QString()};
    return playPage({play}, play.called(), line.look, line.level);
  }
  if (line.make == CommandLine::Make::Against) {
    const PlaybookPlay play{QFileInfo(line.play).completeBaseName(), line.play, picture, QString()};
    return versusBytes({play}, line, platform, play.called(), why);
  }
  if (line.make == CommandLine::Make::Video) {
    const VideoRequest request{*picture, line.frameSize, line.fps};
    return hasExtension(line.output, QStringLiteral("gif")) ? playVideoGif(request, why) : playVideo(request, why);
  }
  return animationGif(*picture, runRolesOf(picture->play, picture->roles.quarterback, picture->roles.receiver),
                      settingsFrameWait(platform), why);
}

}  // namespace

void prepareRun(const CommandLine& line) {
  const bool platformSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
  if (line.make == CommandLine::Make::Window) {
    if (!platformSet && !hasDisplay())
      refuseLine(QStringLiteral("the window needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set; ") +
                 makeNames + QStringLiteral(" need none"));
    return;
  }
  qInstallMessageHandler(keepQuietButForFailures);
  if (!platformSet && !hasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
}

CommandLine readCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Designs American-football plays and animates them."));
  parser.addHelpOption();
  parser.addVersionOption();
  for (const MakeOption& option : makeOptions)
    parser.addOption({QLatin1String(option.name), QLatin1String(option.help), QLatin1String(option.value)});
  const QCommandLineOption perPage(QStringLiteral("per-page"), QStringLiteral("Plays a page of the playbook: 1, 2, 4, 6 or 9."),
                                   QStringLiteral("N"), QString::number(usualPlaysPerPage));
  parser.addOption(perPage);
  const QCommandLineOption style(QStringLiteral("style"),
                                 QStringLiteral("The look of the file made: classic, football or paper (the usual: "
                                                "classic for --export and --export-animation, paper for --playbook)."),
                                 QStringLiteral("LOOK"));
  parser.addOption(style);
  const QCommandLineOption level(QStringLiteral("level"),
                                 QStringLiteral("Where the hash marks stand: high-school (the usual), college or pro."),
                                 QStringLiteral("LEVEL"), levelWord(Level::HighSchool));
  parser.addOption(level);
  const QCommandLineOption fps(QStringLiteral("fps"), QStringLiteral("Frames a second of the video: 30 (the usual) or 60."),
                               QStringLiteral("N"), QStringLiteral("30"));
  parser.addOption(fps);
  const QCommandLineOption frameSize(QStringLiteral("size"),
                                     QStringLiteral("The video's frame, WxH (the usual: 1920x1080)."),
                                     QStringLiteral("WxH"), QStringLiteral("1920x1080"));
  parser.addOption(frameSize);
  const QCommandLineOption from(
      QStringLiteral("from"), QStringLiteral("The playbook folder to print from: its sub-folders are its categories."),
      QStringLiteral("FOLDER"));
  parser.addOption(from);
  const QCommandLineOption category(QStringLiteral("category"), QStringLiteral("Prints only this category of --from."),
                                    QStringLiteral("NAME"));
  parser.addOption(category);
  const QCommandLineOption card(QStringLiteral("card"),
                                QStringLiteral("The wristband's window: 4.5x2.75 (the usual), 3.5x2.5 or 5x3 inches."),
                                QStringLiteral("WxH"), QStringLiteral("4.5x2.75"));
  parser.addOption(card);
  const QCommandLineOption cells(QStringLiteral("cells"),
                                 QStringLiteral("Plays a wristband card holds: 8, 12, 16 (the usual), 20 or 24."),
                                 QStringLiteral("N"), QStringLiteral("16"));
  parser.addOption(cells);
  const QCommandLineOption paper(
      QStringLiteral("paper"),
      QStringLiteral("The paper: letter or a4 (the usual: a4 for --playbook, letter for the rest)."),
      QStringLiteral("SIZE"));
  parser.addOption(paper);
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The play file to open or to export."),
                               QStringLiteral("[FILE]"));
  if (!parser.parse(arguments)) refuseLine(parser.errorText());
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  for (const QString& name : parser.optionNames())
    if (parser.values(name).size() > 1) refuseLine(QStringLiteral("--%1 is given more than once").arg(name));

  CommandLine line;
  int makes = 0;
  for (const MakeOption& option : makeOptions)
    if (parser.isSet(QLatin1String(option.name))) {
      ++makes;
      line.make = option.make;
      line.output = parser.value(QLatin1String(option.name));
    }
  if (makes > 1) refuseLine(QStringLiteral("give one of ") + makeNames);
  const bool checking = line.make == CommandLine::Make::Check;
  if (checking) std::swap(line.play, line.output);  // the option names the play; nothing is written
  const QStringList files = parser.positionalArguments();
  // A page is made from a play, or from the plays of --from.
  const bool pageOfFolder = line.make == CommandLine::Make::Page && parser.isSet(from);
  const bool needsPlay = !madeFromPlays(line.make) && !checking && !pageOfFolder;
  if (files.size() > 1 || (!needsPlay && !files.isEmpty()))
    refuseLine(QStringLiteral("unexpected argument ") + files.last());
  if (needsPlay && line.make != CommandLine::Make::Window && files.isEmpty())
    refuseLine(QStringLiteral("give the play FILE to export"));
  // QDir keeps a name's escaped bytes, where QFileInfo would lose them.
  if (!checking) line.play = files.isEmpty() ? QString() : QDir::current().absoluteFilePath(files[0]);
  else line.play = QDir::current().absoluteFilePath(line.play);
  const bool scouting = line.make == CommandLine::Make::Scout;
  if (parser.isSet(perPage) && line.make != CommandLine::Make::Playbook && !scouting)
    refuseLine(QStringLiteral("--per-page belongs to --playbook and --scout"));
  bool number = false;
  line.playsPerPage = scouting && !parser.isSet(perPage) ? 2 : parser.value(perPage).toInt(&number);
  if (scouting && line.playsPerPage != 1 && line.playsPerPage != 2)
    refuseLine(QStringLiteral("--per-page of --scout must be 1 or 2"));
  if (!scouting && (!number || !playsPerPageChoices.contains(line.playsPerPage)))
    refuseLine(QStringLiteral("--per-page must be 1, 2, 4, 6 or 9"));
  if ((parser.isSet(fps) || parser.isSet(frameSize)) && line.make != CommandLine::Make::Video)
    refuseLine(QStringLiteral("--fps and --size belong to --export-video"));
  line.fps = parser.value(fps).toInt();
  if (!videoRates.contains(line.fps)) refuseLine(QStringLiteral("--fps must be 30 or 60"));
  const QStringList sides = parser.value(frameSize).split(u'x');
  bool wide = false, high = false;
  line.frameSize = sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
  if (!wide || !high) refuseLine(QStringLiteral("--size must be WxH, as 1920x1080"));
  if (const QString why = frameSizeRefusal(line.frameSize); !why.isEmpty()) refuseLine(QStringLiteral("--size: ") + why);
  if ((parser.isSet(style) || parser.isSet(level)) && line.make == CommandLine::Make::Window)
    refuseLine(QStringLiteral("--style and --level belong to ") + makeNames);
  if (parser.isSet(from) && !madeFromPlays(line.make) && line.make != CommandLine::Make::Page)
    refuseLine(QStringLiteral("--from belongs to --playbook, --wristband, --callsheet, --scout and --export-page"));
  if (parser.isSet(paper) && !madeFromPlays(line.make) && line.make != CommandLine::Make::Against)
    refuseLine(QStringLiteral("--paper belongs to --playbook, --wristband, --callsheet, --scout and --against"));
  if (parser.isSet(category) && !parser.isSet(from)) refuseLine(QStringLiteral("--category needs --from"));
  line.from = parser.isSet(from) ? QDir::current().absoluteFilePath(parser.value(from)) : QString();
  line.category = parser.value(category);
  if ((parser.isSet(card) || parser.isSet(cells)) && line.make != CommandLine::Make::Wristband)
    refuseLine(QStringLiteral("--card and --cells belong to --wristband"));
  const QStringList cards = {QStringLiteral("4.5x2.75"), QStringLiteral("3.5x2.5"), QStringLiteral("5x3")};
  line.card = int(cards.indexOf(parser.value(card)));
  if (line.card < 0) refuseLine(QStringLiteral("--card must be 4.5x2.75, 3.5x2.5 or 5x3"));
  line.cells = parser.value(cells).toInt();
  if (!wristbandCellChoices.contains(line.cells)) refuseLine(QStringLiteral("--cells must be 8, 12, 16, 20 or 24"));
  if (parser.isSet(paper)) {
    const QString size = parser.value(paper).toLower();
    if (size != QStringLiteral("letter") && size != QStringLiteral("a4"))
      refuseLine(QStringLiteral("--paper must be letter or a4"));
    line.paper = size == QStringLiteral("a4") ? QPageSize::A4 : QPageSize::Letter;
  }
  const std::optional<Look> look = lookFrom(parser.value(style));
  if (parser.isSet(style) && !look) refuseLine(QStringLiteral("--style must be classic, football or paper"));
  line.look = look.value_or(line.make == CommandLine::Make::Page                             ? Look::Football
                            : needsPlay && line.make != CommandLine::Make::Against ? Look::Classic
                                                                                   : Look::Paper);
  const std::optional<Level> levelRead = levelFrom(parser.value(level));
  if (!levelRead) refuseLine(QStringLiteral("--level must be high-school, college or pro"));
  line.level = *levelRead;
  if (line.make == CommandLine::Make::Video && !hasExtension(line.output, QStringLiteral("mp4")) &&
      !hasExtension(line.output, QStringLiteral("gif")))
    refuseLine(QStringLiteral("the video's file name must end in .mp4 or .gif"));
  if (line.make == CommandLine::Make::Animation && !hasExtension(line.output, QStringLiteral("gif")))
    refuseLine(QStringLiteral("the animation's file name must end in .gif"));
  if ((madeFromPlays(line.make) || line.make == CommandLine::Make::Against) &&
      !hasExtension(line.output, QStringLiteral("pdf")))
    refuseLine(QStringLiteral("the file name must end in .pdf"));
  if (line.make == CommandLine::Make::Page && !hasExtension(line.output, QStringLiteral("html")))
    refuseLine(QStringLiteral("the page's file name must end in .html"));
  if (line.make != CommandLine::Make::Window && !checking && sameFile(line.output, line.play))
    refuseLine(line.output + QStringLiteral(": it is the play file itself"));
  return line;
}

namespace {

int checkPlay(const CommandLine& line) {
  QString why;
  const std::optional<PlayPicture> picture = readPicture(line, &why);
  if (!picture) refuseLine(why, notChecked);
  if (picture->play.placedCount() == 0) refuseLine(line.play + QStringLiteral(": the play has no players"), notChecked);
  if (!ballSpot(picture->play))
    refuseLine(line.play + QStringLiteral(": the play has no centre, so its line of scrimmage is unknown"), notChecked);
  const QList<RuleWarning> warnings = checkLegality(picture->play, picture->roles, line.level);
  for (const RuleWarning& warning : warnings)
    std::printf("%s\n", qPrintable(ruleSentence(warning)));
  return warnings.isEmpty() ? 0 : 1;
}

}  // namespace

int makeFile(const CommandLine& line, Platform& platform) {
  if (line.make == CommandLine::Make::Check) return checkPlay(line);
  QString why;
  const std::optional<QByteArray> bytes = madeBytes(line, platform, &why);
  if (!bytes || !writeExport(line.output, *bytes, &why)) refuseLine(line.output + QStringLiteral(": ") + why);
  return 0;
}
