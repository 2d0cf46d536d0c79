#pragma once

#include <QList>
#include <QString>

class QIODevice;

struct PlayListEntry {
  QString name;
  QString file;
};

// The entries of a play list file, at most 100; an entry cut short by the end
// of the file is not one.
QList<PlayListEntry> readPlayList(QIODevice& device);

// Appends "title,path" and a line end to the play list file.
bool appendPlayListLine(const QString& listPath, const QString& title, const QString& playPath);

// The file-name part of a path, after its last separator ("\" or "/").
QString playTitle(const QString& path);
