#include "core/files/formationfile.h"
#include "core/model/formation.h"
#include "core/model/legality.h"
#include "core/model/routes.h"
#include "core/model/vocabulary.h"
#include "core/model/yards.h"

#include <QFile>
#include <QTest>

#include <limits>

namespace {

const QSize field(1600, 980);

// A centre at (800, 600) and one player of the kind at the point.
Play withPlayer(std::int16_t kind, QPoint at) {
  Play play;
  play.playerCount = 2;
  play.players[1] = {800, 600, Centre, 0};
  play.players[2] = {at.x(), at.y(), kind, 0};
  return play;
}

QList<QPoint> pathOf(const Play& play, int p) {
  QList<QPoint> points;
  for (int s = 1; s <= 3 && play.moves[p][s].x != 0; ++s) points << QPoint(play.moves[p][s].x, play.moves[p][s].y);
  return points;
}

GroupPlayer member(std::int16_t kind, QPointF at, QList<QPointF> path = {}) {
  return GroupPlayer{kind, at, labelFrom(QStringLiteral("X")), {}, path.isEmpty() ? 0u : 255u, path};
}

// A legal shotgun offence of 11 with the centre at (800, 600): X, LT, LG, C,
// RG, RT and Z on the line, H, Y, QB and RB in the backfield; a defender
// deep. Player numbers: X 1, LT 2, LG 3, C 4, RG 5, RT 6, Z 7, H 8, Y 9,
// QB 10, RB 11, the defender 12.
Play shotgun() {
  Play play;
  const QList<std::tuple<const char*, int, int, std::int16_t>> players = {
      {"X", 330, 600, Offence},  {"LT", 712, 600, Offence}, {"LG", 756, 600, Offence}, {"C", 800, 600, Centre},
      {"RG", 844, 600, Offence}, {"RT", 888, 600, Offence}, {"Z", 1270, 600, Offence}, {"H", 600, 660, Offence},
      {"Y", 1000, 660, Offence}, {"QB", 800, 690, Offence}, {"RB", 850, 690, Offence}, {"FS", 800, 300, Defence}};
  for (const auto& [label, x, y, kind] : players) {
    const int p = ++play.playerCount;
    play.players[p] = {x, y, kind, 0};
    play.moves[p][0] = play.players[p];
    play.labels[p] = labelFrom(QLatin1String(label));
  }
  return play;
}

// The player runs straight up the field this many yards.
Play runningUp(Play play, int player, int yards) {
  play.moves[player][1] = {play.players[player].x, play.players[player].y - yards * pixelsPerYard, 0, 0};
  return play;
}

// A built-in formation file's text, with one of its lines changed (or none).
QByteArray formationFile(const char* name, const QByteArray& line = {}, const QByteArray& changed = {}) {
  QFile file(QStringLiteral(MOXTEN_DATA_DIR "/formations/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray text = file.readAll();
  if (!line.isEmpty()) text.replace(line, changed);
  return text;
}

// The formation placed on an empty Field with its ball at (800, 600).
Play placedFormation(const QByteArray& text) {
  Play play;
  QString why;
  const std::optional<PlayerGroup> group = formationFromText(text, &why);
  if (group) placeGroup(play, *group, QPointF(800, 600), field, &why);
  return play;
}

QStringList brokenRules(const Play& play, const PlayRoles& roles, Level level) {
  QStringList got;
  for (const RuleWarning& warning : checkLegality(play, roles, level)) {
    QStringList players;
    for (const int p : warning.players) players << QString::number(p);
    got << players.join(u' ') + QStringLiteral(": ") + warning.rule;
  }
  return got;
}

int labelled(const Play& play, const char* label) {
  for (int p = 1; p <= play.placedCount(); ++p)
    if (labelText(play.labels[p]) == QLatin1String(label)) return p;
  return 0;
}

}  // namespace

Q_DECLARE_METATYPE(Play)
Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(PlayRoles)

class PlaymakingEdgesTest : public QObject {
  Q_OBJECT
 private slots:
  void routesAreInYardsFromThePlayer_data() {
    QTest::addColumn<RouteName>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<QPoint>>("path");  // for a player at (1100, 600), right of the ball
    QTest::newRow("5-yard slant in") << RouteName::Slant << int(Offence) << QList<QPoint>{{1100, 570}, {980, 450}};
    QTest::newRow("10-yard out") << RouteName::Out << int(Offence) << QList<QPoint>{{1100, 300}, {1250, 300}};
    QTest::newRow("12-yard dig") << RouteName::Dig << int(Offence) << QList<QPoint>{{1100, 240}, {800, 240}};
    QTest::newRow("post at 45 degrees") << RouteName::Post << int(Offence) << QList<QPoint>{{1100, 240}, {860, 0 + 1}};
    QTest::newRow("corner at 45 degrees") << RouteName::Corner << int(Offence) << QList<QPoint>{{1100, 240}, {1340, 1}};
    QTest::newRow("a go of 20 yards, kept on the Field") << RouteName::Go << int(Offence) << QList<QPoint>{{1100, 1}};
    QTest::newRow("a wheel of three moves")
        << RouteName::Wheel << int(Offence) << QList<QPoint>{{1190, 570}, {1280, 450}, {1280, 1}};
    QTest::newRow("a pass set") << RouteName::PassSet << int(Offence) << QList<QPoint>{{1100, 645}};
    QTest::newRow("a deep third: his third's middle") << RouteName::DeepThird << int(Defence) << QList<QPoint>{{1333, 150}};
    QTest::newRow("a deep half") << RouteName::DeepHalf << int(Defence) << QList<QPoint>{{1200, 150}};
    QTest::newRow("a blitz at the quarterback")
        << RouteName::Blitz << int(Defence) << QList<QPoint>{{1100, 630}, {800, 780}};
  }

  // Each route from a player right of the ball, and its mirror from the
  // left: the same path mirrored about the ball.
  void routesAreInYardsFromThePlayer() {
    QFETCH(RouteName, name);
    QFETCH(int, kind);
    QFETCH(QList<QPoint>, path);
    const int y = kind == Defence ? 450 : 600;
    Play right = withPlayer(std::int16_t(kind), {1100, y});
    right.routes[2].line = RouteLine::Dashed;
    giveRoute(right, 2, name, 255, field);
    QCOMPARE(pathOf(right, 2), path);
    QCOMPARE(right.players[2].color, 255u);
    QCOMPARE(right.routes[2], (RouteStyle{RouteLine::Dashed, name == RouteName::PassSet ? RouteEnd::Block : RouteEnd::Arrow}));
    Play left = withPlayer(std::int16_t(kind), {500, y});
    giveRoute(left, 2, name, 255, field);
    QList<QPoint> mirrored;
    for (const QPoint point : path) mirrored << QPoint(1600 - point.x(), point.y());
    QCOMPARE(pathOf(left, 2), mirrored);
  }

  void formationFilesAreReadWhole_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("why");
    QTest::newRow("a kind not known") << QByteArray("player,tackle,0,0\n") << "line 1: a player is not a kind and two numbers of yards";
    QTest::newRow("yards that are not a number") << QByteArray("player,offence,0,deep\n") << "line 1: a player is not a kind and two numbers of yards";
    QTest::newRow("yards beyond any field") << QByteArray("player,offence,0,1e9\n") << "line 1: a player is not a kind and two numbers of yards";
    QTest::newRow("a label before any player") << QByteArray("formation,A\nlabel,X\n") << "line 2: it is not a formation line";
    QTest::newRow("a label of four characters") << QByteArray("player,offence,0,0\nlabel,ABCD\n") << "line 2: it is not a formation line";
    QTest::newRow("a path colour not in the table") << QByteArray("player,offence,0,0\npath,7,1,1\n") << "line 2: a path's colour is not one of the four colours";
    QTest::newRow("a path of four points") << QByteArray("player,offence,0,0\npath,0,1,1,2,2,3,3,4,4\n") << "line 2: it is not a formation line";
    QTest::newRow("no players") << QByteArray("formation,Empty\n") << "it holds no players";
    QByteArray many;
    for (int i = 0; i <= maxPlayers; ++i) many += "player,defence,0,0\n";
    QTest::newRow("101 players") << many << "line 101: it has too many players, more than 100";
    QTest::newRow("over 64 KiB") << QByteArray(64 * 1024 + 1, '\n') << "it is larger than 64 KiB";
  }

  void formationFilesAreReadWhole() {
    QFETCH(QByteArray, text);
    QFETCH(QString, why);
    QString reason;
    QVERIFY(!formationFromText(text, &reason));
    QCOMPARE(reason, why);
  }

  // A group written and read back is the same group, its origin kept.
  void formationTextReadsBackTheSame() {
    PlayerGroup group{QStringLiteral("Trips"), {member(Centre, {0, 0}), member(Offence, {-1.5, 0.2333333}),
                                                member(Defence, {7, -12}, {{7, -20}, {3.5, -25}})}};
    group.players[1].route = {RouteLine::Dashed, RouteEnd::None};
    QString why;
    std::optional<QPoint> origin;
    QCOMPARE(formationFromText(formationText(group, QPoint(810, 600)), &why, &origin), std::optional(group));
    QCOMPARE(origin, std::optional(QPoint(810, 600)));
    QVERIFY(givenNameRefusal(QStringLiteral("I Twins")).isEmpty());
    for (const char* bad : {"", "a/b", ".hidden", "Shot,gun", "caf\xc3\xa9"})
      QVERIFY2(!givenNameRefusal(QString::fromUtf8(bad)).isEmpty(), bad);
  }

  void aGroupIsPlacedWithinTheField_data() {
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("first");  // where the player at (-15, 0) yards lands
    QTest::newRow("in the middle") << QPoint(800, 700) << QPoint(350, 700);
    QTest::newRow("moved right as a group at the left edge") << QPoint(100, 700) << QPoint(1, 700);
    QTest::newRow("moved left at the right edge") << QPoint(1590, 700) << QPoint(1600 - 1 - 900, 700);
    QTest::newRow("moved up at the bottom, the path inside") << QPoint(800, 975) << QPoint(350, 979 - 150);
    QTest::newRow("moved down at the top, the path inside") << QPoint(800, 10) << QPoint(350, 1 + 600);
  }

  void aGroupIsPlacedWithinTheField() {
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, first);
    const PlayerGroup group{QString(), {member(Offence, {-15, 0}, {{-15, -20}}), member(Offence, {15, 5})}};
    Play play;
    play.playerCount = 1;
    QString why;
    const std::optional<Selection> placed = placeGroup(play, group, anchor, field, &why);
    QVERIFY(placed);
    QCOMPARE(placed->to_ulong(), 0b1100ul);  // players 2 and 3
    QCOMPARE(QPoint(play.players[2].x, play.players[2].y), first);
    QCOMPARE(QPoint(play.moves[2][1].x, play.moves[2][1].y), first + QPoint(0, -600));
    QCOMPARE(QPoint(play.players[3].x, play.players[3].y), first + QPoint(900, 150));
    QCOMPARE(labelText(play.labels[3]), QStringLiteral("X"));
    play.playerCount = 99;
    QVERIFY(!placeGroup(play, group, anchor, field, &why));
    QCOMPARE(play.playerCount, std::int16_t(99));
  }

