#include "core/files/recovery.h"

#include "core/files/regularfile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace {

const QByteArray recoveryMagic = "Moxten recovery copy 1\n";
const QString recoveryPattern = QStringLiteral("recovery-*.mxr");

QString lockPathOf(const QString& copy) { return copy + QStringLiteral(".lock"); }

// Only a dead process frees a lock: a copy kept for days by a running program stays its own.
std::unique_ptr<QLockFile> lockFor(const QString& copy) {
  auto lock = std::make_unique<QLockFile>(lockPathOf(copy));
  lock->setStaleLockTime(0);
  return lock;
}

}  // namespace

QByteArray recoveryBytes(const RecoveredPlay& copy) {
  QByteArray bytes = recoveryMagic;
  QDataStream stream(&bytes, QIODevice::Append);
  stream << copy.fileName << copy.playText;
  return bytes;
}

std::optional<RecoveredPlay> readRecoveryFile(const QString& path) {
  const std::optional<FileBytes> file = readRegularFile(path);
  if (!file || !file->whole || !file->bytes.startsWith(recoveryMagic)) return std::nullopt;
  QDataStream stream(file->bytes.sliced(recoveryMagic.size()));
  RecoveredPlay copy;
  stream >> copy.fileName >> copy.playText;
  if (stream.status() != QDataStream::Ok || !stream.atEnd()) return std::nullopt;
  return copy;
}

RecoveryCopies::RecoveryCopies(const QString& folder)
    : folder_(folder),
      path_(folder.isEmpty() ? QString()
                             : QDir(folder).filePath(QStringLiteral("recovery-%1.mxr")
                                                         .arg(QUuid::createUuid().toString(QUuid::Id128)))),
      lock_(lockFor(path_)) {
  writer_.setMaxThreadCount(1);
}

RecoveryCopies::~RecoveryCopies() {
  discard();
  finish();
}

void RecoveryCopies::keep(const QByteArray& bytes) {
  if (path_.isEmpty()) return;
  if (!lock_->isLocked()) {
    QDir().mkpath(folder_);
    // A copy without its lock would look left behind to another program.
    if (!lock_->tryLock(0)) return;
  }
  writer_.start([path = path_, bytes] {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) file.commit();
  });
}

void RecoveryCopies::discard() {
  if (!lock_->isLocked()) return;
  writer_.start([path = path_] { QFile::remove(path); });
}

void RecoveryCopies::finish() { writer_.waitForDone(); }

std::optional<QString> RecoveryCopies::takeLeftCopy() {
  if (folder_.isEmpty()) return std::nullopt;
  QFileInfoList copies = QDir(folder_).entryInfoList({recoveryPattern}, QDir::Files, QDir::Time);
  for (const QFileInfo& copy : copies) {
    if (copy.absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) continue;
    std::unique_ptr<QLockFile> lock = lockFor(copy.absoluteFilePath());
    if (!lock->tryLock(0)) continue;
    leftLock_ = std::move(lock);
    return copy.absoluteFilePath();
  }
  return std::nullopt;
}

void RecoveryCopies::removeLeftCopy(const QString& path) {
  QFile::remove(path);
  leftLock_.reset();
}
