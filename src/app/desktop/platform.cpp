#include "app/desktop/platform.h"

#include "core/model/progress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>

Answer DesktopPlatform::ask(QWidget* parent, const Message& message) {
  const QMessageBox::Icon icon = message.icon == Icon::Critical  ? QMessageBox::Critical
                                 : message.icon == Icon::Warning ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon;
  QMessageBox box(icon, message.title, message.text, QMessageBox::NoButton, parent);
  box.setDetailedText(message.details);
  switch (message.buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::SaveDiscardCancel:
      // Esc and the box's close button cancel: work is never discarded unasked.
      box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Save);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: return Answer::Cancel;
  }
}

namespace {

QString runFileDialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title);
  dialog.setObjectName(QStringLiteral("savebox"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
  dialog.setNameFilter(qtNameFilter(request.filter));
  QComboBox* choice = nullptr;
  if (request.chosen && !request.choices.isEmpty()) {
    // Qt's own dialog, whose grid takes one more row for the choice.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      choice = new QComboBox(&dialog);
      choice->setObjectName(QStringLiteral("choice"));
      choice->addItems(request.choices);
      choice->setCurrentIndex(*request.chosen);
      auto* label = new QLabel(request.choiceLabel, &dialog);
      label->setBuddy(choice);
      const int row = grid->rowCount();
      grid->addWidget(label, row, 0);
      grid->addWidget(choice, row, 1);
    }
  }
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted) return QString();
  if (choice) *request.chosen = choice->currentIndex();
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString DesktopPlatform::saveFileName(QWidget* parent, const FileRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString DesktopPlatform::openFileName(QWidget* parent, const FileRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> DesktopPlatform::askText(QWidget* parent, const TextRequest& request) {
  QDialog dialog(parent);
  dialog.setWindowTitle(request.title);
  auto* layout = new QGridLayout(&dialog);
  auto* label = new QLabel(request.label, &dialog);
  auto* text = new QLineEdit(request.text, &dialog);
  label->setBuddy(text);
  layout->addWidget(label, 0, 0);
  layout->addWidget(text, 0, 1);
  QCheckBox* option = nullptr;
  if (request.option) {
    option = new QCheckBox(request.optionLabel, &dialog);
    option->setChecked(*request.option);
    layout->addWidget(option, 1, 1);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons, 2, 0, 1, 2);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (option) *request.option = option->isChecked();
  return text->text();
}

QString DesktopPlatform::folderName(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start);
}

QPoint DesktopPlatform::pointerPos() { return QCursor::pos(); }

void DesktopPlatform::setPointerPos(QPoint screenPos) { QCursor::setPos(screenPos); }

void DesktopPlatform::wait(int milliseconds) {
  if (milliseconds <= 0) return;
  const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
  // Painting, exposure and timers go on; mouse and keyboard input waits in
  // the window system's queue until the program's event loop takes it again.
  // The event loop's timers keep whole milliseconds, so the last stretch is
  // slept, to keep the wait close to the time asked.
  constexpr int sleptStretch = 2;
  if (milliseconds > sleptStretch) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds - sleptStretch, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  const qint64 rest = deadline.remainingTimeNSecs();
  if (rest > 0) QThread::usleep(static_cast<unsigned long>(rest / 1000));
}

QString DesktopPlatform::programFolder() { return QCoreApplication::applicationDirPath(); }

namespace {

// A dialog that shows the progress of long work and offers Cancel.
struct ProgressDialog : QProgressDialog {
  ProgressDialog(QWidget* parent, const QString& label, Progress& progress)
      : QProgressDialog(label, QStringLiteral("Cancel"), 0, 1, parent) {
    setObjectName(QStringLiteral("progress"));
    setWindowModality(Qt::WindowModal);
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(300);
    connect(this, &QProgressDialog::canceled, this, [&progress] { progress.cancel(); });
  }
  // Shows how far the work has come.
  void follow(const Progress& progress) {
    setMaximum(std::max(1, progress.total()));
    setValue(std::min(progress.done(), maximum()));
  }
};

}  // namespace

void DesktopPlatform::runLong(QWidget* parent, const QString& label, Progress& progress,
                              const std::function<void()>& work) {
  ProgressDialog dialog(parent, label, progress);
  dialog.setValue(0);
  QEventLoop loop;
  QFutureWatcher<void> watcher;
  QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &dialog, [&] { dialog.follow(progress); });
  poll.start(50);
  watcher.setFuture(QtConcurrent::run(work));
  loop.exec();
}

