#pragma once

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

// A dialog whose OK and Apply ask the window to apply it (applyRequested);
// the window answers whether it could, and OK closes it only then.
class PropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  PropertiesDialog(const QString& title, QWidget* parent);

  QDialogButtonBox* buttons;

 signals:
  void applyRequested(bool* applied);

 protected:
  // Lays the dialog out: its fields by their labels, the buttons under them;
  // Tab goes down the fields, then to the buttons.
  void addField(const QString& label, QWidget* field);
  // The first field has the keyboard when the dialog shows.
  void showEvent(QShowEvent* event) override;

 private:
  QList<QWidget*> fields_;
};

// Player Properties: the label and route style of the selected players.
class PlayerProperties : public PropertiesDialog {
  Q_OBJECT
 public:
  explicit PlayerProperties(QWidget* parent);

  QLineEdit* labelEdit;
  QComboBox* routeLine;  // "Solid", "Dashed", in RouteLine's order
  QComboBox* routeEnd;   // "Arrow", "Block", "None", in RouteEnd's order
};

// Play Properties: the play's call name, note and the yard line the ball is on.
class PlayProperties : public PropertiesDialog {
  Q_OBJECT
 public:
  explicit PlayProperties(QWidget* parent);

  QLineEdit* callEdit;
  QLineEdit* noteEdit;
  QSpinBox* ballOn;  // 0: not stated
};
