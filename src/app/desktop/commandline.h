#pragma once

#include "core/drawing/looks.h"

#include <QPageSize>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class Platform;

// What the command line asks for: a play to open in the window, or a file to
// make without one.
struct CommandLine {
  enum class Make { Window, Picture, Animation, Playbook, Video, Wristband, CallSheet, Check, Against, Scout, Page } make = Make::Window;
  QString output;  // the file to make
  QString play;    // the play file to open or to make it from
  int playsPerPage = 0;  // of the playbook; of the scout cards, 1 or 2
  // The playbook folder (and its category) the playbook, wristband or call
  // sheet is made from; the play list when there is none.
  QString from;
  QString category;
  // The wristband's card (in wristbandCards) and its cells.
  int card = 0;
  int cells = 16;
  // The paper printed on: A4 for the playbook, letter for the rest, unless
  // --paper says otherwise.
  std::optional<QPageSize::PageSizeId> paper;
  // The look of what is made: classic for a picture or an animation, paper
  // for a playbook, unless --style says otherwise; the level's hash marks.
  Look look = Look::Classic;
  Level level = Level::HighSchool;
  // The video's rate and frame size.
  int fps = 30;
  QSize frameSize{1920, 1080};
};

// Reads the program's arguments (file names as nameFromFileSystem gives
// them) while no window system is touched (a QCoreApplication may exist, no
// more). --help, --version and a command line
// that cannot be taken end the program here: an error with its line on
// standard error and status 1.
CommandLine readCommandLine(const QStringList& arguments);

// Before the application exists: a window run with no display to show on
// ends here with a line that says so; a run that makes a file prints only
// its own lines and, with no display, uses Qt's offscreen platform.
void prepareRun(const CommandLine& line);

// Makes the file the command line asks for; the program's exit status. A
// failure prints one line on standard error that says why and writes nothing.
// --check prints each rule the play breaks, a line each, and answers 1 when
// there is one.
int makeFile(const CommandLine& line, Platform& platform);
