#include "core/files/playbookfolder.h"

#include "core/drawing/canvas.h"
#include "core/files/filenames.h"
#include "core/files/playfile.h"
#include "core/files/regularfile.h"
#include "core/files/savedfile.h"
#include "core/model/legality.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

const QStringList playFiles = {QStringLiteral("*.ply")};

// An entry of a folder whose name's bytes are not UTF-8, which Qt's listing
// leaves out: its name as the program keeps such names (each stray byte
// escaped, so that the file still opens) and whether it is a folder.
struct StrayEntry {
  QString name;
  bool folder = false;
};

QList<StrayEntry> entriesNotUtf8(const QString& folder) {
  QList<StrayEntry> entries;
#ifdef Q_OS_UNIX
  DIR* dir = opendir(fileSystemName(folder).constData());
  if (!dir) return entries;
  while (const dirent* entry = readdir(dir)) {
    const QString name = nameFromFileSystem(QByteArray(entry->d_name));
    if (!qtReaches(name)) entries << StrayEntry{name, entry->d_type == DT_DIR};
  }
  closedir(dir);
#else
  Q_UNUSED(folder);
#endif
  return entries;
}

// The name as a person reads it: each escaped byte a replacement character.
QString shownName(const QString& name) {
  QString shown = name;
  for (QChar& c : shown)
    if (c.isSurrogate()) c = QChar::ReplacementCharacter;
  return shown;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The run of digits from the position, without its leading zeros.
QStringView numberAt(const QString& name, qsizetype& at) {
  const qsizetype start = at;
  while (at < name.size() && isDigit(name[at])) ++at;
  QStringView digits = QStringView(name).mid(start, at - start);
  while (digits.size() > 1 && digits.front() == u'0') digits = digits.mid(1);
  return digits;
}

// Whether a name comes before another, case aside and numbers by their value.
bool namedBefore(const QString& a, const QString& b) {
  qsizetype i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      const QStringView x = numberAt(a, i), y = numberAt(b, j);
      if (x.size() != y.size()) return x.size() < y.size();
      if (const int order = x.compare(y); order != 0) return order < 0;
      continue;
    }
    const QChar x = a[i++].toCaseFolded(), y = b[j++].toCaseFolded();
    if (x != y) return x < y;
  }
  return a.size() - i < b.size() - j;
}

// The folder's plays by name as a file manager orders them ("Fade" before
// "Fade copy", "Run 2" before "Run 10").
// Its entries whose names Qt's listing leaves out are given with it.
void listPlays(const QDir& folder, const QList<StrayEntry>& strays, const QString& category, QList<FolderPlay>& plays) {
  QList<FolderPlay> listed;
  for (const QFileInfo& file : folder.entryInfoList(playFiles, QDir::Files | QDir::Readable))
    listed << FolderPlay{file.absoluteFilePath(), file.completeBaseName(), category};
  for (const StrayEntry& entry : strays)
    if (!entry.folder && entry.name.endsWith(QStringLiteral(".ply")))
      listed << FolderPlay{folder.absoluteFilePath(entry.name), shownName(entry.name.chopped(4)), category};
  std::sort(listed.begin(), listed.end(),
            [](const FolderPlay& a, const FolderPlay& b) { return namedBefore(a.name, b.name); });
  plays += listed;
}

QImage saying(const QString& text, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(9, size.height() / 10));
  painter.setFont(fontAwayFromWindow(font));
  painter.setPen(Qt::darkRed);
  painter.drawText(QRect(QPoint(4, 4), size - QSize(8, 8)), Qt::AlignCenter | Qt::TextWordWrap, text);
  return image;
}

// The first line of the title, at most so long.
QString titleLine(const QString& text) { return text.section(u'\n', 0, 0).trimmed().left(longestPlaybookTitle); }

QString titleIn(const QDir& dir) {
  QFile file(dir.filePath(playbookTitleFile));
  const QString title =
      openRegularFile(file, QIODevice::ReadOnly) ? titleLine(QString::fromUtf8(file.read(4096))) : QString();
  return title.isEmpty() ? dir.dirName() : title;
}

}  // namespace

bool writePlaybookTitle(const QString& root, const QString& title, QString* why) {
  return writeExport(QDir(root).filePath(playbookTitleFile), titleLine(title).toUtf8() + '\n', why);
}

PlaybookFolder scanPlaybookFolder(const QString& root) {
  const QDir dir(root);
  PlaybookFolder folder{root, titleIn(dir), {}, {}, {}, {}};
  if (!dir.exists() || !dir.isReadable()) {
    folder.why = QStringLiteral("the folder ") + root + QStringLiteral(" cannot be read");
    return folder;
  }
  const QList<StrayEntry> strays = entriesNotUtf8(root);
  listPlays(dir, strays, QString(), folder.plays);
  for (const StrayEntry& entry : strays)
    if (entry.folder) folder.unreadableNames << shownName(entry.name);
  folder.unreadableNames.sort();
  for (const QString& category : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name | QDir::IgnoreCase)) {
    folder.categories << category;
    const QDir categoryFolder(dir.filePath(category));
    listPlays(categoryFolder, entriesNotUtf8(categoryFolder.absolutePath()), category, folder.plays);
  }
  return folder;
}

PlayThumbnail playThumbnail(const QString& path, Look look, Level level, QSize size) {
  PlayThumbnail thumbnail;
  Play play;
  std::optional<PlayRoles> roles;
  ReadFailure failure;
  if (!readPlayFile(path, ReadPolicy::Strict, play, &failure, &roles)) {
    thumbnail.image = saying(QStringLiteral("This play could not be read: ") + failure.plain, size);
    return thumbnail;
  }
  thumbnail.read = true;
  thumbnail.call = play.call;
  const PlayPicture picture{play, roles.value_or(PlayRoles()), pictureSizeFor(play), 0, look, level};
  const QRect shown = look == Look::Classic ? QRect(QPoint(0, 0), picture.size) : diagramArea(play, picture.size, level);
  thumbnail.image = QImage(size, QImage::Format_RGB32);
  thumbnail.image.fill(Qt::white);
  QPainter painter(&thumbnail.image);
  const QSizeF fitted = QSizeF(shown.size()).scaled(size, Qt::KeepAspectRatio);
  painter.translate((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2);
  painter.scale(fitted.width() / shown.width(), fitted.height() / shown.height());
  painter.translate(-shown.topLeft());
  painter.setClipRect(shown);
  drawPlayPicture(painter, picture);
  if (!checkLegality(play, picture.roles, level).isEmpty()) {
    painter.resetTransform();
    painter.setClipping(false);
    drawRuleMark(painter, QPointF(size.width() - 2, 2), std::max(10, size.height() / 6));
  }
  return thumbnail;
}

QString callOfPlay(const QString& path) {
  Play play;
  return readPlayFile(path, ReadPolicy::Lenient, play) ? play.call : QString();
}

bool matchesSearch(const FolderPlay& play, const QString& call, const QString& text) {
  const QString wanted = text.trimmed();
  return wanted.isEmpty() || play.name.contains(wanted, Qt::CaseInsensitive) || call.contains(wanted, Qt::CaseInsensitive);
}
