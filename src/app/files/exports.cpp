// Moxten: the play as a picture, the animation as a GIF, the playbook as a
// PDF document and on paper, wristband cards and the call sheet.
#include "app/widgets/playbookdock.h"
#include "app/window/moxten.h"
#include "core/drawing/scouting.h"
#include "core/animation/gif.h"
#include "core/animation/video.h"
#include "core/drawing/gameday.h"
#include "core/drawing/webpage.h"
#include "core/files/playlist.h"
#include "core/files/savedfile.h"

#include <QFileInfo>

namespace {

QStringList playsPerPageItems() {
  QStringList items;
  for (const int n : playsPerPageChoices) items << QString::number(n);
  return items;
}

const QString playsPerPageLabel = QStringLiteral("Plays a page:");

QString exportFailure(const QString& what, const QString& path, const QString& why) {
  return what + QStringLiteral(" could not be exported to ") + path + QStringLiteral(": ") + why + u'.';
}

// Why the file name does not suit a file of this extension; empty when it does.
QString extensionRefusal(const QString& path, const QString& extension) {
  return hasExtension(path, extension) ? QString() : QStringLiteral("the file name must end in .") + extension;
}

}  // namespace

QString Moxten::askExportFile(const QString& title, const QString& filter, const QString& suffix, int* playsPerPage) {
  FileRequest request{.title = title,
                      .filter = filter,
                      .defaultSuffix = suffix,
                      // A playbook is proposed under its title, the rest under the play's name.
                      .fileName = playsPerPage ? playbookLayout().title
                                               : QFileInfo(playTitle(playFileName)).completeBaseName(),
                      .askBeforeReplacing = true};
  int chosen = playsPerPage ? int(playsPerPageChoices.indexOf(*playsPerPage)) : 0;
  if (playsPerPage) {
    request.choiceLabel = playsPerPageLabel;
    request.choices = playsPerPageItems();
    request.chosen = &chosen;
  }
  const QString path = platform_.saveFileName(this, request);
  if (playsPerPage) *playsPerPage = playsPerPageChoices.value(chosen, usualPlaysPerPage);
  return path;
}

void Moxten::exportFile(const QString& what, const QString& path, const ExportMaker& make) {
  Progress progress;
  QString why;
  bool written = false;
  platform_.runLong(this, QStringLiteral("Exporting to ") + path + QStringLiteral("..."), progress, [&] {
    const std::optional<QByteArray> bytes = make(progress, &why);
    written = bytes && !progress.cancelled() && writeExport(path, *bytes, &why);
  });
  if (!written && !progress.cancelled()) refuse(exportFailure(what, path, why));
}

void Moxten::exportPicture_Click() {
  const QString path = askExportFile(
      QStringLiteral("Export Picture"),
      QStringLiteral("PNG Picture (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf|"),
      QStringLiteral("png"));
  if (path.isEmpty()) return;
  exportFile(QStringLiteral("The picture"), path, [path, picture = playPicture()](Progress& progress, QString* why) {
    progress.start(1);
    std::optional<QByteArray> bytes = playPictureFile(path, picture, why);
    progress.step();
    return bytes;
  });
}

void Moxten::exportAnimation_Click() {
  const QString path =
      askExportFile(QStringLiteral("Export Animation"), QStringLiteral("GIF Animation (*.gif)|*.gif|"), QStringLiteral("gif"));
  if (path.isEmpty()) return;
  if (const QString why = extensionRefusal(path, QStringLiteral("gif")); !why.isEmpty())
    return refuse(exportFailure(QStringLiteral("The animation"), path, why));
  exportFile(QStringLiteral("The animation"), path,
             [picture = playPicture(), roles = runRoles(), wait = frameWait()](Progress& progress, QString* why) {
               return animationGif(picture, roles, wait, why, &progress);
             });
}

