#pragma once

#include <QDialog>
#include <QString>

#include <optional>

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

// What Player Properties shows of the chosen players: each field's value
// when they share it, nothing when they differ.
struct ShownPlayers {
  std::optional<QString> label;
  std::optional<int> line, end;  // indexes of RouteLine and RouteEnd
  std::optional<double> speed;
};

// Player Properties: the label, route style and speed of the selected players.
// A field that the chosen players do not share shows blank ("(several)" in
// the label and speed) and is applied only when the coach changes it.
class PlayerProperties : public PropertiesDialog {
  Q_OBJECT
 public:
  explicit PlayerProperties(QWidget* parent);

  QLineEdit* labelEdit;
  QComboBox* routeLine;  // "Solid", "Dashed", in RouteLine's order
  QComboBox* routeEnd;   // "Arrow", "Block", "None", in RouteEnd's order
  QDoubleSpinBox* speedBox;  // yards a second; 0: by the label

  void showPlayers(const ShownPlayers& shown);
  // The fields changed since showPlayers, with their new values.
  ShownPlayers changed() const;

 private:
  ShownPlayers shown_;
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
  QDoubleSpinBox* throwTime;  // seconds after the snap; 0: at the receiver's break or the end of the drop
  QDoubleSpinBox* ballSpeed;  // yards a second; 0: the usual 20
};

// The value a timing box gives the play: 0 for its special "not set" value,
// else kept within low to high.
float timingOf(double value, double low, double high);
float timingOf(const QDoubleSpinBox* box, double low, double high);
