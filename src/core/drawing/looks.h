#pragma once

#include "core/model/playstate.h"
#include "core/model/yards.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

// How a play is drawn: the classic Field, a football field of turf and
// yard lines, or paper for a black-and-white printer.
enum class Look { Classic, Football, Paper };

// Where the hash marks stand: by the rules of the level of play.
enum class Level { HighSchool, College, Pro };

// The words of the command line and the preferences, and back; nothing for
// a word the program does not know.
QString lookWord(Look look);
std::optional<Look> lookFrom(const QString& word);
QString levelWord(Level level);
std::optional<Level> levelFrom(const QString& word);

// The distance of each row of hash marks from its sideline, in pixels.
double hashFromSideline(Level level);

// A line across the field: a yard line, with its number (10 to 50) when the
// play states where the ball is, or a goal line.
struct YardLine {
  double y = 0;
  int number = 0;
  bool goal = false;
};

// The yard lines from y = 0 to height: every 5 yards from the line of
// scrimmage (from the top without one); where the play states the yard line
// the ball is on, the field's own lines from goal line to goal line instead.
QList<YardLine> yardLines(const Play& play, int height);

// The end zones (10 yards beyond each goal line) within the height, where
// the play states the yard line the ball is on.
QList<QRectF> endZones(const Play& play, int height);

// Symbols of the football and paper looks reach this far from the player's
// centre; a press within it takes the player.
inline constexpr int lookSymbolReach = 13;

// Draws the field of the look (not Classic) over the whole size.
void drawFieldInLook(QPainter& painter, QSize size, const Play& play, Look look, Level level);

// Draws the play's paths and players in the look (not Classic): each path
// from its player's edge in its line and with its end, each player as a
// filled symbol with its label (or number) centred in it. Where given, the
// players stand at these points (one for each player number) instead.
// How large symbols and labels are drawn, as a scale of their size in the
// window; printed pages scale them with the cell, not with the field.
struct MarkScale {
  double symbol = 1;
  double label = 1;
  bool operator==(const MarkScale&) const = default;
};
void drawPlayInLook(QPainter& painter, QSize size, const Play& play, Look look,
                    const QList<QPointF>* standing = nullptr, const MarkScale& scale = {});
// The same in two layers, paths under players: what stands still while the
// play runs, and what moves.
void drawPathsInLook(QPainter& painter, QSize size, const Play& play, Look look, const MarkScale& scale);
void drawPlayersInLook(QPainter& painter, QSize size, const Play& play, const QList<QPointF>* standing,
                       const MarkScale& scale);

// The symbol scale at most the wanted one at which no two players of a side
// standing level with each other (an interior line a yard and a half
// apart) overlap: their symbols shrink to the spacing, down to 0.4 of it.
double symbolScaleForSpacing(const Play& play, double wanted);

// The height of a label's capitals at the window's size, in field pixels.
double labelCapHeight();

// The rule book's colour: its rings on the Field and its mark on a play.
inline const QColor ruleWarningColor(255, 140, 0);

// The mark of a play that breaks a rule: an orange disc with "!", its
// top-right corner at the point.
void drawRuleMark(QPainter& painter, QPointF topRight, double diameter);

// The football's centre beside the player holding it, standing at the
// point: right of him, else left, below or above, the first side where it
// covers neither his symbol and label nor another player's (the others
// stand at those points; the holder's own among them is passed over).
QPointF ballBeside(QPointF holder, const QList<QPointF>& standing, double symbolScale = 1);

// Where the play's players stand, players 1 to its count in order.
QList<QPointF> standingOf(const Play& play);

// The part of the picture a diagram of the play needs: its players and paths
// with 3 yards around them, the line of scrimmage and both rows of hash marks
// in view, within the picture.
QRect diagramArea(const Play& play, QSize size, Level level);
