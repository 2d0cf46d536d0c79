// Moxten: Save, Open and the play list.
#include "app/settings/configuration.h"
#include "app/widgets/controls.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/files/filenames.h"
#include "core/files/playfile.h"
#include "core/files/playlist.h"
#include "core/settings/colors.h"

#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <limits>

namespace {

const QString playFilter = QStringLiteral("Moxten Files (*.ply)|*.ply|");

bool holdsTitle(const QList<PlayListEntry>& entries, const QString& title) {
  return std::any_of(entries.begin(), entries.end(), [&title](const PlayListEntry& entry) {
    return entry.name.compare(title, Qt::CaseInsensitive) == 0;
  });
}

}  // namespace

void Moxten::save_Click() {
  const QString chosen =
      platform_.saveFileName(this, {.title = QStringLiteral("Save Play...."), .filter = playFilter,
                                    .defaultSuffix = QStringLiteral("ply"), .fileName = proposedFileName()});
  if (chosen.isEmpty()) return;
  const QString title = playTitle(chosen);
  if (const QString reason = playListRefusal(chosen); !reason.isEmpty()) {
    refuse(QStringLiteral("The play cannot be saved as ") + chosen + QStringLiteral(" because the play list cannot hold ") +
           reason + u'.');
    return;
  }
  loadPlayList();
  const bool listed = listedInMembers(title);
  // Asked only before a file that exists is replaced, listed or not: a new
  // file replaces nothing.
  if (QFileInfo::exists(chosen) &&
      ask({QStringLiteral("Overwrite File?"), QStringLiteral("File"), Buttons::YesNo}) == Answer::No) {
    isSaved = flagFalse;
    return;
  }
  writePlayTo(chosen, listed || listedBeyondMembers(title));
}

// An untitled play with a call is proposed under its call.
QString Moxten::proposedFileName() const {
  return playFileName == untitledPlay && !call.isEmpty() ? fileNameOfCall(call) + QStringLiteral(".ply") : playFileName;
}

void Moxten::saveAgain_Click() {
  if (playFileName == untitledPlay) return save_Click();
  loadPlayList();
  const QString title = playTitle(playFileName);
  writePlayTo(playFileName, listedInMembers(title) || listedBeyondMembers(title));
}

bool Moxten::listedInMembers(const QString& title) const {
  for (int k = 1; k <= playListCount; ++k)
    if (playListNames[k].compare(title, Qt::CaseInsensitive) == 0) return true;
  return false;
}

// The members hold the first entries only: a title further down is listed too.
bool Moxten::listedBeyondMembers(const QString& title) const {
  return playListCount == maxPlayListEntries &&
         holdsTitle(readPlayList(dataPath(playListFileName), std::numeric_limits<qsizetype>::max())
                        .value_or(QList<PlayListEntry>()),
                    title);
}

void Moxten::writePlayTo(const QString& chosen, bool listed) {
  closePreview();
  const QString listPath = dataPath(playListFileName);
  const QString title = playTitle(chosen);
  if (configuration->syncValue() == 1) synchronizePaths(*this);
  if (QString why; !writePlayFile(chosen, *this, rolesOfPlay(), &why)) {
    refuse(QStringLiteral("The play could not be written to ") + chosen + QStringLiteral(": ") + why + u'.');
    return;
  }
  isSaved = flagTrue;
  playFileName = chosen;
  setCaption();
  undoStack->setClean();
  keepRecoveryCopy();
  if (listed) return;
  const auto warn = [this, &chosen](const QString& why) {
    ask({QStringLiteral("The play was saved to ") + chosen + QStringLiteral(", but ") + why, appTitle, Buttons::Ok,
         Icon::Warning});
  };
  if (const QString unlistable = playListRefusal(chosen); !unlistable.isEmpty())
    warn(QStringLiteral("the play list cannot hold ") + unlistable + QStringLiteral(", so this play is not listed."));
  else if (listPath.isEmpty())
    warn(QStringLiteral("it could not be added to the play list: ") + noDataFolderReason + u'.');
  else if (playListCount >= maxPlayListEntries)
    warn(QStringLiteral("the play list is full: it holds %1 plays, so this play is not listed.").arg(maxPlayListEntries));
  else if (!makeDataFolderOf(listPath) || !appendPlayListLine(listPath, title, chosen))
    warn(QStringLiteral("it could not be added to the play list ") + listPath + u'.');
}

void Moxten::Open_Click() {
  openPlay(platform_.openFileName(this, {.title = QStringLiteral("Open Moxten File"), .filter = playFilter}));
}

void Moxten::openPlay(const QString& chosen) {
  const EditedPlay before = editedPlay();
  bool hadRoles = false;
  if (!chosen.isEmpty() && takePlayFrom(chosen, ReadPolicy::Lenient, &hadRoles)) {
    showOpenedPlay(hadRoles);
    commitRead(QStringLiteral("Open Play"), before);
  }
  canvas().foreColor = navy;
}

// Reads the play file into the play and names it the open file, on a Field
// cleared to its marks; the roles the file ends with go into their boxes.
// A file that cannot be read is refused with a message and leaves the play,
// its name and the Field as they were.
bool Moxten::takePlayFrom(const QString& path, ReadPolicy policy, bool* hadRoles) {
  Play read = *this;
  ReadFailure failure;
  std::optional<PlayRoles> roles;
  if (!readPlayFile(path, policy, read, &failure, &roles)) {
    refuse(QStringLiteral("The play could not be read from ") + path + QStringLiteral(": ") + failure.why + u'.');
    return false;
  }
  takeReadPlay(read, roles, path);
  if (hadRoles) *hadRoles = roles.has_value();
  return true;
}

void Moxten::loadPlayList() {
  const std::optional<QList<PlayListEntry>> entries = readPlayList(dataPath(playListFileName));
  if (!entries) {
    plays->replaceItems({});
    return;
  }
  QStringList names;
  for (qsizetype n = 0; n < entries->size(); ++n) {
    playListNames[n + 1] = (*entries)[n].name;
    playListFiles[n + 1] = (*entries)[n].file;
    names << (*entries)[n].name;
  }
  playListCount = std::int16_t(entries->size());
  plays->replaceItems(names);
}

void Moxten::plays_DropDown() { loadPlayList(); }
