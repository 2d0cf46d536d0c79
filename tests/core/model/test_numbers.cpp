#include "core/model/numbers.h"
#include "core/model/playstate.h"

#include <QTest>

class NumbersTest : public QObject {
  Q_OBJECT
 private slots:
  void readsTheNumberAtTheStartOfATextLikeABox() {
    QCOMPARE(readNumber(u"  12abc"), 12.0);
    QCOMPARE(readNumber(u" 3"), 3.0);
    QCOMPARE(readNumber(u"-3.5 left"), -3.5);
    QCOMPARE(readNumber(u"+7"), 7.0);
    QCOMPARE(readNumber(u".5"), 0.5);
    QCOMPARE(readNumber(u"1e3"), 1000.0);
    QCOMPARE(readNumber(u"2e"), 2.0);
  }

  void textsWithoutALeadingNumberReadAsZero() {
    for (const char16_t* text : {u"", u"None", u"# of Moves", u"Player #", u"QuarterBack", u"-", u".", u"x12"}) {
      QVERIFY2(!leadingNumber(text).has_value(), qPrintable(QString::fromUtf16(text)));
      QCOMPARE(readNumber(text), 0.0);
    }
  }

  void roundsHalvesToTheEvenNeighbour() {
    QCOMPARE(roundHalfEven(12.5), 12.0);
    QCOMPARE(roundHalfEven(13.5), 14.0);
    QCOMPARE(roundHalfEven(-2.5), -2.0);
    QCOMPARE(roundHalfEven(2.51), 3.0);
    QCOMPARE(roundToInt32(0.5f), 0);
    QCOMPARE(roundToInt32(1.5f), 2);
  }

  void wholeNumbersMustFitTheirType() {
    QCOMPARE(toInt16(32767.4), std::optional<std::int16_t>(32767));
    QVERIFY(!toInt16(32767.5).has_value());
    QVERIFY(!toInt16(-40000).has_value());
    QVERIFY(!toInt32(12345678901.0).has_value());
    QVERIFY(!toInt16(readNumber(u"1e999")).has_value());
    QCOMPARE(toInt32(-2147483648.0), std::optional<std::int32_t>(-2147483647 - 1));
    QCOMPARE(roundToInt32(1e20), 2147483647);
  }

  void writesNumbersWithABlankForThePlusSign() {
    QCOMPARE(listNumber(7), QStringLiteral(" 7"));
    QCOMPARE(listNumber(100), QStringLiteral(" 100"));
    QCOMPARE(listNumber(-7), QStringLiteral("-7"));
    QCOMPARE(printNumber(255), QStringLiteral(" 255 "));
    QCOMPARE(printNumber(-1), QStringLiteral("-1 "));
  }

  void clearingPositionsKeepsKindAndColour() {
    Play play;
    play.players[0] = {5, 6, Defence, 255};
    play.players[100] = {7, 8, Offence, 16711680};
    play.moves[100][5] = {9, 10, 0, 0};
    play.clearPositions();
    QCOMPARE(play.players[0].x, 0);
    QCOMPARE(play.players[100].y, 0);
    QCOMPARE(play.players[100].kind, std::int16_t(Offence));
    QCOMPARE(play.players[100].color, 16711680u);
    QCOMPARE(play.moves[100][5].x, 0);
  }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
