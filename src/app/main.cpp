#include "app/desktop/commandline.h"
#include "app/desktop/platform.h"
#include "app/widgets/splash.h"
#include "app/window/moxten.h"
#include "core/files/filenames.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <memory>

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Moxten"));
  QCoreApplication::setApplicationVersion(QStringLiteral(MOXTEN_VERSION));
  CommandLine line;
  {
    // Read before any window system is touched, so that a wrong command line
    // or a missing display ends the program with a line, never an abort.
    const QCoreApplication reading(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << nameFromFileSystem(argv[i]);
    line = readCommandLine(arguments);
  }
  prepareRun(line);
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(MOXTEN_APP_ID));
  DesktopPlatform platform;
  if (line.make != CommandLine::Make::Window) return makeFile(line, platform);

  std::unique_ptr<Moxten> window;
  frmSplash splash([&] {
    window = std::make_unique<Moxten>(platform);
    QObject::connect(window.get(), &Moxten::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    window->show();
    QTimer::singleShot(0, window.get(), [&window] { window->offerRecovery(); });
    // The play given on the command line opens once the window is shown.
    if (!line.play.isEmpty()) QTimer::singleShot(0, window.get(), [&window, &line] { window->openPlay(line.play); });
  });
  if (const QScreen* screen = splash.screen())
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  splash.show();
  return app.exec();
}
