#include "app/widgets/playbookdock.h"

#include "app/desktop/platform.h"
#include "core/files/formationfile.h"
#include "core/files/savedfile.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

namespace {

const QSize thumbnailSize(160, 100);
constexpr int pathRole = Qt::UserRole + 1;
constexpr int callRole = Qt::UserRole + 2;  // the play's call, once read
const QString allCategories = QStringLiteral("All");

// A drawing is kept for the file as long as it has not changed since.
QString cacheKey(const QString& path) {
  return path + u'|' + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch());
}

// The item shows the thumbnail and the call under the name, and keeps the
// call for the search.
void showThumbnail(QStandardItem* item, const FolderPlay& play, const PlayThumbnail& thumbnail) {
  item->setIcon(QIcon(QPixmap::fromImage(thumbnail.image)));
  item->setText(thumbnail.call.isEmpty() ? play.name : play.name + u'\n' + thumbnail.call);
  item->setData(thumbnail.call, callRole);
}

// Moves the file to the desktop's trash. The trash lies in the user's data
// folder, which must be there first: without it Qt 6.4 makes a "files"
// folder where the program was started instead.
bool toTrash(const QString& path) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return !data.isEmpty() && QDir().mkpath(data) && QFile::moveToTrash(path);
}

}  // namespace

PlaybookDock::PlaybookDock(Platform& platform, QWidget* parent)
    : QDockWidget(QStringLiteral("Playbook"), parent),
      playbookCategories(new QComboBox),
      playbookSearch(new QLineEdit),
      playbookPlays(new QListView),
      playbookStatus(new QLabel),
      platform_(platform),
      model_(new QStandardItemModel(this)),
      watcher_(new QFileSystemWatcher(this)),
      rescanSoon_(new QTimer(this)),
      takeDrawn_(new QTimer(this)) {
  setObjectName(QStringLiteral("playbook"));
  playbookCategories->setObjectName(QStringLiteral("playbookCategories"));
  playbookCategories->setAccessibleName(QStringLiteral("Category"));
  playbookSearch->setObjectName(QStringLiteral("playbookSearch"));
  playbookSearch->setPlaceholderText(QStringLiteral("Search names and calls"));
  playbookSearch->setAccessibleName(QStringLiteral("Search"));
  playbookSearch->setClearButtonEnabled(true);
  playbookPlays->setObjectName(QStringLiteral("playbookPlays"));
  playbookPlays->setAccessibleName(QStringLiteral("Plays"));
  playbookPlays->setViewMode(QListView::IconMode);
  playbookPlays->setIconSize(thumbnailSize);
  playbookPlays->setGridSize(thumbnailSize + QSize(16, 44));
  playbookPlays->setResizeMode(QListView::Adjust);
  playbookPlays->setMovement(QListView::Static);
  playbookPlays->setUniformItemSizes(true);
  playbookPlays->setWordWrap(true);
  playbookPlays->setEditTriggers(QAbstractItemView::NoEditTriggers);
  playbookPlays->setModel(model_);
  playbookPlays->setSelectionMode(QAbstractItemView::ExtendedSelection);
  playbookStatus->setObjectName(QStringLiteral("playbookStatus"));
  playbookStatus->setAccessibleName(QStringLiteral("Playbook status"));
  playbookStatus->setWordWrap(true);
  auto* contents = new QWidget(this);
  contents->setAccessibleName(QStringLiteral("Playbook"));
  auto* column = new QVBoxLayout(contents);
  column->addWidget(playbookCategories);
  column->addWidget(playbookSearch);
  column->addWidget(playbookPlays, 1);
  column->addWidget(playbookStatus);
  setWidget(contents);
  setMinimumWidth(usualWidth() - playbookPlays->gridSize().width());

  rescanSoon_->setSingleShot(true);
  rescanSoon_->setInterval(150);
  connect(rescanSoon_, &QTimer::timeout, this, &PlaybookDock::rescan);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, rescanSoon_, qOverload<>(&QTimer::start));
  connect(playbookCategories, &QComboBox::currentIndexChanged, this, &PlaybookDock::showOnlyWanted);
  connect(playbookSearch, &QLineEdit::textChanged, this, &PlaybookDock::showOnlyWanted);
  connect(playbookPlays, &QListView::activated, this,
          [this](const QModelIndex& index) { emit openRequested(index.data(pathRole).toString()); });
  // The thumbnails drawn are taken a batch at a time: a signal for each
  // would flood the window's events and keep its input waiting.
  takeDrawn_->setInterval(40);
  // Thumbnails are drawn on a pool of their own, a core left to the window:
  // Qt's raster engine splits the window's own large fills over the global
  // pool, and would wait behind a thousand thumbnails there.
  drawers_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
  connect(takeDrawn_, &QTimer::timeout, this, &PlaybookDock::takeThumbnails);
  playbookPlays->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(playbookPlays, &QListView::customContextMenuRequested, this, &PlaybookDock::showMenu);
}