void Moxten::exportVideo_Click() {
  const QString path = askExportFile(QStringLiteral("Export Video"),
                                     QStringLiteral("MP4 Video (*.mp4)|*.mp4|GIF Animation (*.gif)|*.gif|"),
                                     QStringLiteral("mp4"));
  if (path.isEmpty()) return;
  const bool gif = hasExtension(path, QStringLiteral("gif"));
  if (!gif && !hasExtension(path, QStringLiteral("mp4")))
    return refuse(exportFailure(QStringLiteral("The video"), path, QStringLiteral("the file name must end in .mp4 or .gif")));
  exportFile(QStringLiteral("The video"), path,
             [gif, request = VideoRequest{playPicture(), QSize(1920, 1080), 30}](Progress& progress, QString* why) {
               return gif ? playVideoGif(request, why, &progress) : playVideo(request, why, &progress);
             });
}

// The play as a web page that plays it offline, in the window's look.
void Moxten::exportPage_Click() {
  const QString path =
      askExportFile(QStringLiteral("Export Page"), QStringLiteral("Web Page (*.html)|*.html|"), QStringLiteral("html"));
  if (path.isEmpty()) return;
  if (const QString why = extensionRefusal(path, QStringLiteral("html")); !why.isEmpty())
    return refuse(exportFailure(QStringLiteral("The page"), path, why));
  const QString name = QFileInfo(playFileName).completeBaseName();
  exportFile(QStringLiteral("The page"), path,
             [play = PlaybookPlay{name, playFileName, playPicture(), QString()}, look = view_.look,
              level = view_.level](Progress& progress, QString*) {
               progress.start(1);
               std::optional<QByteArray> page = playPage({play}, play.called(), look, level);
               progress.step();
               return page;
             });
}

QList<PlaybookPlay> Moxten::listedPlays() {
  // The plays chosen in the playbook dock, or those it shows, while it is open.
  if (playbook->isVisible()) {
    const QList<FolderPlay> chosen = playbook->chosenPlays();
    if (chosen.isEmpty()) refuse(QStringLiteral("The playbook shows no plays."));
    return readFolderPlays(chosen);
  }
  QString why;
  QStringList leftOut;
  const QList<PlaybookPlay> plays = readPlaybook(dataPath(playListFileName), &why, &leftOut);
  if (!why.isEmpty())
    refuse(why.front().toUpper() + why.mid(1) + u'.');
  else if (plays.isEmpty())
    refuse(QStringLiteral("The play list holds no plays: save a play first."));
  else if (const QString sentence = leftOutOfPlayList(leftOut); !sentence.isEmpty())
    ask({sentence.front().toUpper() + sentence.mid(1) + u'.', appTitle, Buttons::Ok, Icon::Warning});
  return plays;
}

PlaybookLayout Moxten::playbookLayout() const {
  // Paper unless the window shows the football field; headed by the folder's name.
  return {playbookPerPage_, view_.look == Look::Classic ? Look::Paper : view_.look, view_.level,
          playbook->isVisible() ? playbook->folder().title : QStringLiteral("Playbook"), QDate::currentDate()};
}

void Moxten::exportPlaybook_Click() {
  const QList<PlaybookPlay> plays = listedPlays();
  if (plays.isEmpty()) return;
  const QString path = askExportFile(QStringLiteral("Export Playbook"), QStringLiteral("PDF Document (*.pdf)|*.pdf|"),
                                     QStringLiteral("pdf"), &playbookPerPage_);
  if (path.isEmpty()) return;
  if (const QString why = extensionRefusal(path, QStringLiteral("pdf")); !why.isEmpty())
    return refuse(exportFailure(QStringLiteral("The playbook"), path, why));
  exportFile(QStringLiteral("The playbook"), path, [plays, layout = playbookLayout()](Progress& progress, QString*) {
    return playbookPdf(plays, layout, &progress);
  });
}

void Moxten::printPlaybook_Click() {
  const QList<PlaybookPlay> plays = listedPlays();
  if (plays.isEmpty()) return;
  platform_.printPreview(this, playsPerPageLabel, playsPerPageItems(),
                         int(playsPerPageChoices.indexOf(playbookPerPage_)),
                         [&](QPagedPaintDevice& pages, int chosen, Progress& progress) {
                           playbookPerPage_ = playsPerPageChoices.value(chosen, usualPlaysPerPage);
                           drawPlaybook(pages, plays, playbookLayout(), &progress);
                         });
}

