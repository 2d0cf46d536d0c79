#include "app/controls.h"
#include "app/moxten.h"
#include "drawing/fieldbox.h"
#include "drawing/symbols.h"
#include "files/playfile.h"
#include "files/playlist.h"
#include "model/numbers.h"
#include "settings/colors.h"
#include "settings/configuration.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>

namespace {

const QString playFilter = QStringLiteral("Moxten Files (*.ply)|*.ply|");

}  // namespace

void Moxten::save_Click() {
  const QString chosen =
      platform_.saveFileName(this, {QStringLiteral("Save Play...."), playFilter, QStringLiteral("ply"), playFileName});
  if (chosen.isEmpty()) return;
  if (chosen.contains(u',')) {
    refuse(QStringLiteral("The play cannot be saved as ") + chosen +
           QStringLiteral(" because the play list cannot hold a file name or folder with a comma in it."));
    return;
  }
  loadPlayList();
  const QString title = playTitle(chosen);
  bool listed = false;
  for (int k = 1; k <= playListCount; ++k) {
    if (playListNames[k].compare(title, Qt::CaseInsensitive) != 0) continue;
    listed = true;
    if (ask({QStringLiteral("Overwrite File?"), QStringLiteral("File"), Buttons::YesNo}) == Answer::No) {
      isSaved = flagFalse;
      return;
    }
    break;
  }
  if (configuration->syncValue() == 1) synchronizePaths(*this);
  if (!writePlayFile(chosen, *this)) {
    refuse(QStringLiteral("The play could not be written to ") + chosen + u'.');
    return;
  }
  isSaved = flagTrue;
  playFileName = chosen;
  setCaption();
  if (!listed) appendPlayListLine(dataPath(QStringLiteral("plays.ini")), title, chosen);
}

void Moxten::Open_Click() {
  const QString chosen =
      platform_.openFileName(this, {QStringLiteral("Open Moxten File"), playFilter, QString(), QString()});
  if (!chosen.isEmpty() && takePlayFrom(chosen, ReadPolicy::Lenient)) {
    if (playerCount >= 1) football->setVisible(PassingPlay->isChecked());
    drawPlay();
  }
  canvas().foreColor = navy;
}

// Reads the play file into the play and names it the open file, on a Field
// cleared to its marks. A file that cannot be read is refused with a message
// and leaves the play, its name and the Field as they were.
bool Moxten::takePlayFrom(const QString& path, ReadPolicy policy) {
  Play read = *this;
  if (!readPlayFile(path, policy, read)) {
    refuse(QStringLiteral("The play could not be read from ") + path + u'.');
    return false;
  }
  static_cast<Play&>(*this) = read;
  clearField();
  playFileName = path;
  setCaption();
  return true;
}

// Draws the players with their numbers, then their paths up to step 3.
void Moxten::drawPlay() {
  FieldCanvas& field = canvas();
  for (int i = 1; i <= playerCount; ++i) {
    const PlayerRecord& player = players[i];
    field.currentX = double(player.x) - 7;
    field.currentY = double(player.y) - 7;
    switch (player.kind) {
      case Offence: field.circle(player.x, player.y, circleRadius); break;
      case Centre: drawSquareMark(field, player.x, player.y); break;
      case Defence: drawXMark(field, player.x, player.y); break;
      default: break;
    }
    field.foreColor = vbWhite;
    field.print(listNumber(i));
    field.foreColor = navy;
  }
  for (int i = 1; i <= playerCount; ++i) {
    for (int s = 1; s <= 3; ++s) {
      if (isTableColor(players[i].color)) field.foreColor = players[i].color;
      const PlayerRecord& from = moves[i][s - 1];
      const PlayerRecord& to = moves[i][s];
      if (to.x != 0 && to.y != 0) field.line(from.x, from.y, to.x, to.y);
    }
    field.foreColor = penColor;
  }
}

void Moxten::loadPlayList() {
  QFile file(dataPath(QStringLiteral("plays.ini")));
  if (!file.open(QIODevice::ReadOnly)) {
    plays->replaceItems({});
    return;
  }
  const QList<PlayListEntry> entries = readPlayList(file);
  QStringList names;
  for (qsizetype n = 0; n < entries.size(); ++n) {
    playListNames[n + 1] = entries[n].name;
    playListFiles[n + 1] = entries[n].file;
    names << entries[n].name;
  }
  playListCount = std::int16_t(entries.size());
  plays->replaceItems(names);
}

void Moxten::plays_DropDown() { loadPlayList(); }