void DesktopPlatform::printPreview(QWidget* parent, const QString& choiceLabel, const QStringList& choices, int chosen,
                                   const PagePainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("printPreview"));
  auto* choice = new QComboBox(&preview);
  choice->setObjectName(QStringLiteral("choice"));
  choice->addItems(choices);
  choice->setCurrentIndex(chosen);
  choice->setToolTip(choiceLabel);
  choice->setAccessibleName(choiceLabel);
  choice->setVisible(!choices.isEmpty());
  if (auto* tools = preview.findChild<QToolBar*>(); tools && !choices.isEmpty()) {
    tools->addSeparator();
    tools->addWidget(new QLabel(choiceLabel + u' ', &preview));
    tools->addWidget(choice);
  }
  auto* view = preview.findChild<QPrintPreviewWidget*>();
  QObject::connect(choice, &QComboBox::currentIndexChanged, &preview, [view] {
    if (view) view->updatePreview();
  });
  // The pages are drawn here, on the window's thread: each part shows in
  // the dialog and lets the window paint; Cancel ends a printout unfinished.
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* pages) {
    Progress progress;
    ProgressDialog dialog(&preview, QStringLiteral("Drawing the pages..."), progress);
    progress.onStep = [&] {
      dialog.follow(progress);
      QCoreApplication::processEvents();
    };
    paint(*pages, choice->currentIndex(), progress);
    if (progress.cancelled()) pages->abort();
  });
  preview.exec();
}

namespace {

// Decided by the folder being there, not by whether it can be written: root
// can write anywhere.
std::optional<QDir> dataBesideProgram(Platform& platform) {
  const QDir folder(QDir(platform.programFolder()).filePath(QStringLiteral("data")));
  if (!folder.exists()) return std::nullopt;
  return folder;
}

// The XDG rule: a relative XDG_DATA_HOME is ignored.
std::optional<QDir> usersDataFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (!QDir::isAbsolutePath(base)) {
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) return std::nullopt;
    base = QDir(home).filePath(QStringLiteral(".local/share"));
  }
  return QDir(QDir(base).filePath(QCoreApplication::applicationName()));
}

}  // namespace

QString dataFilePath(Platform& platform, const QString& fileName) {
  std::optional<QDir> folder = dataBesideProgram(platform);
  if (!folder) folder = usersDataFolder();
  return folder ? folder->filePath(fileName) : QString();
}

bool makeDataFolderOf(const QString& dataFile) {
  return !dataFile.isEmpty() && QDir().mkpath(QFileInfo(dataFile).absolutePath());
}

QString sharedDataPath(Platform& platform, const QString& fileName) {
  if (const std::optional<QDir> beside = dataBesideProgram(platform)) return beside->filePath(fileName);
  return QDir(QDir(platform.programFolder()).filePath(QStringLiteral(MOXTEN_INSTALLED_DATA))).filePath(fileName);
}

QStringList formationFolders(Platform& platform) {
  return {sharedDataPath(platform, QStringLiteral("formations")), dataFilePath(platform, QStringLiteral("formations"))};
}

QString qtNameFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString& pattern = parts[i + 1];
    if (description.isEmpty() && pattern.isEmpty()) continue;
    filters << (description.contains(u'(') ? description : description + QStringLiteral(" (") + pattern + u')');
  }
  return filters.join(QStringLiteral(";;"));
}
