#pragma once

#include <QString>

class Platform;
class QCoreApplication;

// What the command line asks for: a play to open in the window, or a file to
// make without one.
struct CommandLine {
  enum class Make { Window, Picture, Animation, Playbook } make = Make::Window;
  QString output;  // the file to make
  QString play;    // the play file to open or to make it from
  int playsPerPage = 0;
};

// Before the application exists: a command line that shows no window (an
// export, --help, --version) prints only its own lines, and with no platform
// set and no display to show on it uses Qt's offscreen platform.
void prepareForWindowlessRun(int argc, char* argv[]);

// Reads the command line; --help, --version and a command line that cannot
// be taken end the program here.
CommandLine readCommandLine(const QCoreApplication& app);

// Makes the file the command line asks for; the program's exit status. A
// failure prints one line on standard error that says why and writes nothing.
int makeFile(const CommandLine& line, Platform& platform);
