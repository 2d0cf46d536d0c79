#include "app/widgets/splash.h"

#include "app/widgets/artwork.h"

#include <QLabel>

frmSplash::frmSplash(std::function<void()> openMainWindow)
    : QWidget(nullptr, Qt::SplashScreen), openMainWindow_(std::move(openMainWindow)) {
  setObjectName(QStringLiteral("frmSplash"));
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setPixmap(titleArt());
  picture_->setFixedSize(titleArtSize);
  setFixedSize(titleArtSize);
  Timer1.setObjectName(QStringLiteral("Timer1"));
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
  Form_Load();
}

// The picture is shown just after the window: a child shown first starts the
// desktop's accessibility bridge (a session bus connection) before the window
// is mapped. Both are painted together once the window is exposed.
void frmSplash::setVisible(bool visible) {
  if (!visible) return QWidget::setVisible(false);
  picture_->hide();
  QWidget::setVisible(true);
  picture_->show();
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
