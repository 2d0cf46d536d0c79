#include "app/splash.h"

#include "app/artwork.h"

#include <QLabel>

frmSplash::frmSplash(QWidget* mainWindow) : QWidget(nullptr, Qt::SplashScreen), mainWindow_(mainWindow) {
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
  mainWindow_->show();
  Timer1.stop();
}
