#include "app/platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

Answer DesktopPlatform::ask(QWidget* parent, const Message& message) {
  const QMessageBox::Icon icon = message.icon == Icon::Critical  ? QMessageBox::Critical
                                 : message.icon == Icon::Warning ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon;
  QMessageBox box(icon, message.title, message.text, QMessageBox::NoButton, parent);
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
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

namespace {

QString runFileDialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title);
  dialog.setObjectName(QStringLiteral("savebox"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own question before it replaces a listed play.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(qtNameFilter(request.filter));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString DesktopPlatform::saveFileName(QWidget* parent, const FileRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString DesktopPlatform::openFileName(QWidget* parent, const FileRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptOpen);
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
