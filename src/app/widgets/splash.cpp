#include "app/widgets/splash.h"

#include "app/widgets/artwork.h"

#include <QLabel>

frmSplash::frmSplash(std::function<void()> openMainWindow)
    : QWidget(nullptr, Qt::SplashScreen), openMainWindow_(std::move(openMainWindow)) {
  setObjectName(QStringLiteral("frmSplash"));
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(titleArt());
  picture->setFixedSize(432, 216);
  setFixedSize(432, 216);
  Timer1.setObjectName(QStringLiteral("Timer1"));
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
  Form_Load();
}

void frmSplash::Form_Load() {
  ticks = 0;
  Timer1.start();
}

void frmSplash::Timer1_Timer() {
  ++ticks;
  if (ticks != 2) return;
  hide();
  openMainWindow_();
  Timer1.stop();
}
