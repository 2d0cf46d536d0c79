#include "core/animation/run.h"
#include "core/drawing/canvas.h"
#include "core/drawing/gameday.h"
#include "core/drawing/looks.h"
#include "core/drawing/picture.h"
#include "core/model/vocabulary.h"
#include "core/settings/colors.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QSize fieldSize(1600, 980);
const QColor turf(38, 112, 48);

// A player of the kind at the point, with a path of the given points.
void place(Play& play, std::int16_t kind, QPoint at, const QList<QPoint>& path = {}, std::uint32_t color = vbRed,
           const QString& label = QString()) {
  const int p = ++play.playerCount;
  play.players[p] = {at.x(), at.y(), kind, color};
  play.moves[p][0] = {at.x(), at.y(), 0, color};
  for (int s = 1; s <= path.size(); ++s) play.moves[p][s] = {path[s - 1].x(), path[s - 1].y(), 0, color};
  play.labels[p] = labelFrom(label);
}

QImage drawn(const Play& play, Look look, Level level = Level::HighSchool, PlayRoles roles = {}) {
  return playImage({play, roles, fieldSize, 0, look, level});
}

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool isDark(QRgb pixel) { return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110; }

// The lines as "y" for a yard line, "y:N" for a numbered one, "y:goal".
QString linesText(const QList<YardLine>& lines) {
  QStringList words;
  for (const YardLine& line : lines)
    words << QString::number(line.y) + (line.goal ? QStringLiteral(":goal")
                                        : line.number ? QStringLiteral(":%1").arg(line.number) : QString());
  return words.join(u' ');
}

}  // namespace

class LooksTest : public QObject {
  Q_OBJECT
 private slots:
  void yardLinesFollowTheScrimmageOrTheBall_data() {
    QTest::addColumn<int>("centreY");  // 0: no centre
    QTest::addColumn<int>("ballOn");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("endZones");
    QTest::newRow("no centre: from the top") << 0 << 0 << "0 150 300 450 600 750 900" << "";
    QTest::newRow("no centre: the ball is not placed") << 0 << 35 << "0 150 300 450 600 750 900" << "";
    QTest::newRow("every 5 yards from the centre") << 680 << 0 << "80 230 380 530 680 830 980" << "";
    QTest::newRow("a centre beyond the picture") << 2000 << 0 << "50 200 350 500 650 800 950" << "";
    QTest::newRow("ball on the 35: the field's own lines")
        << 680 << 35 << "980 830:30 680 530:40 380 230:50 80" << "";
    QTest::newRow("ball on the 95: the goal line and end zone")
        << 680 << 95 << "980 830:10 680 530:goal" << "230-530";
    QTest::newRow("ball on the 3: the own end zone") << 680 << 3 << "770:goal 620 470:10 320 170:20 20" << "770-980";
    QTest::newRow("ball on the 52: numbers count down past midfield")
        << 500 << 52 << "860:40 710 560:50 410 260:40 110" << "";
  }

  void yardLinesFollowTheScrimmageOrTheBall() {
    QFETCH(int, centreY);
    QFETCH(int, ballOn);
    QFETCH(QString, lines);
    QFETCH(QString, endZones);
    Play play;
    place(play, Offence, {700, 400});
    if (centreY) place(play, Centre, {800, centreY});
    play.ballOn = std::int16_t(ballOn);
    QCOMPARE(lineOfScrimmage(play), centreY ? std::optional(centreY) : std::nullopt);
    QCOMPARE(linesText(yardLines(play, fieldSize.height())), lines);
    QStringList zones;
    for (const QRectF& zone : ::endZones(play, fieldSize.height()))
      zones << QStringLiteral("%1-%2").arg(zone.top()).arg(zone.bottom());
    QCOMPARE(zones.join(u' '), endZones);
  }

