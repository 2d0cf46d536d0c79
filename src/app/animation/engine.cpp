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
  checkRules();  // no rings over a run; the next drawing of the play brings them back
  const int delay = frameWait();
  const RunRoles roles = runRoles();
  if (const std::optional<QPointF> start = footballStart(*this, roles)) moveFootball(*start);
  football->setVisible(PassingPlay->checkState() != Qt::Unchecked);
  // The football and paper looks show each frame drawn afresh, the classic
  // look the canvas the engine draws on.
  const bool inLook = view_.look != Look::Classic;
  runFrame_ = 0;
  runAnimation(canvas(), *this, roles, penColor, [&](std::optional<QPointF> ball) {
    const QRegion ballArea = ball ? moveFootball(*ball) : QRegion();
    if (inLook) {
      runFrame_ = *runFrame_ + 1;
      refreshLook();
    }
    Field->repaintNow(inLook ? QRegion(Field->rect()) : ballArea);
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
