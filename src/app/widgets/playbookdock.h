#pragma once

#include "core/files/playbookfolder.h"

#include <QDockWidget>
#include <QFuture>
#include <QHash>
#include <QThreadPool>

#include <functional>

class Platform;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListView;
class QStandardItemModel;
class QTimer;

// The playbook beside the Field: a folder's plays as thumbnails in the
// window's look, by category ("All" first) and by a search of their names
// and calls. The names show at once; the thumbnails are drawn away
// from the window's thread and kept while their files do not change. The
// folder is watched: a play saved into it, from anywhere, shows at once.
class PlaybookDock : public QDockWidget {
  Q_OBJECT
 public:
  PlaybookDock(Platform& platform, QWidget* parent);
  ~PlaybookDock() override;

  QComboBox* playbookCategories;
  QLineEdit* playbookSearch;
  QListView* playbookPlays;
  QLabel* playbookStatus;

  void showFolder(const QString& root, Look look, Level level);
  // Wide enough for two columns of thumbnails; it can be made as narrow as one.
  int usualWidth() const;
  const PlaybookFolder& folder() const { return folder_; }
  // The plays shown (by category and search), in their order.
  QStringList shownPlays() const;
  // The plays chosen (Ctrl or Shift to choose several), or all those shown
  // when none is, in their order.
  QList<FolderPlay> chosenPlays() const;
  // Whether every thumbnail of the folder has been drawn and shown.
  bool thumbnailsDone() const;

  // The context menu's commands: a new category, the playbook's title (the
  // folder's name unless set); on a play of the folder, a new name (asking
  // before one that is taken), a copy, another category, and deleting by
  // moving the file to the desktop's trash. Each says why when it cannot.
  void newCategory();
  void retitle();
  void renamePlay(const QString& path);
  void duplicatePlay(const QString& path);
  // Moves each play to the category; those it cannot move are named.
  void moveToCategory(const QStringList& paths, const QString& category);
  void deletePlay(const QString& path);

  // The file of the play open in the window (empty while it has none),
  // asked before a play is replaced.
  std::function<QString()> openPlay = [] { return QString(); };

 signals:
  // A double-click or Enter on a play.
  void openRequested(const QString& path);
  // A play's file was renamed or moved to another category.
  void playMoved(const QString& from, const QString& to);
  // A play's file went to the trash: deleted, or replaced by one renamed onto its name.
  void playRemoved(const QString& path);

 private:
  struct Drawn {
    QString path;
    QString key;  // the path and the time it changed, taken where it was drawn
    PlayThumbnail thumbnail;
  };
  void rescan();
  void showMenu(QPoint at);
  // The plays a command of the menu opened on this play applies to: the
  // chosen ones when it is one of them, else itself.
  QStringList playsActedOn(const QString& path) const;
  void refuse(const QString& text);
  void showOnlyWanted();
  // Whether the row's play is in the category chosen and matches the search.
  bool wanted(int row) const;
  // Shows the thumbnails drawn since the last were taken.
  void takeThumbnails();

  Platform& platform_;
  QStandardItemModel* model_;
  QFileSystemWatcher* watcher_;
  QTimer* rescanSoon_;
  QTimer* takeDrawn_;
  QThreadPool drawers_;
  QFuture<Drawn> drawing_;
  int taken_ = 0;  // the thumbnails of drawing_ shown so far
  PlaybookFolder folder_;
  QHash<QString, PlayThumbnail> drawn_;  // by path and time of change
  QHash<QString, int> rowOf_;            // the row of each play shown
  Look look_ = Look::Classic;
  Level level_ = Level::HighSchool;
};