  void theFootballFieldDrawsItsLinesAndHashesToScale_data() {
    QTest::addColumn<Level>("level");
    QTest::addColumn<double>("hash");
    QTest::newRow("high school: 53 ft 4 in") << Level::HighSchool << 1600.0 / 3;
    QTest::newRow("college: 60 ft") << Level::College << 600.0;
    QTest::newRow("pro: 70 ft 9 in") << Level::Pro << 707.5;
  }

  // The yard lines every 150 pixels from the centre's y, the line of
  // scrimmage blue on it, the one-yard hash ticks at the level's distance
  // from both sidelines.
  void theFootballFieldDrawsItsLinesAndHashesToScale() {
    QFETCH(Level, level);
    QFETCH(double, hash);
    QCOMPARE(hashFromSideline(level), hash);
    Play play;
    place(play, Centre, {800, 680});
    const QImage image = drawn(play, Look::Football, level);
    QCOMPARE(image.pixelColor(100, 680), QColor(40, 120, 255));
    for (int y = 80; y < fieldSize.height(); y += 150) {
      if (y != 680) QCOMPARE(image.pixelColor(100, y), QColor(Qt::white));
      QCOMPARE(image.pixelColor(100, y + 75), turf);
    }
    const int tick = 680 + 30;
    for (const double x : {hash, fieldWidth - hash}) {
      QVERIFY2(image.pixelColor(int(x), tick) != turf, qPrintable(QString::number(x)));
      QCOMPARE(image.pixelColor(int(x) + 14, tick), turf);
      QCOMPARE(image.pixelColor(int(x) - 14, tick), turf);
      QCOMPARE(image.pixelColor(int(x), tick + 15), turf);
    }
  }

