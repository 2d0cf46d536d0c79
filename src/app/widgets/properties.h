#pragma once

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
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

// Player Properties: the label, route style and speed of the selected players.
class PlayerProperties : public PropertiesDialog {
  Q_OBJECT
 public:
  explicit PlayerProperties(QWidget* parent);

  QLineEdit* labelEdit;
  QComboBox* routeLine;  // "Solid", "Dashed", in RouteLine's order
  QComboBox* routeEnd;   // "Arrow", "Block", "None", in RouteEnd's order
  QDoubleSpinBox* speedBox;  // yards a second; 0: by the label
};

// Play Properties: the play's call name, note, the yard line the ball is on
// and the pass's timing.
class PlayProperties : public PropertiesDialog {
  Q_OBJECT
 public:
  explicit PlayProperties(QWidget* parent);

  QLineEdit* callEdit;
  QLineEdit* noteEdit;
  QSpinBox* ballOn;  // 0: not stated
  QDoubleSpinBox* throwTime;  // seconds after the snap; 0: at the end of the quarterback's drop
  QDoubleSpinBox* ballSpeed;  // yards a second; 0: the usual 20
};

// The value a timing box gives the play: 0 for its special "not set" value,
// else kept within low to high.
float timingOf(const QDoubleSpinBox* box, double low, double high);
