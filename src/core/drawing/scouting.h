#pragma once

#include "core/drawing/playbook.h"
#include "core/files/formationfile.h"
#include "core/model/formation.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// A play drawn against one defence: what it is called and the play with the
// defence aligned on its ball.
struct VersusDiagram {
  QString title;     // "Spread Right 76 vs 4-3 Over"; on a scout card "7  Spread Right 76"
  QString subtitle;  // on a scout card: "vs 4-3 Over"
  PlayPicture picture;
};

// The diagrams of the plays against the defences they name, found among
// the saved ones: the play's call (its title without one) and its number
// (counted from 1 in the plays' order) with each defence. A defence that
// is no saved defence is listed in skipped ("Slant: 4-4 Stack (why)"), and
// so is a play without a centre to align one on.
QList<VersusDiagram> versusDiagrams(const QList<PlaybookPlay>& plays, const SavedDefences& saved, bool numbered,
                                    QStringList* skipped);

// Pages of the diagrams, 1 or 2 a page, each big in the look under its
// title, every page headed and dated.
void drawVersusPages(QPagedPaintDevice& device, const QList<VersusDiagram>& diagrams, int perPage,
                     const QString& heading, const QDate& date, Look look, Level level);
