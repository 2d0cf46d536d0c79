#include "core/model/legality.h"

#include "core/animation/timeline.h"
#include "core/model/vocabulary.h"
#include "core/model/yards.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int mostOnOffence = 11;
constexpr int leastOnTheLine = 7;
constexpr int mostBacks = 4;

// How far from the line's y a player stands, in Field pixels.
constexpr qint64 onTheLine = pixelsPerYard / 2;
constexpr qint64 inTheBackfield = pixelsPerYard;
// Where the quarterback takes the snap under the centre.
constexpr qint64 underCentreSide = pixelsPerYard;
constexpr qint64 underCentreDepth = pixelsPerYard * 3 / 2;

enum class Stance { Line, Back, Unclear };

bool isOffence(const PlayerRecord& player) { return player.kind == Offence || player.kind == Centre; }

bool labelledLineman(const Play& play, int player) {
  static const QStringList linemen = {"C", "G", "T", "LG", "RG", "LT", "RT"};
  return linemen.contains(labelText(play.labels[player]));
}

bool isQuarterback(const Play& play, const PlayRoles& roles, int player) {
  return player == roles.quarterback || labelText(play.labels[player]) == QLatin1String("QB");
}

// Computed in 64 bits: a file may hold points near the ends of 32.
Stance stanceOf(const Play& play, const PlayRoles& roles, int player, QPoint ball) {
  const qint64 behind = qint64(play.players[player].y) - ball.y();
  if (std::abs(behind) <= onTheLine) return Stance::Line;
  if (behind >= inTheBackfield) return Stance::Back;
  const bool underCentre = behind > 0 && behind <= underCentreDepth &&
                           std::abs(qint64(play.players[player].x) - ball.x()) <= underCentreSide;
  return underCentre && isQuarterback(play, roles, player) ? Stance::Back : Stance::Unclear;
}

QString named(const Play& play, int player) {
  const QString label = labelText(play.labels[player]);
  return QStringLiteral("player %1").arg(player) + (label.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(label));
}

QString levelName(Level level) {
  switch (level) {
    case Level::College: return QStringLiteral("in college");
    case Level::Pro: return QStringLiteral("in the pros");
    default: return QStringLiteral("at high school");
  }
}

QString yards(double value) { return QString::number(value, 'f', 1); }

}  // namespace

QString ruleSentence(const RuleWarning& warning) {
  return warning.rule.isEmpty() ? QString() : warning.rule.front().toUpper() + warning.rule.mid(1) + u'.';
}

double ineligibleDownfield(Level level) {
  switch (level) {
    case Level::College: return 3;
    case Level::Pro: return 1;
    default: return 2;
  }
}

QList<RuleWarning> checkLegality(const Play& play, const PlayRoles& roles, Level level) {
  const std::optional<QPoint> ball = ballSpot(play);
  if (!ball) return {};
  QList<int> offence, line, backs, unclear;
  for (int i = 1; i <= play.placedCount(); ++i) {
    if (!isOffence(play.players[i])) continue;
    offence << i;
    switch (stanceOf(play, roles, i, *ball)) {
      case Stance::Line: line << i; break;
      case Stance::Back: backs << i; break;
      case Stance::Unclear: unclear << i; break;
    }
  }
  QList<RuleWarning> warnings;
  if (offence.size() > mostOnOffence)
    warnings << RuleWarning{{}, QStringLiteral("%1 players are on offence: at most %2 may be")
                                    .arg(offence.size())
                                    .arg(mostOnOffence)};
  for (const int p : unclear)
    warnings << RuleWarning{{p}, QStringLiteral("%1 is not clearly on or off the line").arg(named(play, p))};
  if (line.size() < leastOnTheLine)
    warnings << RuleWarning{{}, QStringLiteral("%1 players are on the line of scrimmage: at least %2 must be")
                                    .arg(line.size())
                                    .arg(leastOnTheLine)};
  if (backs.size() > mostBacks)
    warnings << RuleWarning{backs, QStringLiteral("%1 players are in the backfield: at most %2 may be")
                                       .arg(backs.size())
                                       .arg(mostBacks)};
  QList<int> eligible = backs;
  if (!line.isEmpty()) {
    const auto byX = [&play](int a, int b) { return play.players[a].x < play.players[b].x; };
    eligible << *std::min_element(line.begin(), line.end(), byX) << *std::max_element(line.begin(), line.end(), byX);
  }
  const auto isEligible = [&](int p) {
    return eligible.contains(p) && play.players[p].kind == Offence && !labelledLineman(play, p);
  };
  const Timeline timeline = timelineOf(play, roles);
  // Linemen may release on a pass caught behind the line, a screen.
  if (timeline.pass && timeline.pass->to.y() < ball->y()) {
    const PlayMoment thrown = playAt(play, timeline, timeline.pass->thrown);
    const double most = ineligibleDownfield(level);
    for (const int p : offence) {
      const double beyond = (ball->y() - thrown.standing.value(p).y()) / pixelsPerYard;
      if (!isEligible(p) && beyond > most)
        warnings << RuleWarning{{p}, QStringLiteral("%1, an ineligible receiver, is %2 yards beyond the line when the "
                                                    "ball is thrown: at most %3 %4")
                                         .arg(named(play, p), yards(beyond), yards(most), levelName(level))};
    }
  }
  const int receiver = roles.receiver;
  if (receiver >= 1 && receiver <= play.placedCount() && !isEligible(receiver))
    warnings << RuleWarning{{receiver},
                            QStringLiteral("the intended receiver, %1, is not an eligible receiver").arg(named(play, receiver))};
  return warnings;
}

QList<RuleWarning> drawingWarnings(const Play& play) {
  // The end lines lie 10 yards behind the goal lines, 100 yards apart.
  const std::optional<double> ownGoal = ownGoalLine(play);
  const double ownEndLine = ownGoal.value_or(0) + 10.0 * pixelsPerYard;
  const double farEndLine = ownEndLine - 120.0 * pixelsPerYard;
  QList<RuleWarning> warnings;
  for (int p = 1; p <= play.placedCount(); ++p) {
    const QList<TimedPoint> route = runOf(play, p);
    if (route.size() < 2) continue;
    const QPointF end = route.last().at;
    QString beyond;
    if (end.x() < 0 || end.x() > fieldWidth) beyond = QStringLiteral("a sideline");
    else if (ownGoal && (end.y() < farEndLine || end.y() > ownEndLine)) beyond = QStringLiteral("an end line");
    if (!beyond.isEmpty())
      warnings << RuleWarning{{p}, QStringLiteral("the route of %1 ends beyond %2").arg(named(play, p), beyond)};
  }
  return warnings;
}
