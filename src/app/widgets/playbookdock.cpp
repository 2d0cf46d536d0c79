#include "app/widgets/playbookdock.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

namespace {

const QSize thumbnailSize(160, 100);
constexpr int pathRole = Qt::UserRole + 1;
constexpr int categoryRole = Qt::UserRole + 2;
const QString allCategories = QStringLiteral("All");

}  // namespace

PlaybookDock::PlaybookDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Playbook"), parent),
      playbookCategories(new QComboBox),
      playbookSearch(new QLineEdit),
      playbookPlays(new QListView),
      playbookStatus(new QLabel),
      model_(new QStandardItemModel(this)),
      watcher_(new QFileSystemWatcher(this)),
      rescanSoon_(new QTimer(this)) {
  setObjectName(QStringLiteral("playbook"));
  playbookCategories->setObjectName(QStringLiteral("playbookCategories"));
  playbookCategories->setAccessibleName(QStringLiteral("Category"));
  playbookSearch->setObjectName(QStringLiteral("playbookSearch"));
  playbookSearch->setPlaceholderText(QStringLiteral("Search names, calls and notes"));
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
  setMinimumWidth(thumbnailSize.width() * 2 + 60);

  rescanSoon_->setSingleShot(true);
  rescanSoon_->setInterval(150);
  connect(rescanSoon_, &QTimer::timeout, this, &PlaybookDock::rescan);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, rescanSoon_, qOverload<>(&QTimer::start));
  connect(playbookCategories, &QComboBox::currentIndexChanged, this, &PlaybookDock::showOnlyWanted);
  connect(playbookSearch, &QLineEdit::textChanged, this, &PlaybookDock::showOnlyWanted);
  connect(playbookPlays, &QListView::activated, this,
          [this](const QModelIndex& index) { emit openRequested(index.data(pathRole).toString()); });
  connect(&drawing_, &QFutureWatcher<Drawn>::resultReadyAt, this, &PlaybookDock::takeThumbnail);
}

PlaybookDock::~PlaybookDock() {
  drawing_.cancel();
  drawing_.waitForFinished();
}

void PlaybookDock::showFolder(const QString& root, Look look, Level level) {
  if (look != look_ || level != level_) drawn_.clear();
  look_ = look;
  level_ = level;
  folder_.root = root;
  rescan();
}

QString PlaybookDock::cacheKey(const QString& path) const {
  return path + u'|' + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch());
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
  QStringList toDraw;
  QPixmap waiting(thumbnailSize);
  waiting.fill(Qt::lightGray);
  for (const FolderPlay& play : folder_.plays) {
    auto* item = new QStandardItem(play.name);
    item->setData(play.path, pathRole);
    item->setData(play.category, categoryRole);
    item->setToolTip(play.path);
    const auto known = drawn_.constFind(cacheKey(play.path));
    if (known == drawn_.constEnd()) {
      item->setIcon(QIcon(waiting));
      toDraw << play.path;
    } else {
      item->setIcon(QIcon(QPixmap::fromImage(known->image)));
      if (!known->call.isEmpty()) item->setText(play.name + u'\n' + known->call);
    }
    model_->appendRow(item);
  }
  playbookStatus->setText(folder_.why.isEmpty()
                              ? QStringLiteral("%1 plays in %2").arg(folder_.plays.size()).arg(QFileInfo(folder_.root).fileName())
                              : folder_.why.front().toUpper() + folder_.why.mid(1) + u'.');
  showOnlyWanted();
  const Look look = look_;
  const Level level = level_;
  drawing_.setFuture(QtConcurrent::mapped(toDraw, [look, level](const QString& path) {
    return Drawn(path, playThumbnail(path, look, level, thumbnailSize));
  }));
}

void PlaybookDock::takeThumbnail(int index) {
  const auto [path, thumbnail] = drawing_.resultAt(index);
  drawn_.insert(cacheKey(path), thumbnail);
  for (int row = 0; row < model_->rowCount(); ++row) {
    QStandardItem* item = model_->item(row);
    if (item->data(pathRole).toString() != path) continue;
    item->setIcon(QIcon(QPixmap::fromImage(thumbnail.image)));
    if (!thumbnail.call.isEmpty()) item->setText(QFileInfo(path).completeBaseName() + u'\n' + thumbnail.call);
  }
  showOnlyWanted();
}

void PlaybookDock::showOnlyWanted() {
  const QString category = playbookCategories->currentIndex() > 0 ? playbookCategories->currentText() : QString();
  for (int row = 0; row < model_->rowCount(); ++row) {
    const QStandardItem* item = model_->item(row);
    const QString path = item->data(pathRole).toString();
    const auto details = drawn_.constFind(cacheKey(path));
    const FolderPlay play{path, QFileInfo(path).completeBaseName(), item->data(categoryRole).toString()};
    const bool wanted = (category.isEmpty() || play.category == category) &&
                        matchesSearch(play, details == drawn_.constEnd() ? nullptr : &*details, playbookSearch->text());
    playbookPlays->setRowHidden(row, !wanted);
  }
}

QStringList PlaybookDock::shownPlays() const {
  QStringList shown;
  for (int row = 0; row < model_->rowCount(); ++row)
    if (!playbookPlays->isRowHidden(row)) shown << model_->item(row)->data(pathRole).toString();
  return shown;
}

bool PlaybookDock::thumbnailsDone() const { return drawing_.isFinished(); }