  void yardsAreCountedFromTheBall_data() {
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("ball");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QPointF>("snapped");
    QTest::addColumn<QString>("landed");  // the read-out of the snapped point
    QTest::newRow("right and deep") << QPointF(890, 390) << true << "3 yd right, 7 yd deep" << QPointF(890, 390)
                                    << "3 yd right, 7 yd deep";
    QTest::newRow("left and behind, in half yards")
        << QPointF(755, 640) << true << "1.5 yd left, 1.5 yd behind" << QPointF(755, 630) << "1.5 yd left, 1 yd behind";
    QTest::newRow("4.5 yards left reads and lands so") << QPointF(667, 600) << true << "4.5 yd left, on the line"
                                                      << QPointF(665, 600) << "4.5 yd left, on the line";
    QTest::newRow("on the ball") << QPointF(803, 600) << true << "on the ball, on the line" << QPointF(800, 600)
                                 << "on the ball, on the line";
    QTest::newRow("without a centre: the edges") << QPointF(90, 45) << false << "3 yd from the left, 1.5 yd from the top"
                                                 << QPointF(90, 60) << "3 yd from the left, 2 yd from the top";
  }

  void yardsAreCountedFromTheBall() {
    QFETCH(QPointF, point);
    QFETCH(bool, ball);
    QFETCH(QString, place);
    QFETCH(QPointF, snapped);
    QFETCH(QString, landed);
    const std::optional<QPoint> spot = ball ? std::optional(QPoint(800, 600)) : std::nullopt;
    QCOMPARE(placeInYards(point, spot), place);
    QCOMPARE(snappedToYards(point, spot), snapped);
    QCOMPARE(placeInYards(snapped, spot), landed);
  }