void Moxten::printWristband_Click() {
  const QList<PlaybookPlay> plays = listedPlays();
  if (plays.isEmpty()) return;
  QStringList cards;
  for (const WristbandCard& card : wristbandCards)
    for (const int cells : wristbandCellChoices) cards << card.name + QStringLiteral(", %1 plays").arg(cells);
  const int usual = int(wristbandCellChoices.indexOf(WristbandLayout().cells));
  platform_.printPreview(
      this, QStringLiteral("Card:"), cards, usual, [&](QPagedPaintDevice& pages, int chosen, Progress& progress) {
        const WristbandLayout layout{int(chosen / wristbandCellChoices.size()),
                                     wristbandCellChoices.value(chosen % wristbandCellChoices.size()), view_.level};
        drawWristband(pages, plays, layout, &progress);
      });
}

void Moxten::printCallSheet_Click() {
  const QList<PlaybookPlay> plays = listedPlays();
  if (plays.isEmpty()) return;
  platform_.printPreview(this, QString(), {}, 0, [&](QPagedPaintDevice& pages, int, Progress&) {
    drawCallSheet(pages, plays, playbookLayout().title, QDate::currentDate());
  });
}

// The plays against the saved defences they name, the formation folders
// read once, away from the window's thread behind a progress dialog; the
// defences skipped are listed in a box that scrolls. Nothing when cancelled.
std::optional<QList<VersusDiagram>> Moxten::diagramsAgainstDefences(const QList<PlaybookPlay>& plays, bool numbered) {
  Progress progress;
  QList<VersusDiagram> diagrams;
  QStringList skipped;
  const QStringList folders = formationFolders(platform_);
  platform_.runLong(this, QStringLiteral("Reading the saved defences..."), progress, [&] {
    const SavedDefences saved = readSavedDefences(folders, &progress);
    if (!progress.cancelled()) diagrams = versusDiagrams(plays, saved, numbered, &skipped);
  });
  if (progress.cancelled()) return std::nullopt;
  // The box names the first few; its details, which scroll, list them all.
  constexpr qsizetype named = 8;
  QStringList shown = skipped.mid(0, named);
  if (skipped.size() > named) shown << QStringLiteral("and %1 more (Show Details... lists them all)").arg(skipped.size() - named);
  if (!skipped.isEmpty())
    ask({QStringLiteral("These defences are skipped:\n") + shown.join(u'\n'), appTitle, Buttons::Ok, Icon::Warning,
         skipped.size() > named ? skipped.join(u'\n') : QString()});
  return diagrams;
}

// The play as it stands, a page against each saved defence it names; those
// it names that are not saved are listed in a message.
void Moxten::printAgainst_Click() {
  const PlaybookPlay play{QFileInfo(playFileName).completeBaseName(), playFileName, playPicture(), QString()};
  const std::optional<QList<VersusDiagram>> found = diagramsAgainstDefences({play}, false);
  if (!found) return;
  const QList<VersusDiagram>& diagrams = *found;
  if (diagrams.isEmpty())
    return refuse(QStringLiteral("The play names no saved defence: add one with View > Against > Add Defence."));
  platform_.printPreview(this, QString(), {}, 0, [&](QPagedPaintDevice& pages, int, Progress&) {
    drawVersusPages(pages, diagrams, 1, play.called(), QDate::currentDate(), playbookLayout().look, view_.level);
  });
}

// Scout cards of the plays of the dock (or the play list), 1 or 2 a page.
void Moxten::printScoutCards_Click() {
  const QList<PlaybookPlay> plays = listedPlays();
  if (plays.isEmpty()) return;
  const std::optional<QList<VersusDiagram>> found = diagramsAgainstDefences(plays, true);
  if (!found) return;
  const QList<VersusDiagram>& diagrams = *found;
  if (diagrams.isEmpty()) return refuse(QStringLiteral("No play names a saved defence to make a scout card of."));
  platform_.printPreview(this, QStringLiteral("Cards a page:"), {QStringLiteral("1"), QStringLiteral("2")}, 1,
                         [&](QPagedPaintDevice& pages, int chosen, Progress&) {
                           drawVersusPages(pages, diagrams, chosen + 1, playbookLayout().title, QDate::currentDate(),
                                           playbookLayout().look,
                                           view_.level);
                         });
}
