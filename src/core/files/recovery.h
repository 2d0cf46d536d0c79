#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <optional>

// A copy of an unsaved play, kept so that a crash or a kill loses nothing:
// the play as its file would hold it and the name of its file.
struct RecoveredPlay {
  QString fileName;
  QByteArray playText;
};

// The bytes of a recovery copy.
QByteArray recoveryBytes(const RecoveredPlay& copy);
// The copy a recovery file holds; nothing for a file that is not one.
std::optional<RecoveredPlay> readRecoveryFile(const QString& path);

// The recovery copies of one running program in a folder. Its own copy has
// a name no other program uses and a lock file (QLockFile) held from its
// first write while the program runs, so that another program never takes
// it; a copy whose lock is free was left by a program that ended without
// removing it. The folder is made at the first write; with no folder (an
// empty name) no copy is kept.
class RecoveryCopies {
 public:
  explicit RecoveryCopies(const QString& folder);
  // Waits for the writes under way, then removes the program's own copy.
  ~RecoveryCopies();
  RecoveryCopies(const RecoveryCopies&) = delete;
  RecoveryCopies& operator=(const RecoveryCopies&) = delete;

  // Replaces the program's own copy with these bytes, whole or not at all,
  // away from the caller's thread; writes and removals happen in order.
  void keep(const QByteArray& bytes);
  // Removes the program's own copy, in order after the writes under way.
  void discard();
  // Waits for the writes and removals under way.
  void finish();
  // The path of the program's own copy.
  QString path() const { return path_; }

  // A copy left by a program that ended without removing it (the newest),
  // its lock now held by this program; nothing when there is none.
  std::optional<QString> takeLeftCopy();
  // Removes a copy taken with takeLeftCopy, and its lock.
  void removeLeftCopy(const QString& path);

 private:
  QString folder_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLockFile> leftLock_;
  QThreadPool writer_;
};