  void theRuleBookChecksTheOffence_data() {
    QTest::addColumn<Play>("play");
    QTest::addColumn<PlayRoles>("roles");
    QTest::addColumn<Level>("level");
    QTest::addColumn<QStringList>("broken");  // each warning: its players, a colon, its rule
    const PlayRoles toZ{10, 7, true};
    const QString backfield = QStringLiteral("7 8 9 10 11: 5 players are in the backfield: at most 4 may be");
    const QString sixOnTheLine = QStringLiteral(": 6 players are on the line of scrimmage: at least 7 must be");
    const QString zUnclear = QStringLiteral("7: player 7 (Z) is not clearly on or off the line");
    Play play = shotgun();
    QTest::newRow("legal") << play << toZ << Level::HighSchool << QStringList();
    play.players[7].y = 615;
    QTest::newRow("half a yard off the ball is on the line") << play << toZ << Level::HighSchool << QStringList();
    play.players[7].y = 616;
    QTest::newRow("a pixel more is not clearly on or off")
        << play << PlayRoles{} << Level::HighSchool << QStringList({zUnclear, sixOnTheLine});
    play.players[7].y = 629;
    QTest::newRow("a pixel short of a yard is not clear either")
        << play << PlayRoles{} << Level::HighSchool << QStringList({zUnclear, sixOnTheLine});
    play.players[7].y = 630;
    QTest::newRow("a yard off is a back") << play << PlayRoles{} << Level::HighSchool
                                          << QStringList({sixOnTheLine, backfield});
    play.players[7].y = 584;
    QTest::newRow("beyond the line is not clear")
        << play << PlayRoles{} << Level::HighSchool << QStringList({zUnclear, sixOnTheLine});
    play.players[7].y = -std::numeric_limits<std::int32_t>::max();
    QTest::newRow("near the end of 32 bits, beyond")
        << play << PlayRoles{} << Level::HighSchool << QStringList({zUnclear, sixOnTheLine});
    play = shotgun();
    play.players[7].y = std::numeric_limits<std::int32_t>::max();
    QTest::newRow("near the end of 32 bits, behind")
        << play << PlayRoles{} << Level::HighSchool << QStringList({sixOnTheLine, backfield});
    play = shotgun();
    play.players[10] = {830, 645, Offence, 0};
    QTest::newRow("the quarterback under the centre is a back") << play << toZ << Level::Pro << QStringList();
    play.players[10] = {831, 620, Offence, 0};
    QTest::newRow("a yard and a pixel aside he is not")
        << play << toZ << Level::Pro << QStringList{"10: player 10 (QB) is not clearly on or off the line"};
    play = shotgun();
    play.players[11] = {800, 620, Offence, 0};
    QTest::newRow("a back under the centre is not the quarterback")
        << play << toZ << Level::Pro << QStringList{"11: player 11 (RB) is not clearly on or off the line"};
    play.labels[11] = labelFrom(QStringLiteral("QB"));
    QTest::newRow("unless he is labelled QB") << play << PlayRoles{} << Level::Pro << QStringList();
    play = shotgun();
    play.players[12].kind = Offence;
    play.players[12].y = 900;
    QTest::newRow("twelve on offence")
        << play << toZ << Level::HighSchool
        << QStringList{": 12 players are on offence: at most 11 may be",
                       "8 9 10 11 12: 5 players are in the backfield: at most 4 may be"};
    play = shotgun();
    play.players[7].kind = Defence;
    QTest::newRow("defenders are not counted")
        << play << PlayRoles{} << Level::HighSchool << QStringList{sixOnTheLine};
    play = shotgun();
    play.players[4].kind = Offence;
    QTest::newRow("no centre: no line to check") << play << toZ << Level::HighSchool << QStringList();
    play = runningUp(shotgun(), 7, 10);
    play.throwTime = 2;
    const QString lgDownfield = QStringLiteral(
        "3: player 3 (LG), an ineligible receiver, is 3.0 yards beyond the line when the ball is thrown: at most ");
    QTest::newRow("a guard 3 yards up at the throw, high school")
        << runningUp(play, 3, 3) << toZ << Level::HighSchool << QStringList{lgDownfield + "2.0 at high school"};
    QTest::newRow("a guard 3 yards up at the throw, college")
        << runningUp(play, 3, 3) << toZ << Level::College << QStringList();
    QTest::newRow("a guard 3 yards up at the throw, pro")
        << runningUp(play, 3, 3) << toZ << Level::Pro << QStringList{lgDownfield + "1.0 in the pros"};
    QTest::newRow("a guard downfield on a run") << runningUp(play, 3, 3) << PlayRoles{10, 7, false} << Level::Pro
                                                << QStringList();
    play = runningUp(shotgun(), 3, 19);
    play.moves[7][1] = {1270, 640, 0, 0};
    QTest::newRow("a guard releasing on a screen behind the line") << play << toZ << Level::Pro << QStringList();
    // No throw time and no drop: the ball leaves at Z's break, 10 yards up.
    play.moves[7][1] = {1270, 300, 0, 0};
    play.moves[7][2] = {1100, 150, 0, 0};
    QTest::newRow("a guard 19 yards up is flagged at the receiver's break")
        << play << toZ << Level::College
        << QStringList{"3: player 3 (LG), an ineligible receiver, is 6.9 yards beyond the line when the ball is "
                       "thrown: at most 3.0 in college"};
    QTest::newRow("an end runs free") << runningUp(shotgun(), 1, 10) << toZ << Level::Pro << QStringList();
    QTest::newRow("the intended receiver a tackle")
        << shotgun() << PlayRoles{10, 2, true} << Level::HighSchool
        << QStringList{"2: the intended receiver, player 2 (LT), is not an eligible receiver"};
    play = shotgun();
    play.labels[5] = labelFrom(QString());
    QTest::newRow("an unlabelled inside man is no receiver")
        << play << PlayRoles{10, 5, false} << Level::HighSchool
        << QStringList{"5: the intended receiver, player 5, is not an eligible receiver"};
    play = shotgun();
    play.labels[7] = labelFrom(QStringLiteral("T"));
    QTest::newRow("an end labelled T is no receiver")
        << play << PlayRoles{10, 7, false} << Level::HighSchool
        << QStringList{"7: the intended receiver, player 7 (T), is not an eligible receiver"};
    QTest::newRow("the receiver a defender") << shotgun() << PlayRoles{10, 12, true} << Level::HighSchool
                                             << QStringList{"12: the intended receiver, player 12 (FS), is not an eligible receiver"};
  }

