#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Progress;
class QPagedPaintDevice;
class QWidget;

// What the program asks of the desktop: message boxes, file dialogs, the
// pointer, the animation's blocking wait and the folder it was started from.
// The main window gets one at construction; tests give it a fake.

enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class Icon { None, Warning, Critical };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

struct Message {
  QString text;
  QString title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  QString details{};  // a long list, shown on request in a box that scrolls
};

struct FileRequest {
  QString title{};
  QString filter{};         // "description|pattern|" pairs
  QString defaultSuffix{};  // empty for none
  QString fileName{};       // the name first proposed
  // Whether the dialog asks its own question before a file that exists is
  // replaced (the play's Save asks one of its own).
  bool askBeforeReplacing = false;
  // A choice shown in the dialog: its label, its items, and where the index
  // of the item taken is kept (it comes in holding the first one shown).
  QString choiceLabel{};
  QStringList choices{};
  int* chosen = nullptr;
};

// A line of text asked for, with a check box beside it when optionLabel is
// set (its state kept where option points, which comes in holding the first).
struct TextRequest {
  QString title{};
  QString label{};
  QString text{};
  QString optionLabel{};
  bool* option = nullptr;
};

using PagePainter = std::function<void(QPagedPaintDevice& pages, int chosen, Progress& progress)>;

class Platform {
 public:
  virtual ~Platform() = default;
  virtual Answer ask(QWidget* parent, const Message& message) = 0;
  // The chosen full path, or an empty text when the dialog was cancelled.
  virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
  virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
  // The folder chosen, starting in the folder given (the desktop's choice
  // when empty), or an empty text when the dialog was cancelled.
  virtual QString folderName(QWidget* parent, const QString& title, const QString& start) = 0;
  // The text given, or nothing when the dialog was cancelled.
  virtual std::optional<QString> askText(QWidget* parent, const TextRequest& request) = 0;
  virtual QPoint pointerPos() = 0;
  virtual void setPointerPos(QPoint screenPos) = 0;
  // Blocks for the given time; the caller has made its frame visible first.
  virtual void wait(int milliseconds) = 0;
  virtual QString programFolder() = 0;
  // Shows the print preview of what paint draws on the printer's pages, with
  // a choice of its items (none without items; the index chosen first in
  // chosen); paint is given the index taken, and the progress it reports its
  // parts to while a dialog shows them and offers Cancel.
  virtual void printPreview(QWidget* parent, const QString& choiceLabel, const QStringList& choices, int chosen,
                            const PagePainter& paint) = 0;
  // Runs long work (an export) away from the window's thread, while a dialog
  // shows the progress it reports and offers Cancel, and the window goes on
  // painting; returns once the work is over, done or cancelled.
  virtual void runLong(QWidget* parent, const QString& label, Progress& progress, const std::function<void()>& work) = 0;
};

// The real desktop: Qt's message boxes and file dialogs, QCursor, a wait that
// keeps the window system served while user input stays queued.
class DesktopPlatform : public Platform {
 public:
  Answer ask(QWidget* parent, const Message& message) override;
  QString saveFileName(QWidget* parent, const FileRequest& request) override;
  QString openFileName(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> askText(QWidget* parent, const TextRequest& request) override;
  QString folderName(QWidget* parent, const QString& title, const QString& start) override;
  QPoint pointerPos() override;
  void setPointerPos(QPoint screenPos) override;
  void wait(int milliseconds) override;
  QString programFolder() override;
  void printPreview(QWidget* parent, const QString& choiceLabel, const QStringList& choices, int chosen,
                    const PagePainter& paint) override;
  void runLong(QWidget* parent, const QString& label, Progress& progress, const std::function<void()>& work) override;
};

// Where the program keeps its files. A copy with a data folder beside it
// (the build folder, an unpacked portable copy) keeps everything there. An
// installed copy keeps its play list, settings and recovery copies in the
// user's data folder (XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share, under the program's name), and reads its cursors from the
// installed share folder: it never writes where it is installed. With no
// usable home (HOME unset or not an absolute path) there is no data folder
// and dataFilePath answers an empty text.
QString dataFilePath(Platform& platform, const QString& fileName);
QString sharedDataPath(Platform& platform, const QString& fileName);

// Where formations are found: the built-in ones, then the user's own.
QStringList formationFolders(Platform& platform);

// Makes the folder of a data file before it is written, when it is missing;
// whether it is there. Reading makes no folder.
bool makeDataFolderOf(const QString& dataFile);

// Why a data file could not be written when there is no data folder.
inline const QString noDataFolderReason =
    QStringLiteral("there is no data folder to keep it in: HOME is not set to an absolute path");

// "Moxten Files (*.ply)|*.ply|" as a Qt name filter: "Moxten Files (*.ply)".
QString qtNameFilter(const QString& filter);
