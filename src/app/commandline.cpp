#include "app/commandline.h"

#include "animation/gif.h"
#include "app/platform.h"
#include "drawing/playbook.h"
#include "files/playfile.h"
#include "files/playlist.h"
#include "files/regularfile.h"
#include "files/savedfile.h"
#include "settings/settingsfile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The options that make a file with no window.
struct MakeOption {
  const char* name;
  CommandLine::Make make;
  const char* value;
  const char* help;
};
const MakeOption makeOptions[] = {
    {"export", CommandLine::Make::Picture, "OUT", "Writes the picture of FILE to OUT: PNG, SVG or PDF by its extension."},
    {"export-animation", CommandLine::Make::Animation, "OUT.gif", "Writes the animation of FILE to OUT as an animated GIF."},
    {"playbook", CommandLine::Make::Playbook, "OUT.pdf", "Writes a PDF playbook of every play in the play list to OUT."},
};
// Qt's own options, which show no window either.
const char* const answerOptions[] = {"help", "h", "help-all", "version", "v"};

// Whether the argument gives the option: "--name", "-name" or "--name=value".
bool givesOption(const char* argument, const char* name) {
  if (*argument != '-') return false;
  while (*argument == '-') ++argument;
  const std::size_t length = std::strlen(name);
  return std::strncmp(argument, name, length) == 0 && (argument[length] == '\0' || argument[length] == '=');
}

// Qt's own notes (a runtime folder not set, say) are not the program's to print.
void keepQuietButForFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

[[noreturn]] void refuseLine(const QString& why) {
  std::fprintf(stderr, "moxten: %s\n", qPrintable(why));
  std::exit(1);
}

bool endsIn(const QString& path, const char* extension) {
  return QFileInfo(path).suffix().compare(QLatin1String(extension), Qt::CaseInsensitive) == 0;
}

std::optional<PlayPicture> readPicture(const QString& path, QString* why) {
  Play play;
  std::optional<PlayRoles> roles;
  ReadFailure failure;
  if (!readPlayFile(path, ReadPolicy::Strict, play, &failure, &roles)) {
    *why = QStringLiteral("the play could not be read from ") + path + QStringLiteral(": ") + failure.why;
    return std::nullopt;
  }
  return PlayPicture{play, roles.value_or(PlayRoles()), pictureSizeFor(play), 0};
}

RunRoles runRolesOf(const PlayRoles& roles) {
  const auto named = [](int player) { return player > 0 ? std::optional<int>(player) : std::nullopt; };
  return {double(roles.quarterback), named(roles.quarterback), named(roles.receiver)};
}

// The speed setting of the settings file, or its usual value.
int settingsFrameWait(Platform& platform) {
  Settings settings;
  QFile file(dataFilePath(platform, settingsFileName));
  if (openRegularFile(file, QIODevice::ReadOnly, nullptr)) readSettings(file, settings);
  return frameWaitFor(settings.speed);
}

std::optional<QByteArray> madeBytes(const CommandLine& line, Platform& platform, QString* why) {
  if (line.make == CommandLine::Make::Playbook) {
    const QString listPath = dataFilePath(platform, playListFileName);
    const QList<PlaybookPlay> plays = readPlaybook(listPath);
    if (plays.isEmpty()) {
      *why = QStringLiteral("the play list ") + listPath + QStringLiteral(" holds no plays");
      return std::nullopt;
    }
    return playbookPdf(plays, line.playsPerPage);
  }
  const std::optional<PlayPicture> picture = readPicture(line.play, why);
  if (!picture) return std::nullopt;
  if (line.make == CommandLine::Make::Picture) return playPictureFile(line.output, *picture, why);
  return animationGif(*picture, runRolesOf(picture->roles), settingsFrameWait(platform), why);
}

}  // namespace

void prepareForWindowlessRun(int argc, char* argv[]) {
  bool windowless = false;
  for (int i = 1; i < argc; ++i) {
    for (const MakeOption& option : makeOptions) windowless |= givesOption(argv[i], option.name);
    for (const char* name : answerOptions) windowless |= givesOption(argv[i], name);
  }
  if (!windowless) return;
  qInstallMessageHandler(keepQuietButForFailures);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
      !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

CommandLine readCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Designs American-football plays and animates them."));
  parser.addHelpOption();
  parser.addVersionOption();
  for (const MakeOption& option : makeOptions)
    parser.addOption({QLatin1String(option.name), QLatin1String(option.help), QLatin1String(option.value)});
  const QCommandLineOption perPage(QStringLiteral("per-page"), QStringLiteral("Plays a page of the playbook: 1, 2, 4 or 6."),
                                   QStringLiteral("N"), QString::number(usualPlaysPerPage));
  parser.addOption(perPage);
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The play file to open or to export."),
                               QStringLiteral("[FILE]"));
  parser.process(app);

  CommandLine line;
  int makes = 0;
  for (const MakeOption& option : makeOptions)
    if (parser.isSet(QLatin1String(option.name))) {
      ++makes;
      line.make = option.make;
      line.output = parser.value(QLatin1String(option.name));
    }
  if (makes > 1) refuseLine(QStringLiteral("give one of --export, --export-animation and --playbook"));
  const QStringList files = parser.positionalArguments();
  const bool needsPlay = line.make != CommandLine::Make::Playbook;
  if (files.size() > 1 || (!needsPlay && !files.isEmpty()))
    refuseLine(QStringLiteral("unexpected argument ") + files.last());
  if (needsPlay && line.make != CommandLine::Make::Window && files.isEmpty())
    refuseLine(QStringLiteral("give the play FILE to export"));
  line.play = files.isEmpty() ? QString() : QFileInfo(files[0]).absoluteFilePath();
  if (parser.isSet(perPage) && line.make != CommandLine::Make::Playbook)
    refuseLine(QStringLiteral("--per-page belongs to --playbook"));
  bool number = false;
  line.playsPerPage = parser.value(perPage).toInt(&number);
  if (!number || !playsPerPageChoices.contains(line.playsPerPage))
    refuseLine(QStringLiteral("--per-page must be 1, 2, 4 or 6"));
  if (line.make == CommandLine::Make::Animation && !endsIn(line.output, "gif"))
    refuseLine(QStringLiteral("the animation's file name must end in .gif"));
  if (line.make == CommandLine::Make::Playbook && !endsIn(line.output, "pdf"))
    refuseLine(QStringLiteral("the playbook's file name must end in .pdf"));
  return line;
}

int makeFile(const CommandLine& line, Platform& platform) {
  QString why;
  const std::optional<QByteArray> bytes = madeBytes(line, platform, &why);
  if (!bytes || !writeExport(line.output, *bytes, &why)) refuseLine(line.output + QStringLiteral(": ") + why);
  return 0;
}
