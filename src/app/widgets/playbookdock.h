#pragma once

#include "core/files/playbookfolder.h"

#include <QDockWidget>
#include <QFutureWatcher>
#include <QHash>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListView;
class QStandardItemModel;
class QTimer;

// The playbook beside the Field: a folder's plays as thumbnails in the
// window's look, by category ("All" first) and by a search of their names,
// calls and notes. The names show at once; the thumbnails are drawn away
// from the window's thread and kept while their files do not change. The
// folder is watched: a play saved into it, from anywhere, shows at once.
class PlaybookDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit PlaybookDock(QWidget* parent);
  ~PlaybookDock() override;

  QComboBox* playbookCategories;
  QLineEdit* playbookSearch;
  QListView* playbookPlays;
  QLabel* playbookStatus;

  void showFolder(const QString& root, Look look, Level level);
  const PlaybookFolder& folder() const { return folder_; }
  // The plays shown (by category and search), in their order.
  QStringList shownPlays() const;
  // Whether every thumbnail of the folder has been drawn.
  bool thumbnailsDone() const;

 signals:
  // A double-click or Enter on a play.
  void openRequested(const QString& path);

 private:
  using Drawn = std::pair<QString, PlayThumbnail>;
  void rescan();
  void showOnlyWanted();
  void takeThumbnail(int index);
  QString cacheKey(const QString& path) const;

  QStandardItemModel* model_;
  QFileSystemWatcher* watcher_;
  QTimer* rescanSoon_;
  QFutureWatcher<Drawn> drawing_;
  PlaybookFolder folder_;
  QHash<QString, PlayThumbnail> drawn_;  // by path and time of change
  Look look_ = Look::Classic;
  Level level_ = Level::HighSchool;
};