// Two columns of thumbnails beside the scroll bar, the frames and margins.
int PlaybookDock::usualWidth() const { return playbookPlays->gridSize().width() * 2 + 56; }

PlaybookDock::~PlaybookDock() {
  drawing_.cancel();
  drawing_.waitForFinished();
  drawers_.waitForDone();
}

void PlaybookDock::showFolder(const QString& root, Look look, Level level) {
  if (look != look_ || level != level_) drawn_.clear();
  look_ = look;
  level_ = level;
  folder_.root = root;
  rescan();
}

void PlaybookDock::rescan() {
  drawing_.cancel();
  drawing_.waitForFinished();
  folder_ = scanPlaybookFolder(folder_.root);
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  QStringList watched{folder_.root};
  for (const QString& category : folder_.categories) watched << QDir(folder_.root).filePath(category);
  if (folder_.why.isEmpty()) watcher_->addPaths(watched);

  const QString chosen = playbookCategories->currentText();
  {
    const QSignalBlocker quiet(playbookCategories);
    playbookCategories->clear();
    playbookCategories->addItem(allCategories);
    playbookCategories->addItems(folder_.categories);
    playbookCategories->setCurrentIndex(std::max(0, playbookCategories->findText(chosen)));
  }
  model_->clear();
  rowOf_.clear();
  QStringList toDraw;
  QPixmap waiting(thumbnailSize);
  waiting.fill(Qt::lightGray);
  for (const FolderPlay& play : folder_.plays) {
    auto* item = new QStandardItem(play.name);
    item->setData(play.path, pathRole);
    item->setToolTip(play.path);
    const auto known = drawn_.constFind(cacheKey(play.path));
    if (known == drawn_.constEnd()) {
      item->setIcon(QIcon(waiting));
      toDraw << play.path;
    } else {
      showThumbnail(item, play, *known);
    }
    rowOf_.insert(play.path, model_->rowCount());
    model_->appendRow(item);
  }
  const QString unreadable =
      folder_.unreadableNames.isEmpty()
          ? QString()
          : QStringLiteral("; categories not listed, their names not UTF-8: ") + folder_.unreadableNames.join(QStringLiteral(", "));
  playbookStatus->setText(folder_.why.isEmpty() ? QStringLiteral("%1 plays in %2").arg(folder_.plays.size()).arg(folder_.title) +
                                                      unreadable
                                                : folder_.why.front().toUpper() + folder_.why.mid(1) + u'.');
  showOnlyWanted();
  const Look look = look_;
  const Level level = level_;
  drawing_ = QtConcurrent::mapped(&drawers_, toDraw, [look, level](const QString& path) {
    return Drawn{path, cacheKey(path), playThumbnail(path, look, level, thumbnailSize)};
  });
  taken_ = 0;
  takeDrawn_->start();
}

