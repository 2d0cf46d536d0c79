#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The preview's transport bar: play and pause, a tenth of a second back and
// forward, the time slider, the speed, the time and Close.
class PreviewBar : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewBar(QWidget* parent);

  QPushButton* previewPlay;
  QPushButton* previewStepBack;
  QPushButton* previewStep;
  QSlider* previewSlider;  // thousandths of the preview's length
  QComboBox* previewSpeed;
  QLabel* previewTime;
  QPushButton* previewClose;

  // The speed chosen: 0.25, 0.5, 1 or 2.
  double speed() const;
  void showPlaying(bool playing);
};
