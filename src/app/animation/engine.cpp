// Moxten: the animation engine and the football.
#include "app/settings/configuration.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/animation/run.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>


int Moxten::frameWait() const { return frameWaitFor(configuration->Speed->text()); }

void Moxten::animatePlay() {
  animating_ = true;
  const int delay = frameWait();
  const RunRoles roles = runRoles();
  if (const std::optional<QPointF> start = footballStart(*this, roles)) moveFootball(*start);
  football->setVisible(PassingPlay->checkState() != Qt::Unchecked);
  runAnimation(canvas(), *this, roles, penColor, [&](std::optional<QPointF> ball) {
    Field->repaintNow(ball ? moveFootball(*ball) : QRegion());
    platform_.wait(delay);
  });

  animating_ = false;
  // The waits held the user's input back in the window system's queue, where
  // nothing new wakes the event loop to take it: wake it, so that the input
  // is handled now, in the order given.
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}
