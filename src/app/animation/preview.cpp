// Moxten: the preview, the play in time on the Field with a transport bar.
#include "app/widgets/fieldbox.h"
#include "app/widgets/previewbar.h"
#include "app/window/moxten.h"
#include "core/animation/moment.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace {

constexpr double stepSeconds = 0.1;

double wholeLength(double length) { return heldAtStart + length + heldAtEnd; }

}  // namespace

void Moxten::buildPreview() {
  preview = Animatation->addAction(QStringLiteral("&Preview"));
  preview->setObjectName(QStringLiteral("preview"));
  preview->setShortcut(QKeySequence(Qt::Key_F5));
  previewBar = new PreviewBar(centralWidget());
  previewBar->hide();
  previewTimer_ = new QTimer(this);
  previewTimer_->setTimerType(Qt::PreciseTimer);
  previewClock_ = std::make_unique<QElapsedTimer>();
  connect(preview, &QAction::triggered, this, &Moxten::preview_Click);
  connect(previewTimer_, &QTimer::timeout, this, &Moxten::previewTick);
  connect(previewBar->previewPlay, &QPushButton::clicked, this, &Moxten::playOrPausePreview);
  connect(previewBar->previewStepBack, &QPushButton::clicked, this, [this] { stepPreview(-stepSeconds); });
  connect(previewBar->previewStep, &QPushButton::clicked, this, [this] { stepPreview(stepSeconds); });
  connect(previewBar->previewClose, &QPushButton::clicked, this, &Moxten::closePreview);
  // However the slider moves (dragged, clicked on its groove, its keys), the play follows it.
  connect(previewBar->previewSlider, &QSlider::valueChanged, this, [this](int value) {
    if (!preview_) return;
    preview_->playing = false;
    previewBar->showPlaying(false);
    showPreviewAt(value / 1000.0 * wholeLength(preview_->timeline.length));
  });
  // Space, Left and Right are the bar's while it is shown; Esc closes it through the select tool's key.
  const std::pair<QKeySequence, std::function<void()>> keys[] = {
      {QKeySequence(Qt::Key_Space), [this] { playOrPausePreview(); }},
      {QKeySequence(Qt::Key_Left), [this] { stepPreview(-stepSeconds); }},
      {QKeySequence(Qt::Key_Right), [this] { stepPreview(stepSeconds); }}};
  for (const auto& [key, run] : keys) {
    auto* shortcut = new QShortcut(key, previewBar, run, Qt::WindowShortcut);
    shortcut->setObjectName(QStringLiteral("previewKey"));
  }
}

void Moxten::preview_Click() {
  if (animating_) return;
  closePreview();  // a second F5 starts it again
  PlayPicture picture = playPicture();
  picture.size = Field->fieldSize();
  const Timeline timeline = timelineOf(picture.play, picture.roles);
  preview_ = PreviewState{picture, timeline, 0, true, !football->isHidden()};
  // The preview draws its own ball.
  football->hide();
  placePreviewBar();
  previewBar->show();
  previewBar->raise();
  previewBar->showPlaying(true);
  const QScreen* shown = screen();
  previewTimer_->start(shown && shown->refreshRate() > 0 ? int(1000 / shown->refreshRate()) : 16);
  previewClock_->start();
  showPreviewAt(0);
  checkRules();  // no rings over the players in time
}

void Moxten::placePreviewBar() {
  const int height = previewBar->sizeHint().height();
  const QRect shown = fieldView->geometry();
  previewBar->setGeometry(shown.x(), shown.bottom() + 1 - height, shown.width(), height);
}

void Moxten::previewTick() {
  if (!preview_) return;
  const double elapsed = previewClock_->restart() / 1000.0;
  if (!preview_->playing) return;
  const double whole = wholeLength(preview_->timeline.length);
  const double at = preview_->at + elapsed * previewBar->speed();
  showPreviewAt(at);
  // It stops at the end, every player on his last point.
  if (at >= whole) {
    preview_->playing = false;
    previewBar->showPlaying(false);
  }
}

void Moxten::showPreviewAt(double at) {
  if (!preview_) return;
  const double whole = wholeLength(preview_->timeline.length);
  preview_->at = std::clamp(at, 0.0, whole);
  const double t = std::clamp(preview_->at - heldAtStart, 0.0, preview_->timeline.length);
  QImage frame(preview_->picture.size, QImage::Format_RGB32);
  QPainter painter(&frame);
  drawPlayMoment(painter, preview_->picture, playAt(preview_->picture.play, preview_->timeline, t));
  painter.end();
  Field->showPicture(frame);
  Field->setOverlay(FieldOverlay());  // no selection or ball of the window over the preview
  const QSignalBlocker quiet(previewBar->previewSlider);
  previewBar->previewSlider->setValue(int(std::lround(preview_->at / whole * 1000)));
  previewBar->previewTime->setText(
      QStringLiteral("%1 s / %2 s").arg(t, 0, 'f', 1).arg(preview_->timeline.length, 0, 'f', 1));
}

void Moxten::stepPreview(double seconds) {
  if (!preview_) return;
  preview_->playing = false;
  previewBar->showPlaying(false);
  showPreviewAt(std::clamp(preview_->at, heldAtStart, heldAtStart + preview_->timeline.length) + seconds);
}

void Moxten::playOrPausePreview() {
  if (!preview_) return;
  preview_->playing = !preview_->playing;
  // Play at the end plays it again from the start.
  if (preview_->playing && preview_->at >= wholeLength(preview_->timeline.length)) showPreviewAt(0);
  previewBar->showPlaying(preview_->playing);
  previewClock_->restart();
}

void Moxten::closePreview() {
  if (!preview_) return;
  const bool footballShown = preview_->footballShown;
  preview_.reset();
  previewTimer_->stop();
  previewBar->hide();
  football->setVisible(footballShown);
  choose(selection);
  refreshLook();
  checkRules();
}
