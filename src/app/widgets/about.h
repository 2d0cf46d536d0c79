#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: one at a time, not modal, gone when closed.
class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent = nullptr);

  QLabel* picIcon;
  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  QLabel* lblDisclaimer;
  QPushButton* cmdOK;

  void cmdOK_Click();
};
