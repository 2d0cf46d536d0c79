#pragma once

#include <QTimer>
#include <QWidget>

#include <cstdint>

// Shows the title picture, then opens the main window on the timer's second
// tick and stays hidden until the program ends.
class frmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit frmSplash(QWidget* mainWindow);

  QTimer Timer1;
  std::int16_t ticks = 0;

  void Form_Load();
  void Timer1_Timer();

 private:
  QWidget* mainWindow_;
};