  void theRuleBookChecksTheOffence() {
    QFETCH(Play, play);
    QFETCH(PlayRoles, roles);
    QFETCH(Level, level);
    QFETCH(QStringList, broken);
    QCOMPARE(brokenRules(play, roles, level), broken);
  }

  // A route that ends off the field is the drawing's fault, no rule's: the
  // sidelines at 0 and 1600, the end lines 10 yards behind the goal lines
  // when the play says where the ball is (ball on the 30: its own end line
  // 40 yards behind the centre, the far one 80 ahead).
  void routesEndingOffTheFieldAreDrawingFaults_data() {
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("ballOn");
    QTest::addColumn<QString>("fault");
    const QString sideline = QStringLiteral("the route of player 7 (Z) ends beyond a sideline");
    const QString endLine = QStringLiteral("the route of player 7 (Z) ends beyond an end line");
    QTest::newRow("on the right sideline") << QPoint(1600, 300) << 0 << QString();
    QTest::newRow("a pixel beyond it") << QPoint(1601, 300) << 0 << sideline;
    QTest::newRow("beyond the left one") << QPoint(-1, 300) << 30 << sideline;
    QTest::newRow("far upfield, ball not placed") << QPoint(1270, -5000) << 0 << QString();
    QTest::newRow("on the far end line") << QPoint(1270, 600 - 80 * 30) << 30 << QString();
    QTest::newRow("beyond the far end line") << QPoint(1270, 600 - 80 * 30 - 1) << 30 << endLine;
    QTest::newRow("beyond his own end line") << QPoint(1270, 600 + 40 * 30 + 1) << 30 << endLine;
    QTest::newRow("the ball on the 99: 11 yards to the far end line") << QPoint(1270, 600 - 11 * 30 - 1) << 99 << endLine;
  }

