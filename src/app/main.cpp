#include "app/moxten.h"
#include "app/platform.h"
#include "app/splash.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Moxten"));
  DesktopPlatform platform;
  Moxten window(platform);
  QObject::connect(&window, &Moxten::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
  frmSplash splash(&window);
  if (const QScreen* screen = splash.screen())
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  splash.show();
  return app.exec();
}
