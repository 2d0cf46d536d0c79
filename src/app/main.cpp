#include "app/moxten.h"
#include "app/platform.h"
#include "app/splash.h"

#include <QApplication>
#include <QScreen>

#include <memory>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Moxten"));
  DesktopPlatform platform;
  std::unique_ptr<Moxten> window;
  frmSplash splash([&] {
    window = std::make_unique<Moxten>(platform);
    QObject::connect(window.get(), &Moxten::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    window->show();
  });
  if (const QScreen* screen = splash.screen())
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  splash.show();
  return app.exec();
}
