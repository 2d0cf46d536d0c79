#pragma once

#include "app/desktop/platform.h"
#include "core/support/bytesdevice.h"
#include "core/support/files.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

// A desktop without a person: answers questions and file dialogs from a
// script, records what was asked, keeps a pointer position and counts waits.
// Its program folder is a temporary folder whose data/ holds the cursors.
class FakePlatform : public Platform {
 public:
  FakePlatform();

  QTemporaryDir folder;
  QList<Message> messages;
  QList<Answer> answers;
  QList<FileRequest> fileRequests;
  QStringList fileAnswers;  // an empty text cancels the dialog
  QPoint pointer;
  QList<QPoint> pointerMoves;
  int waits = 0;
  QList<int> waitTimes;
  std::function<void()> onWait;

  Answer ask(QWidget* parent, const Message& message) override;
  QString saveFileName(QWidget* parent, const FileRequest& request) override;
  QString openFileName(QWidget* parent, const FileRequest& request) override;
  // The next of textAnswers (nothing cancels), the option from optionAnswers when one is left.
  std::optional<QString> askText(QWidget* parent, const TextRequest& request) override;
  QList<std::optional<QString>> textAnswers;
  // The next of folderAnswers; an empty text cancels.
  // Records where the dialog starts in folderStarts.
  QString folderName(QWidget* parent, const QString& title, const QString& start) override;
  QStringList folderStarts;
  QStringList folderAnswers;
  QList<bool> optionAnswers;
  QList<TextRequest> textRequests;
  QPoint pointerPos() override { return pointer; }
  void setPointerPos(QPoint screenPos) override;
  void wait(int milliseconds) override;
  QString programFolder() override { return folder.path(); }
  // Prints into a PDF document, at the index the dialog offers first or at
  // printChoice when it is set.
  void printPreview(QWidget* parent, const QString& choiceLabel, const QStringList& choices, int chosen,
                    const PagePainter& paint) override;
  // Runs the work at once, on this thread; with cancelLongWork the user
  // presses Cancel before its first step.
  void runLong(QWidget* parent, const QString& label, Progress& progress, const std::function<void()>& work) override;
  bool cancelLongWork = false;
  int longWorks = 0;
  QList<int> fileChoices;  // taken in the dialogs that offer a choice
  std::optional<int> printChoice;
  QStringList printChoices;
  QByteArray printed;

  QString dataFile(const QString& name) const;
  // A file of the user's data folder, where a copy without data/ keeps its files.
  QString userFile(const QString& name) const;
  // The texts of the messages asked so far, in order.
  QStringList texts() const;

 private:
  QString fileAnswer(const FileRequest& request);
};