  // Paper: white but for dark lines and symbols, red and blue kept, a white
  // path drawn dark; never the classic green, even with a player far off.
  void paperIsForABlackAndWhitePrinter() {
    Play play;
    place(play, Centre, {800, 600}, {{800, 630}}, vbBlack, QStringLiteral("C"));
    place(play, Offence, {500, 600}, {{500, 300}}, vbRed, QStringLiteral("X"));
    place(play, Offence, {1100, 600}, {{1100, 300}}, vbBlue, QStringLiteral("Z"));
    place(play, Defence, {800, 400}, {{600, 400}}, vbWhite, QStringLiteral("M"));
    const int far = std::numeric_limits<std::int32_t>::max();
    place(play, Defence, {far, far}, {{far - 5, 10}});
    play.ballOn = 20;
    const QImage image = drawn(play, Look::Paper, Level::HighSchool, {1, 4, true});
    qsizetype white = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        white += pixel == qRgb(255, 255, 255);
        QVERIFY(pixel != toQColor(fieldGreen).rgb());
      }
    QVERIFY2(white > image.width() * image.height() * 9 / 10, qPrintable(QString::number(white)));
    QVERIFY(isRed(image.pixel(500, 400)));
    QCOMPARE(image.pixelColor(1100, 400), QColor(Qt::blue));
    QVERIFY(isDark(image.pixel(700, 400)));
  }

  void aLabelIsCentredInItsSymbol_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::newRow("a circle labelled QB") << int(Offence) << "QB";
    QTest::newRow("a square labelled C") << int(Centre) << "C";
    QTest::newRow("a cross labelled MLB") << int(Defence) << "MLB";
    QTest::newRow("a circle without a label shows its number") << int(Offence) << "";
  }

  // The label's ink lies centred on the player, inside the symbol; the
  // player's path and the ball beside him leave it as it is.
  void aLabelIsCentredInItsSymbol() {
    QFETCH(int, kind);
    QFETCH(QString, label);
    const QPoint at(400, 300);
    Play alone;
    place(alone, std::int16_t(kind), at, {}, vbBlack, label);
    Play running = alone;
    running.moves[1][1] = {400, 100, 0, vbBlack};
    const QImage image = drawn(alone, Look::Paper);
    const QImage withPathAndBall = drawn(running, Look::Paper, Level::HighSchool, {1, 1, true});
    QRect ink;
    for (int y = at.y() - 7; y <= at.y() + 7; ++y)
      for (int x = at.x() - 10; x <= at.x() + 10; ++x) {
        if (std::hypot(x + 0.5 - at.x(), y + 0.5 - at.y()) > 10) continue;  // pixel centres
        QCOMPARE(withPathAndBall.pixel(x, y), image.pixel(x, y));
        if (isDark(image.pixel(x, y))) ink |= QRect(x, y, 1, 1);
      }
    QVERIFY(ink.height() >= 9 && ink.width() >= 4);
    // The middle of the pixels inked, from the left edge of the first to the right edge of the last.
    const QPointF middle((ink.left() + ink.right() + 1) / 2.0, (ink.top() + ink.bottom() + 1) / 2.0);
    QVERIFY2(std::abs(middle.x() - at.x()) <= 1 && std::abs(middle.y() - at.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    QVERIFY(withPathAndBall != image);
  }

  void aRouteShowsItsLineAndEnd_data() {
    QTest::addColumn<RouteLine>("line");
    QTest::addColumn<RouteEnd>("end");
    QTest::newRow("solid to an arrowhead") << RouteLine::Solid << RouteEnd::Arrow;
    QTest::newRow("dashed to an arrowhead") << RouteLine::Dashed << RouteEnd::Arrow;
    QTest::newRow("solid to a block") << RouteLine::Solid << RouteEnd::Block;
    QTest::newRow("dashed to nothing") << RouteLine::Dashed << RouteEnd::None;
  }

  // A red route right from (400, 300) to (600, 300): it starts at the
  // symbol's edge, is whole or dashed, and ends as its style says.
  void aRouteShowsItsLineAndEnd() {
    QFETCH(RouteLine, line);
    QFETCH(RouteEnd, end);
    Play play;
    place(play, Offence, {400, 300}, {{600, 300}});
    play.routes[1] = {line, end};
    const QImage image = drawn(play, Look::Paper);
    QVERIFY(!isRed(image.pixel(412, 300)));
    QVERIFY(isRed(image.pixel(418, 300)));
    int gaps = 0;
    for (int x = 420; x <= 570; ++x) gaps += !isRed(image.pixel(x, 300));
    QCOMPARE(gaps > 20, line == RouteLine::Dashed);
    QCOMPARE(isRed(image.pixel(590, 303)), end == RouteEnd::Arrow);
    QCOMPARE(isRed(image.pixel(600, 308)) && isRed(image.pixel(600, 292)), end == RouteEnd::Block);
    QVERIFY(!isRed(image.pixel(606, 300)));
  }

  void aDiagramHoldsThePlayAndTheHashes_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<QRect>("area");
    QTest::newRow("no players: the whole picture") << QList<QPoint>() << false << QRect(0, 0, 1600, 980);
    QTest::newRow("one player: 3 yards round him and both hashes")
        << QList<QPoint>{{800, 500}} << false << QRect(423, 410, 754, 180);
    QTest::newRow("a route beyond the hashes, the centre's row")
        << QList<QPoint>{{800, 500}, {1400, 200}} << true << QRect(423, 110, 1067, 480);
    QTest::newRow("a player off the picture: cut at its edges")
        << QList<QPoint>{{800, 500}, {5000, 5000}} << true << QRect(423, 410, 1177, 570);
  }

  void aDiagramHoldsThePlayAndTheHashes() {
    QFETCH(QList<QPoint>, points);
    QFETCH(bool, centre);
    QFETCH(QRect, area);
    Play play;
    if (!points.isEmpty()) place(play, centre ? Centre : Offence, points.front(), points.mid(1));
    QCOMPARE(diagramArea(play, fieldSize, Level::HighSchool), area);
  }

  // A run's frames in the looks: the players from their start to their path's
  // end, the ball beside the quarterback and then flown to beside the receiver.
  // A wristband card's grid, how many cards a sheet holds each way, and
  // when a cell is large enough for a diagram.
  void wristbandCardsFitTheirSheet_data() {
    QTest::addColumn<int>("cells");
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QSizeF>("card");
    QTest::addColumn<QSizeF>("sheet");
    QTest::addColumn<QSize>("fits");
    QTest::addColumn<bool>("diagram");
    const QSizeF letter(8.5, 11), a4(8.27, 11.69);
    QTest::newRow("8 on 4.5 x 2.75, letter") << 8 << QSize(4, 2) << QSizeF(4.5, 2.75) << letter << QSize(1, 3) << true;
    QTest::newRow("12, letter lying") << 12 << QSize(4, 3) << QSizeF(4.5, 2.75) << letter.transposed() << QSize(2, 2)
                                      << false;
    QTest::newRow("16 on 3.5 x 2.5, letter") << 16 << QSize(4, 4) << QSizeF(3.5, 2.5) << letter << QSize(2, 3) << false;
    QTest::newRow("8 on 3.5 x 2.5") << 8 << QSize(4, 2) << QSizeF(3.5, 2.5) << letter << QSize(2, 3) << false;
    QTest::newRow("12 on 5 x 3, A4") << 12 << QSize(4, 3) << QSizeF(5, 3) << a4 << QSize(1, 3) << true;
    QTest::newRow("20 on 5 x 3, A4 lying")
        << 20 << QSize(5, 4) << QSizeF(5, 3) << a4.transposed() << QSize(2, 2) << false;
    QTest::newRow("24 on 5 x 3") << 24 << QSize(6, 4) << QSizeF(5, 3) << letter << QSize(1, 3) << false;
    QTest::newRow("a sheet smaller than a card")
        << 16 << QSize(4, 4) << QSizeF(5, 3) << QSizeF(4, 3) << QSize(0, 0) << false;
  }
  void wristbandCardsFitTheirSheet() {
    QFETCH(int, cells);
    QFETCH(QSize, grid);
    QFETCH(QSizeF, card);
    QFETCH(QSizeF, sheet);
    QFETCH(QSize, fits);
    QFETCH(bool, diagram);
    QCOMPARE(wristbandGrid(cells), grid);
    QCOMPARE(grid.width() * grid.height(), cells);
    QCOMPARE(cardsOnPage(card, sheet), fits);
    QCOMPARE(cellShowsDiagram(QSizeF(card.width() / grid.width(), card.height() / grid.height())), diagram);
  }

  // A text broken into the lines of a width: between words, the last line
  // (or a word wider than a line) shortened with an ellipsis.
  void aTextIsBrokenIntoTheLinesItHas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widthOf");  // the line as wide as the width
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("broken");
    QTest::addColumn<bool>("middle");  // shortened in the middle, keeping the end
    const QString call = QStringLiteral("Trips Right 62 Slant");
    QTest::newRow("fits") << call << call << 1 << QStringList{call} << false;
    QTest::newRow("two lines") << call << QStringLiteral("Trips Right") << 2
                               << QStringList({"Trips Right", "62 Slant"}) << false;
    QTest::newRow("spaces run together") << QStringLiteral("  Trips   Right ") << QStringLiteral("Trips Right") << 1
                                         << QStringList{"Trips Right"} << false;
    QTest::newRow("the last line shortened")
        << call << QStringLiteral("Trips Right") << 1 << QStringList{QStringLiteral("Trips Right 6\u2026")} << false;
    QTest::newRow("a word wider than a line") << QStringLiteral("Counterclockwise Z") << QStringLiteral("Counter") << 3
                                              << QStringList({QStringLiteral("Counte\u2026"), "Z"}) << false;
    QTest::newRow("nothing") << QString() << QStringLiteral("Z") << 2 << QStringList() << false;
    QTest::newRow("the last line shortened in its middle")
        << QStringLiteral("Spread Right 76 Z Corner") << QStringLiteral("Spread Right") << 1
        << QStringList{QStringLiteral("Spre\u2026rner")} << true;
    QTest::newRow("the second line shortened in its middle")
        << QStringLiteral("Spread Right 76 Z Corner") << QStringLiteral("Spread Ri") << 2
        << QStringList({QStringLiteral("Spread"), QStringLiteral("Rig\u2026ner")}) << true;
  }
  void aTextIsBrokenIntoTheLinesItHas() {
    QFETCH(QString, text);
    QFETCH(QString, widthOf);
    QFETCH(int, lines);
    QFETCH(QStringList, broken);
    QFETCH(bool, middle);
    const QFontMetricsF metrics(pageFont(12));
    const QStringList got = linesWithin(text, metrics, metrics.horizontalAdvance(widthOf), lines,
                                        middle ? Qt::ElideMiddle : Qt::ElideRight);
    QCOMPARE(got.size(), broken.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
      QVERIFY(metrics.horizontalAdvance(got[i]) <= metrics.horizontalAdvance(widthOf));
      // A shortened line: the ellipsis where expected, the text's end kept after it.
      const qsizetype ellipsis = broken[i].indexOf(QChar(0x2026));
      if (ellipsis < 0)
        QCOMPARE(got[i], broken[i]);
      else
        QVERIFY2(got[i].contains(QChar(0x2026)) && got[i].endsWith(broken[i].mid(ellipsis)) &&
                     got[i].startsWith(broken[i].left(1)),
                 qPrintable(got[i]));
    }
  }

  // Printed symbols shrink to the spacing of players of a side standing level
  // (2 x 13 pixels of reach at scale 1): an interior line 45 pixels apart.
  void printedSymbolsShrinkToTheirSpacing_data() {
    QTest::addColumn<QList<QPoint>>("offence");
    QTest::addColumn<QList<QPoint>>("defence");
    QTest::addColumn<double>("wanted");
    QTest::addColumn<double>("scale");
    const QList<QPoint> line{{710, 600}, {755, 600}, {800, 600}, {845, 600}, {890, 600}};
    QTest::newRow("room enough") << line << QList<QPoint>{} << 1.0 << 1.0;
    QTest::newRow("a line 1.5 yards apart") << line << QList<QPoint>{} << 3.0 << 45.0 / 26;
    QTest::newRow("a defender facing him is no neighbour") << line << QList<QPoint>{{800, 570}} << 3.0 << 45.0 / 26;
    QTest::newRow("a back behind is no neighbour") << line + QList<QPoint>{{800, 640}} << QList<QPoint>{} << 3.0 << 45.0 / 26;
    QTest::newRow("two on one spot: no less than 0.4")
        << QList<QPoint>{{800, 600}, {800, 600}} << QList<QPoint>{} << 2.0 << 0.8;
    QTest::newRow("defenders crowd too") << QList<QPoint>{} << QList<QPoint>{{700, 500}, {739, 500}} << 2.0 << 1.5;
  }

  void printedSymbolsShrinkToTheirSpacing() {
    QFETCH(QList<QPoint>, offence);
    QFETCH(QList<QPoint>, defence);
    QFETCH(double, wanted);
    QFETCH(double, scale);
    Play play;
    for (const QPoint at : offence) place(play, Offence, at);
    for (const QPoint at : defence) place(play, Defence, at);
    QCOMPARE(symbolScaleForSpacing(play, wanted), scale);
  }

  // A drive block into the defender over him ends its bar clear of his
  // symbol; one ending short of him is drawn as it is.
  void aBlockBarStopsShortOfTheDefender_data() {
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<bool>("reachesHim");  // the bar, as drawn, is beside the defender's symbol
    QTest::newRow("onto his spot") << QPoint(800, 560) << true;
    QTest::newRow("half way to him") << QPoint(800, 580) << true;
    QTest::newRow("short of him") << QPoint(800, 590) << false;
  }

  void aBlockBarStopsShortOfTheDefender() {
    QFETCH(QPoint, end);
    QFETCH(bool, reachesHim);
    Play play;
    place(play, Offence, {800, 620}, {end});
    place(play, Defence, {800, 560});
    play.routes[1].end = RouteEnd::Block;
    QImage image(1600, 980, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPlayInLook(painter, image.size(), play, Look::Paper);
    painter.end();
    const auto reddish = [&image](int x, int y) {
      const QColor c = image.pixelColor(x, y);
      return c.red() > 150 && c.green() < 100 && c.blue() < 100;
    };
    int inside = 0, nearHim = 0;
    for (int y = 540; y < 600; ++y)
      for (int x = 780; x < 820; ++x) {
        const double d = std::hypot(x - 800.0, y - 560.0);
        inside += d < lookSymbolReach && reddish(x, y);
        nearHim += d < lookSymbolReach + 6 && reddish(x, y);
      }
    QCOMPARE(inside, 0);
    QCOMPARE(nearHim > 0, reachesHim);
  }

  // The ball held sits right of its holder, else on the first side where it
  // covers no one (a shotgun back 1.5 yards to the right, say).
  void theBallHeldCoversNoOtherPlayer_data() {
    QTest::addColumn<QList<QPointF>>("others");
    QTest::addColumn<QPointF>("ball");
    const QPointF right(50, 0), left(-50, 0), below(0, 50);
    QTest::newRow("alone: right") << QList<QPointF>{} << QPointF(829.5, 800);
    QTest::newRow("a back beside him: left") << QList<QPointF>{right} << QPointF(770.5, 800);
    QTest::newRow("a yard and a pixel away is clear") << QList<QPointF>{QPointF(57.1, 0)} << QPointF(829.5, 800);
    QTest::newRow("backs both sides: below") << QList<QPointF>{right, left} << QPointF(800, 829.5);
    QTest::newRow("three sides: above") << QList<QPointF>{right, left, below} << QPointF(800, 770.5);
    QTest::newRow("crowded: right") << QList<QPointF>{right, left, below, QPointF(0, -50)} << QPointF(829.5, 800);
  }

  void theBallHeldCoversNoOtherPlayer() {
    QFETCH(QList<QPointF>, others);
    QFETCH(QPointF, ball);
    QList<QPointF> standing{QPointF(800, 800)};
    for (const QPointF offset : others) standing << QPointF(800, 800) + offset;
    QCOMPARE(ballBeside(QPointF(800, 800), standing), ball);
  }

  void aRunMovesThePlayersAndFliesTheBall() {
    Play play;
    place(play, Offence, {800, 800}, {{800, 830}});
    place(play, Offence, {1200, 700}, {{1200, 400}, {1000, 200}});
    place(play, Defence, {900, 500});
    const RunRoles roles = runRolesOf(play, 1, 2);
    const LookFrame start = lookFrame(play, roles, true, 0);
    QCOMPARE(start.standing.mid(1), QList<QPointF>({{800, 800}, {1200, 700}, {900, 500}}));
    QCOMPARE(start.ball, std::optional(QPointF(829.5, 800)));
    QCOMPARE(lookFrame(play, roles, true, 30).standing[2], QPointF(1100, 300));
    const LookFrame end = lookFrame(play, roles, true, framesOfARun());
    QCOMPARE(end.standing.mid(1), QList<QPointF>({{800, 830}, {1000, 200}, {900, 500}}));
    QCOMPARE(end.ball, std::optional(QPointF(1029.5, 200)));
    QCOMPARE(lookFrame(play, roles, false, framesOfARun()).ball, std::nullopt);
  }
};

QTEST_MAIN(LooksTest)
#include "test_looks.moc"
