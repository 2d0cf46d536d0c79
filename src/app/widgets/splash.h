#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

// Shows the title picture, then opens the main window on the timer's second
// tick and stays hidden until the program ends. Opening the main window loads
// it: nothing of it exists before.
class frmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit frmSplash(std::function<void()> openMainWindow);

  QTimer Timer1;
  std::int16_t ticks = 0;

  void Form_Load();
  void Timer1_Timer();
  void setVisible(bool visible) override;

 private:
  QLabel* picture_;
  std::function<void()> openMainWindow_;
};
