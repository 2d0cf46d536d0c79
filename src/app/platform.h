#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// What the program asks of the desktop: message boxes, file dialogs, the
// pointer, the animation's blocking wait and the folder it was started from.
// The main window gets one at construction; tests give it a fake.

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Warning, Critical };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  QString text;
  QString title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

struct FileRequest {
  QString title;
  QString filter;         // "description|pattern|" pairs
  QString defaultSuffix;  // empty for none
  QString fileName;       // the name first proposed
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual Answer ask(QWidget* parent, const Message& message) = 0;
  // The chosen full path, or an empty text when the dialog was cancelled.
  virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
  virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
  virtual QPoint pointerPos() = 0;
  virtual void setPointerPos(QPoint screenPos) = 0;
  // Blocks for the given time; the caller has made its frame visible first.
  virtual void wait(int milliseconds) = 0;
  virtual QString programFolder() = 0;
};

// The real desktop: Qt's message boxes and file dialogs, QCursor, a wait that
// keeps the window system served while user input stays queued.
class DesktopPlatform : public Platform {
 public:
  Answer ask(QWidget* parent, const Message& message) override;
  QString saveFileName(QWidget* parent, const FileRequest& request) override;
  QString openFileName(QWidget* parent, const FileRequest& request) override;
  QPoint pointerPos() override;
  void setPointerPos(QPoint screenPos) override;
  void wait(int milliseconds) override;
  QString programFolder() override;
};

// "Moxten Files (*.ply)|*.ply|" as a Qt name filter: "Moxten Files (*.ply)".
QString qtNameFilter(const QString& filter);
