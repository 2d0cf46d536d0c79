#include "app/widgets/previewbar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

const QList<double> speeds = {0.25, 0.5, 1, 2};

template <typename Control>
Control* named(Control* control, const char* name, const QString& accessible) {
  control->setObjectName(QString::fromLatin1(name));
  control->setAccessibleName(accessible);
  return control;
}

}  // namespace

PreviewBar::PreviewBar(QWidget* parent)
    : QWidget(parent),
      previewPlay(named(new QPushButton(QStringLiteral("Pause"), this), "previewPlay", QStringLiteral("Play or pause"))),
      previewStepBack(named(new QPushButton(QStringLiteral("<"), this), "previewStepBack",
                            QStringLiteral("A tenth of a second back"))),
      previewStep(named(new QPushButton(QStringLiteral(">"), this), "previewStep",
                        QStringLiteral("A tenth of a second forward"))),
      previewSlider(named(new QSlider(Qt::Horizontal, this), "previewSlider", QStringLiteral("Time"))),
      previewSpeed(named(new QComboBox(this), "previewSpeed", QStringLiteral("Speed"))),
      previewTime(named(new QLabel(this), "previewTime", QStringLiteral("Time of the play"))),
      previewClose(named(new QPushButton(QStringLiteral("Close"), this), "previewClose", QStringLiteral("Close"))) {
  setObjectName(QStringLiteral("previewBar"));
  setAccessibleName(QStringLiteral("Preview"));
  setAutoFillBackground(true);
  previewSlider->setRange(0, 1000);
  for (const double speed : speeds) previewSpeed->addItem(QString::number(speed) + u'x');
  previewSpeed->setCurrentIndex(int(speeds.indexOf(1.0)));
  previewTime->setMinimumWidth(110);
  for (QWidget* control : std::initializer_list<QWidget*>{previewPlay, previewStepBack, previewStep, previewSpeed,
                                                          previewClose})
    control->setFocusPolicy(Qt::NoFocus);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 3, 6, 3);
  row->addWidget(previewPlay);
  row->addWidget(previewStepBack);
  row->addWidget(previewStep);
  row->addWidget(previewSlider, 1);
  row->addWidget(previewSpeed);
  row->addWidget(previewTime);
  row->addWidget(previewClose);
}

double PreviewBar::speed() const { return speeds.value(previewSpeed->currentIndex(), 1.0); }

void PreviewBar::showPlaying(bool playing) { previewPlay->setText(playing ? QStringLiteral("Pause") : QStringLiteral("Play")); }