void PlaybookDock::takeThumbnails() {
  constexpr int batch = 100;
  const int ready = std::min(drawing_.resultCount(), taken_ + batch);
  for (; taken_ < ready; ++taken_) {
    const Drawn drawn = drawing_.resultAt(taken_);
    drawn_.insert(drawn.key, drawn.thumbnail);
    const int row = rowOf_.value(drawn.path, -1);
    if (row < 0) continue;
    showThumbnail(model_->item(row), folder_.plays[row], drawn.thumbnail);
    playbookPlays->setRowHidden(row, !wanted(row));
  }
  if (thumbnailsDone()) takeDrawn_->stop();
}

bool PlaybookDock::wanted(int row) const {
  const QString category = playbookCategories->currentIndex() > 0 ? playbookCategories->currentText() : QString();
  if (row < 0 || row >= folder_.plays.size()) return false;
  const FolderPlay& play = folder_.plays[row];  // the rows are the folder's plays, in order
  if (!category.isEmpty() && play.category != category) return false;
  const QString search = playbookSearch->text();
  QStandardItem* item = model_->item(row);
  // A play whose thumbnail is still being drawn has its call read for the search.
  if (!search.trimmed().isEmpty() && !item->data(callRole).isValid()) item->setData(callOfPlay(play.path), callRole);
  return matchesSearch(play, item->data(callRole).toString(), search);
}

void PlaybookDock::showOnlyWanted() {
  for (int row = 0; row < model_->rowCount(); ++row) playbookPlays->setRowHidden(row, !wanted(row));
}

QStringList PlaybookDock::shownPlays() const {
  QStringList shown;
  for (int row = 0; row < model_->rowCount(); ++row)
    if (!playbookPlays->isRowHidden(row)) shown << model_->item(row)->data(pathRole).toString();
  return shown;
}

QList<FolderPlay> PlaybookDock::chosenPlays() const {
  QList<FolderPlay> shown, chosen;
  for (int row = 0; row < model_->rowCount() && row < folder_.plays.size(); ++row) {
    if (playbookPlays->isRowHidden(row)) continue;
    shown << folder_.plays[row];
    if (playbookPlays->selectionModel()->isRowSelected(row)) chosen << folder_.plays[row];
  }
  return chosen.isEmpty() ? shown : chosen;
}

bool PlaybookDock::thumbnailsDone() const { return drawing_.isFinished() && taken_ == drawing_.resultCount(); }

void PlaybookDock::refuse(const QString& text) {
  platform_.ask(this, {text, QStringLiteral("Playbook"), Buttons::Ok, Icon::Warning});
}

void PlaybookDock::showMenu(QPoint at) {
  const QString path = playbookPlays->indexAt(at).data(pathRole).toString();
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(QStringLiteral("New &Category..."), this, &PlaybookDock::newCategory);
  menu->addAction(QStringLiteral("Playbook &Title..."), this, &PlaybookDock::retitle);
  if (!path.isEmpty()) {
    menu->addAction(QStringLiteral("&Rename..."), this, [this, path] { renamePlay(path); });
    menu->addAction(QStringLiteral("D&uplicate"), this, [this, path] { duplicatePlay(path); });
    QMenu* move = menu->addMenu(QStringLiteral("&Move to Category"));
    for (const QString& category : QStringList{QString()} + folder_.categories)
      move->addAction(category.isEmpty() ? QStringLiteral("(the playbook itself)") : category, this,
                      [this, path, category] { moveToCategory(playsActedOn(path), category); });
    menu->addAction(QStringLiteral("&Delete"), this, [this, path] { deletePlay(path); });
  }
  menu->popup(playbookPlays->viewport()->mapToGlobal(at));
}

QStringList PlaybookDock::playsActedOn(const QString& path) const {
  QStringList chosen;
  for (const QModelIndex& index : playbookPlays->selectionModel()->selectedIndexes())
    if (!playbookPlays->isRowHidden(index.row())) chosen << index.data(pathRole).toString();
  return chosen.contains(path) ? chosen : QStringList{path};
}