  void routesEndingOffTheFieldAreDrawingFaults() {
    QFETCH(QPoint, end);
    QFETCH(int, ballOn);
    QFETCH(QString, fault);
    Play play = shotgun();
    play.ballOn = std::int16_t(ballOn);
    play.moves[7][1] = {1270, 300, 0, 0};
    play.moves[7][2] = {end.x(), end.y(), 0, 0};
    const QList<RuleWarning> faults = drawingWarnings(play);
    QCOMPARE(faults.size(), fault.isEmpty() ? 0 : 1);
    if (!fault.isEmpty()) QCOMPARE(faults[0].rule, fault);
    QCOMPARE(checkLegality(play, {10, 7, true}, Level::HighSchool).size(), 0);
  }

  // Real formations as the built-in files draw them, and as a coach
  // misaligns them. A legal one stays legal at every level whatever route
  // of the tree each eligible player runs to whichever of them is the
  // target, the linemen in their pass set; and on a run, driving forward.
  void realFormationsAreCheckedAsTheCodesHaveThem_data() {
    QTest::addColumn<QByteArray>("formation");
    QTest::addColumn<QStringList>("broken");
    for (const char* name : {"01-pro-i", "02-shotgun-spread-2x2", "03-trips-right", "04-empty-3x2", "05-pistol",
                             "06-singleback-ace", "07-i-twins", "08-wing-t"})
      QTest::newRow(name) << formationFile((QByteArray(name) + ".formation").constData()) << QStringList();
    // Player numbers follow the files: LT 1, LG 2, C 3, RG 4, RT 5, then the rest in order.
    QTest::newRow("trips with X two yards off: six on the line")
        << formationFile("03-trips-right.formation", "player,offence,-15,0\nlabel,X", "player,offence,-15,2\nlabel,X")
        << QStringList{": 6 players are on the line of scrimmage: at least 7 must be",
                       "6 7 8 10 11: 5 players are in the backfield: at most 4 may be"};
    QTest::newRow("spread with the slot at three quarters of a yard")
        << formationFile("02-shotgun-spread-2x2.formation", "player,offence,-8,1\n", "player,offence,-8,0.75\n")
        << QStringList{"7: player 7 (H) is not clearly on or off the line"};
    QTest::newRow("pro I with the quarterback a yard and a half aside")
        << formationFile("01-pro-i.formation", "player,offence,0,1\nlabel,QB", "player,offence,1.5,0.75\nlabel,QB")
        << QStringList{"9: player 9 (QB) is not clearly on or off the line"};
    QTest::newRow("pistol with X off the line too")
        << formationFile("05-pistol.formation", "player,offence,-15,0\nlabel,X", "player,offence,-15,1\nlabel,X")
        << QStringList{": 6 players are on the line of scrimmage: at least 7 must be",
                       "7 8 9 10 11: 5 players are in the backfield: at most 4 may be"};
    QTest::newRow("wing-T with a twelfth man")
        << formationFile("08-wing-t.formation") + "player,offence,3,7\nlabel,HB\n"
        << QStringList{": 12 players are on offence: at most 11 may be",
                       "7 9 10 11 12: 5 players are in the backfield: at most 4 may be"};
  }

