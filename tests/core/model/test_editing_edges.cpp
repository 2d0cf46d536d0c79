#include "core/model/editing.h"
#include "core/model/vocabulary.h"

#include <QTest>

#include <limits>

namespace {

constexpr int far = std::numeric_limits<std::int32_t>::max();
constexpr int farLeft = std::numeric_limits<std::int32_t>::min();

// A play of offence players at the points, each with a path of two moves
// that starts on the player and goes to the given path points.
Play playAt(const QList<QPoint>& players, const QList<QPoint>& pathEnds = {}) {
  Play play;
  play.playerCount = std::int16_t(players.size());
  for (int i = 1; i <= players.size(); ++i) {
    const QPoint at = players[i - 1];
    play.players[i] = {at.x(), at.y(), Offence, 0};
    if (i - 1 < pathEnds.size()) {
      play.moves[i][0] = {at.x(), at.y(), 0, 0};
      play.moves[i][1] = {pathEnds[i - 1].x(), pathEnds[i - 1].y(), 0, 0};
    }
  }
  return play;
}

}  // namespace

Q_DECLARE_METATYPE(Play)

class EditingEdgesTest : public QObject {
  Q_OBJECT
 private slots:
  void offsetStopsWhereTheFirstPointMeetsTheEdge_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("cut");
    const QList<QPoint> beyond{{1500, 100}, {500, 100}};
    QTest::newRow("inside: the whole offset") << QList<QPoint>{{100, 100}} << QPoint(5, -3) << QPoint(5, -3);
    QTest::newRow("onto the right edge, x = width - 1") << QList<QPoint>{{998, 100}} << QPoint(1, 0) << QPoint(1, 0);
    QTest::newRow("onto the bottom edge, y = height - 1") << QList<QPoint>{{5, 697}} << QPoint(0, 9) << QPoint(0, 2);
    QTest::newRow("onto the left and top edges, 1") << QList<QPoint>{{2, 5}} << QPoint(-5, -10) << QPoint(-1, -4);
    QTest::newRow("the group stops with its first point")
        << QList<QPoint>{{900, 100}, {990, 100}} << QPoint(20, 0) << QPoint(9, 0);
    QTest::newRow("beyond the edge: nothing goes further out") << beyond << QPoint(1, 0) << QPoint(0, 0);
    QTest::newRow("beyond the edge: the group comes back whole") << beyond << QPoint(-1, 0) << QPoint(-1, 0);
    QTest::newRow("beyond the edge: the other axis moves") << beyond << QPoint(3, 4) << QPoint(0, 4);
    QTest::newRow("at the far end of 32 bits") << QList<QPoint>{{far, far}} << QPoint(10, 10) << QPoint(0, 0);
    QTest::newRow("at the far left of 32 bits") << QList<QPoint>{{farLeft, 5}} << QPoint(-10, 0) << QPoint(0, 0);
    QTest::newRow("from the far left, in") << QList<QPoint>{{farLeft, 5}} << QPoint(10, 0) << QPoint(10, 0);
    QTest::newRow("no points: the whole offset") << QList<QPoint>{} << QPoint(-7, 7) << QPoint(-7, 7);
  }

  void offsetStopsWhereTheFirstPointMeetsTheEdge() {
    QFETCH(QList<QPoint>, points);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, cut);
    QCOMPARE(offsetWithinField(points, offset, QSize(1000, 700)), cut);
  }

  // Players 1 and 3 chosen: they and the start of their paths move by the
  // cut offset; player 2 and the later path points stay.
  void movingChosenPlayersMovesOnlyThem() {
    Play play = playAt({{100, 100}, {1200, 100}, {200, 100}}, {{150, 50}, {1300, 50}, {250, 50}});
    Play expected = play;
    movePlayers(play, Selection().set(1).set(3), QPoint(-20, 3), QSize(1000, 700));
    for (const int i : {1, 3}) {
      expected.players[i].x -= 20;
      expected.players[i].y += 3;
      expected.moves[i][0] = {expected.players[i].x, expected.players[i].y, 0, 0};
    }
    QCOMPARE(play, expected);
    movePlayers(play, allPlayers(play), QPoint(1, 0), QSize(1000, 700));
    QCOMPARE(play, expected);  // player 2 lies beyond the right edge
  }

  // A hundred players in a row, 16 pixels apart, each with a path of
  // four moves straight down by 40, 80, 120 and 160 pixels.
  void findsWhatLiesUnderThePointer_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("player");  // 0: none
    QTest::addColumn<int>("pathPlayer");
    QTest::addColumn<int>("step");
    QTest::newRow("player 1 at its centre") << QPointF(16, 30) << 1 << 0 << 0;
    QTest::newRow("player 1 at 10 pixels") << QPointF(16, 40) << 1 << 0 << 0;
    QTest::newRow("player 1 just beyond 10 pixels") << QPointF(16, 40.05) << 0 << 0 << 0;
    QTest::newRow("player 100") << QPointF(1600, 30) << 100 << 0 << 0;
    QTest::newRow("step 1 at 6 pixels") << QPointF(22, 70) << 0 << 1 << 1;
    QTest::newRow("step 1 just beyond 6 pixels") << QPointF(16, 76.05) << 0 << 0 << 0;
    QTest::newRow("step 2") << QPointF(16, 110) << 0 << 1 << 2;
    QTest::newRow("step 3") << QPointF(16, 150) << 0 << 1 << 3;
    QTest::newRow("step 3 of player 100") << QPointF(1600, 146) << 0 << 100 << 3;
    QTest::newRow("step 4 is never grabbed") << QPointF(16, 190) << 0 << 0 << 0;
    QTest::newRow("between two players, the nearer") << QPointF(22, 30) << 1 << 0 << 0;
    QTest::newRow("between two players, the later on a tie") << QPointF(24, 30) << 2 << 0 << 0;
  }

  void findsWhatLiesUnderThePointer() {
    QFETCH(QPointF, at);
    QFETCH(int, player);
    QFETCH(int, pathPlayer);
    QFETCH(int, step);
    Play play;
    play.playerCount = maxPlayers;
    for (int i = 1; i <= maxPlayers; ++i) {
      play.players[i] = {16 * i, 30, Offence, 0};
      for (int s = 0; s <= 4; ++s) play.moves[i][s] = {16 * i, 30 + 40 * s, 0, 0};
    }
    QCOMPARE(playerAt(play, at).value_or(0), player);
    const std::optional<PathPoint> point = pathPointAt(play, at);
    QCOMPARE(point ? point->player : 0, pathPlayer);
    QCOMPARE(point ? point->step : 0, step);
    QVERIFY(!playerAt(Play(), at) && !pathPointAt(Play(), at));  // an empty play holds nothing
  }

  void deletingClosesTheGap_data() {
    QTest::addColumn<QList<int>>("deleted");
    QTest::addColumn<QList<int>>("newNumbers");  // of players 1 to 5 and 6 (beyond the play)
    QTest::newRow("the first") << QList<int>{1} << QList<int>{0, 1, 2, 3, 4, 6};
    QTest::newRow("the last") << QList<int>{5} << QList<int>{1, 2, 3, 4, 0, 6};
    QTest::newRow("two in the middle") << QList<int>{2, 4} << QList<int>{1, 0, 2, 0, 3, 6};
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5} << QList<int>{0, 0, 0, 0, 0, 6};
    QTest::newRow("none") << QList<int>{} << QList<int>{1, 2, 3, 4, 5, 6};
  }

  // Five players, each with a one-move path of its own number as colour.
  void deletingClosesTheGap() {
    QFETCH(QList<int>, deleted);
    QFETCH(QList<int>, newNumbers);
    Play play;
    play.playerCount = 5;
    for (int i = 1; i <= 5; ++i) {
      play.players[i] = {10 * i, 10, Offence, std::uint32_t(i)};
      play.moves[i][0] = {10 * i, 10, 0, 0};
      play.moves[i][1] = {10 * i, 50, 0, 0};
      play.labels[i] = labelFrom(QString::number(i));
      play.routes[i] = {i % 2 ? RouteLine::Dashed : RouteLine::Solid, RouteEnd(i % 3)};
    }
    const Play before = play;
    Selection chosen;
    for (const int p : deleted) chosen.set(std::size_t(p));
    const Renumbering renumbering = removePlayers(play, chosen);
    QCOMPARE(play.playerCount, std::int16_t(5 - deleted.size()));
    for (int i = 1; i <= 6; ++i) {
      QCOMPARE(renumbering(i), newNumbers[i - 1]);
      if (i <= 5 && newNumbers[i - 1] != 0) {
        QCOMPARE(play.players[newNumbers[i - 1]], before.players[i]);
        QCOMPARE(play.moves[newNumbers[i - 1]], before.moves[i]);
        QCOMPARE(play.labels[newNumbers[i - 1]], before.labels[i]);
        QCOMPARE(play.routes[newNumbers[i - 1]], before.routes[i]);
      }
    }
    for (int i = play.playerCount + 1; i <= 5; ++i) {  // the freed slots are cleared
      QCOMPARE(play.players[i], PlayerRecord());
      QCOMPARE(play.moves[i][1], PlayerRecord());
      QCOMPARE(labelText(play.labels[i]), QString());
      QCOMPARE(play.routes[i], RouteStyle());
    }
  }

  // Player 100, the last slot, moves like any other.
  void theLastSlotMoves() {
    Play play;
    play.playerCount = maxPlayers;
    for (int i = 1; i <= maxPlayers; ++i) play.players[i] = {5 * i, 20, Defence, 0};
    movePlayers(play, Selection().set(maxPlayers), QPoint(0, 7), QSize(1000, 700));
    QCOMPARE(play.players[maxPlayers], (PlayerRecord{500, 27, Defence, 0}));
    QCOMPARE(play.players[maxPlayers - 1].y, 20);
    QCOMPARE(allPlayers(play).count(), std::size_t(maxPlayers));
    QVERIFY(!allPlayers(play)[0]);
  }

  void mirroringTwiceGivesThePlayBack_data() {
    QTest::addColumn<Play>("play");
    QTest::addColumn<int>("refusedFor");  // 0: the mirror is made
    QTest::newRow("the room's edges") << playAt({{1, 10}, {999, 20}}, {{1, 30}, {999, 40}}) << 0;
    QTest::newRow("on the left edge") << playAt({{0, 10}}) << 1;
    QTest::newRow("a player on the right edge") << playAt({{10, 10}, {1000, 20}}) << 2;
    QTest::newRow("a path point on the right edge") << playAt({{10, 10}, {20, 20}}, {{30, 30}, {1000, 40}}) << 2;
    QTest::newRow("the first of two beyond") << playAt({{10, 10}, {1500, 20}, {far, 30}}) << 2;
    QTest::newRow("far to the left") << playAt({{20, 20}, {farLeft, 10}}) << 2;
    Play notAPoint = playAt({{10, 10}}, {{1200, 0}});
    QTest::newRow("a path step with y 0 is no point") << notAPoint << 0;
  }

  void mirroringTwiceGivesThePlayBack() {
    QFETCH(Play, play);
    QFETCH(int, refusedFor);
    const QSize field(1000, 700);
    QCOMPARE(playerBeyondMirror(play, field).value_or(0), refusedFor);
    if (refusedFor != 0) return;
    Play mirrored = play;
    mirrorPlay(mirrored, field);
    QCOMPARE(mirrored.players[1].x, 1000 - play.players[1].x);
    QCOMPARE(mirrored.players[1].y, play.players[1].y);
    QVERIFY(!playerBeyondMirror(mirrored, field));
    mirrorPlay(mirrored, field);
    QCOMPARE(mirrored, play);
  }

  void aMirroredPlayIsCalledForTheOtherSide_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("mirrored");
    for (const auto& [label, mirrored] : QList<std::pair<const char*, const char*>>{
             {"LT", "RT"}, {"RG", "LG"}, {"LE", "RE"}, {"LCB", "RCB"}, {"RLB", "LLB"}, {"LDE", "RDE"},
             {"RB", "RB"}, {"LB", "LB"}, {"QB", "QB"}, {"L", "L"}, {"LX", "LX"}, {"LLL", "LLL"}, {"", ""},
             {"lt", "lt"}, {"MLB", "MLB"}})
      QTest::newRow(label) << QString::fromLatin1(label) << QString::fromLatin1(mirrored);
  }

  void aMirroredPlayIsCalledForTheOtherSide() {
    QFETCH(QString, label);
    QFETCH(QString, mirrored);
    QCOMPARE(mirroredLabel(label), mirrored);
    QCOMPARE(mirroredLabel(mirrored), label);
  }

  void aMirroredCallSwapsItsSideWords_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("mirrored");
    for (const auto& [call, mirrored] : QList<std::pair<const char*, const char*>>{
             {"Trips Right 62 Slant", "Trips Left 62 Slant"},
             {"TRIPS LEFT 62", "TRIPS RIGHT 62"},
             {"right, left and Rt", "left, right and Lt"},
             {"Rip 34 Liz", "Liz 34 Rip"},
             {"Ray Lou", "Lou Ray"},
             {"Brighter Alright Lefty", "Brighter Alright Lefty"},
             {"R L", "R L"},
             {"", ""}})
      QTest::newRow(call) << QString::fromLatin1(call) << QString::fromLatin1(mirrored);
    // Left into Right grows by one: a call that would then not fit stays.
    QTest::newRow("too long once swapped") << QString(55, u'x') + QStringLiteral(" Left")
                                           << QString(55, u'x') + QStringLiteral(" Left");
    QTest::newRow("just fits once swapped") << QString(54, u'x') + QStringLiteral(" Left")
                                            << QString(54, u'x') + QStringLiteral(" Right");
  }

  void aMirroredCallSwapsItsSideWords() {
    QFETCH(QString, call);
    QFETCH(QString, mirrored);
    QCOMPARE(mirroredCall(call), mirrored);
  }
};

QTEST_GUILESS_MAIN(EditingEdgesTest)
#include "test_editing_edges.moc"