void PlaybookDock::newCategory() {
  const std::optional<QString> name =
      platform_.askText(this, {QStringLiteral("New Category"), QStringLiteral("Name:"), QString(), QString(), nullptr});
  if (!name) return;
  if (const QString why = givenNameRefusal(*name); !why.isEmpty())
    return refuse(QStringLiteral("The category cannot be named ") + *name + QStringLiteral(": ") + why + u'.');
  if (!QDir(folder_.root).mkdir(*name))
    return refuse(QStringLiteral("The category ") + *name + QStringLiteral(" could not be made in ") + folder_.root + u'.');
  rescan();
}

void PlaybookDock::retitle() {
  const std::optional<QString> title = platform_.askText(
      this, {QStringLiteral("Playbook Title"), QStringLiteral("Title:"), folder_.title, QString(), nullptr});
  if (!title) return;
  if (QString why; !writePlaybookTitle(folder_.root, *title, &why))
    return refuse(QStringLiteral("The title could not be written into ") + folder_.root + QStringLiteral(": ") + why +
                  u'.');
  rescan();
}

void PlaybookDock::renamePlay(const QString& path) {
  const QFileInfo file(path);
  const std::optional<QString> name = platform_.askText(
      this, {QStringLiteral("Rename"), QStringLiteral("Name:"), file.completeBaseName(), QString(), nullptr});
  if (!name || *name == file.completeBaseName()) return;
  if (const QString why = givenNameRefusal(*name); !why.isEmpty())
    return refuse(QStringLiteral("The play cannot be named ") + *name + QStringLiteral(": ") + why + u'.');
  const QString target = file.dir().filePath(*name + QStringLiteral(".ply"));
  if (QFileInfo::exists(target)) {
    const QString open = openPlay();
    const QString question =
        !open.isEmpty() && sameFile(open, target)
            ? QStringLiteral("A play named ") + *name +
                  QStringLiteral(" exists and is the play open in the window. Replace it? The window keeps its play, "
                                 "unsaved and with no file.")
            : QStringLiteral("A play named ") + *name + QStringLiteral(" exists. Replace it?");
    if (platform_.ask(this, {question, QStringLiteral("Playbook"), Buttons::YesNo}) != Answer::Yes) return;
    if (!toTrash(target))
      return refuse(QStringLiteral("The play ") + target + QStringLiteral(" could not be moved to the trash."));
    emit playRemoved(target);
  }
  if (!QFile::rename(path, target)) return refuse(QStringLiteral("The play could not be renamed ") + target + u'.');
  emit playMoved(path, target);
  rescan();
}

void PlaybookDock::duplicatePlay(const QString& path) {
  const QFileInfo file(path);
  QString target;
  for (int n = 1; target.isEmpty() || QFileInfo::exists(target); ++n)
    target = file.dir().filePath(file.completeBaseName() + QStringLiteral(" copy") +
                                 (n > 1 ? QStringLiteral(" %1").arg(n) : QString()) + QStringLiteral(".ply"));
  if (!QFile::copy(path, target)) return refuse(QStringLiteral("The play could not be copied to ") + target + u'.');
  rescan();
}

void PlaybookDock::moveToCategory(const QStringList& paths, const QString& category) {
  QStringList unmoved;
  for (const QString& path : paths) {
    const QString target = QDir(QDir(folder_.root).filePath(category)).filePath(QFileInfo(path).fileName());
    if (sameFile(path, target)) continue;
    if (QFileInfo::exists(target) || !QFile::rename(path, target)) {
      unmoved << QFileInfo(path).completeBaseName();
      continue;
    }
    emit playMoved(path, target);
  }
  rescan();
  if (!unmoved.isEmpty())
    refuse(QStringLiteral("These plays could not be moved, as the category holds a play of the same name or the "
                          "file could not be moved: ") +
           unmoved.join(QStringLiteral(", ")) + u'.');
}

void PlaybookDock::deletePlay(const QString& path) {
  // Never unlinked: the desktop's trash keeps it.
  if (!toTrash(path)) return refuse(QStringLiteral("The play ") + path + QStringLiteral(" could not be moved to the trash."));
  emit playRemoved(path);
  rescan();
}
