#pragma once

#include "core/drawing/picture.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// A playbook is a folder of play files; its sub-folders are its categories.

struct FolderPlay {
  QString path;      // bytes that are not UTF-8 kept as nameFromFileSystem keeps them
  QString name;      // the file's name without ".ply", such bytes shown as U+FFFD
  QString category;  // the sub-folder's name; empty for the folder itself
};

struct PlaybookFolder {
  QString root;
  QString title;           // from its title file, else the folder's name
  QStringList categories;  // in name order
  QList<FolderPlay> plays; // by category, then by name
  QString why;             // why the folder could not be read, when it could not
  // Categories whose folder names are not UTF-8, which the dock cannot
  // list: shown with a replacement character. (A play of such a name is
  // listed, its name shown so and its path keeping its own bytes.)
  QStringList unreadableNames;
};

// The folder's plays and categories from its listing alone: no play file is
// read, so that a large folder shows its names at once. Its title is the
// first line of its title file when it has one that says anything.
PlaybookFolder scanPlaybookFolder(const QString& root);

// The file in a playbook folder that holds its title.
inline const QString playbookTitleFile = QStringLiteral("title.txt");
inline constexpr int longestPlaybookTitle = 120;

// Writes the title (its first line, at most longestPlaybookTitle characters)
// into the folder's title file; false, and why, when it cannot.
bool writePlaybookTitle(const QString& root, const QString& title, QString* why);

// What a thumbnail shows of a play file: its call and its picture, or why
// it could not be read.
struct PlayThumbnail {
  QImage image;
  QString call;
  bool read = false;
};

// The play of the file drawn in the look into a picture of the size, cropped
// to its diagram in the football and paper looks; a file that cannot be read
// gives a picture that says why.
PlayThumbnail playThumbnail(const QString& path, Look look, Level level, QSize size);

// The call of the play file; empty when it has none or cannot be read.
QString callOfPlay(const QString& path);

// Whether the play's name or call holds the text (case aside); an empty text
// matches every play.
bool matchesSearch(const FolderPlay& play, const QString& call, const QString& text);
