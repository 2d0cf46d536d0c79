#include "app/support/fakeplatform.h"

#include "core/model/progress.h"

#include <QDir>
#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTest>

FakePlatform::FakePlatform() {
  // A copy without data/ beside it keeps its files in the user's data folder: one of the test's own.
  qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("user")).toLocal8Bit());
  // The preferences of the view are the test's own too.
  qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
  QDir(folder.path()).mkdir(QStringLiteral("data"));
  for (const char* name : {"x.cur", "circle.cur", "square.cur"})
    QFile::copy(QStringLiteral(MOXTEN_DATA_DIR "/") + QLatin1String(name), dataFile(QLatin1String(name)));
  // And the built-in formations.
  QDir(folder.path()).mkdir(QStringLiteral("data/formations"));
  const QDir formations(QStringLiteral(MOXTEN_DATA_DIR "/formations"));
  for (const QString& name : formations.entryList(QDir::Files))
    QFile::copy(formations.filePath(name), dataFile(QStringLiteral("formations/") + name));
}

QString FakePlatform::dataFile(const QString& name) const { return folder.filePath(QStringLiteral("data/") + name); }

QString FakePlatform::userFile(const QString& name) const {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(name);
}

Answer FakePlatform::ask(QWidget*, const Message& message) {
  messages << message;
  if (answers.isEmpty()) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + message.text), __FILE__, __LINE__);
    return Answer::Cancel;
  }
  return answers.takeFirst();
}

QString FakePlatform::fileAnswer(const FileRequest& request) {
  fileRequests << request;
  if (fileAnswers.isEmpty()) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog: ") + request.title), __FILE__, __LINE__);
    return QString();
  }
  return fileAnswers.takeFirst();
}

QString FakePlatform::saveFileName(QWidget*, const FileRequest& request) {
  if (request.chosen && !fileChoices.isEmpty()) *request.chosen = fileChoices.takeFirst();
  return fileAnswer(request);
}

void FakePlatform::printPreview(QWidget*, const QString&, const QStringList& choices, int chosen,
                                const PagePainter& paint) {
  printChoices = choices;
  printed.clear();  // a QBuffer opened to write does not truncate
  QBuffer buffer(&printed);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pages(&buffer);
  Progress progress;
  paint(pages, printChoice.value_or(chosen), progress);
}

void FakePlatform::runLong(QWidget*, const QString&, Progress& progress, const std::function<void()>& work) {
  ++longWorks;
  if (cancelLongWork) progress.cancel();
  work();
}

QString FakePlatform::openFileName(QWidget*, const FileRequest& request) { return fileAnswer(request); }

void FakePlatform::setPointerPos(QPoint screenPos) {
  pointer = screenPos;
  pointerMoves << screenPos;
}

void FakePlatform::wait(int milliseconds) {
  ++waits;
  waitTimes << milliseconds;
  if (onWait) onWait();
}

QStringList FakePlatform::texts() const {
  QStringList result;
  for (const Message& message : messages) result << message.text;
  return result;
}


std::optional<QString> FakePlatform::askText(QWidget*, const TextRequest& request) {
  textRequests << request;
  if (textAnswers.isEmpty()) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected text dialog: ") + request.title), __FILE__, __LINE__);
    return std::nullopt;
  }
  if (request.option && !optionAnswers.isEmpty()) *request.option = optionAnswers.takeFirst();
  return textAnswers.takeFirst();
}

QString FakePlatform::folderName(QWidget*, const QString& title, const QString& start) {
  folderStarts << start;
  if (folderAnswers.isEmpty()) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected folder dialog: ") + title), __FILE__, __LINE__);
    return QString();
  }
  return folderAnswers.takeFirst();
}
