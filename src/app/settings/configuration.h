#pragma once

#include "core/settings/settingsfile.h"

#include <QDialog>

class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings dialog, "Customize Settings..". Its controls are the live
// settings: the rest of the program reads them at the moment of use.
class Configuration : public QDialog {
  Q_OBJECT
 public:
  Configuration(Platform& platform, QString settingsPath, QWidget* parent = nullptr);

  QLabel* Label3;
  QLabel* Label1;
  QLineEdit* Speed;
  // The three labels of the control array Label2, by index; all are named "Label2".
  QLabel* Label2_0;
  QComboBox* lineColor;
  QCheckBox* Sync;
  QPushButton* Apply;
  QPushButton* Command1;
  QLabel* Label2_1;
  QComboBox* offenceColor;
  QLabel* Label2_2;
  QComboBox* deffencecolor;

  // Reads the settings file into the controls; a missing file changes nothing.
  void loadSettings();
  void Apply_Click();
  void Command1_Click();

  Settings current() const;
  std::int16_t syncValue() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void setControls(const Settings& settings);

  Platform& platform_;
  QString settingsPath_;
};