  void realFormationsAreCheckedAsTheCodesHaveThem() {
    QFETCH(QByteArray, formation);
    QFETCH(QStringList, broken);
    QVERIFY(!formation.isEmpty());
    const Play play = placedFormation(formation);
    const int quarterback = labelled(play, "QB");
    QVERIFY(quarterback != 0);
    QCOMPARE(brokenRules(play, {quarterback, 0, false}, Level::HighSchool), broken);
    if (!broken.isEmpty()) return;
    static const QStringList linemen = {"LT", "LG", "C", "RG", "RT"};
    QList<int> eligible, line;
    for (int p = 1; p <= play.placedCount(); ++p)
      (linemen.contains(labelText(play.labels[p])) ? line : eligible) << p;
    eligible.removeOne(quarterback);
    QCOMPARE(line.size(), 5);
    QCOMPARE(eligible.size(), 5);
    Play run = play;
    for (const int p : line) giveRoute(run, p, RouteName::DriveBlock, 0, field);
    QCOMPARE(brokenRules(run, {quarterback, 0, false}, Level::Pro), QStringList());
    for (const RouteChoice& route : routeChoices()) {
      if (route.name > RouteName::Drag) continue;  // the receivers' routes
      Play pass = play;
      for (const int p : line) giveRoute(pass, p, RouteName::PassSet, 0, field);
      for (const int p : eligible) giveRoute(pass, p, route.name, 0, field);
      for (const int target : eligible)
        for (const Level level : {Level::HighSchool, Level::College, Level::Pro})
          QVERIFY2(brokenRules(pass, {quarterback, target, true}, level).isEmpty(),
                   qPrintable(QStringLiteral("%1 to %2: %3")
                                  .arg(QLatin1String(route.caption), labelText(play.labels[target]),
                                       brokenRules(pass, {quarterback, target, true}, level).join(u'/'))));
    }
  }
};

QTEST_MAIN(PlaymakingEdgesTest)
#include "test_playmaking_edges.moc"
