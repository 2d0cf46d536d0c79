#include "core/editor/cursorfile.h"
#include "core/files/fieldreader.h"
#include "core/files/playfile.h"
#include "core/files/playlist.h"
#include "core/files/regularfile.h"
#include "core/model/vocabulary.h"
#include "core/support/bytesdevice.h"
#include "core/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

bool read(const QByteArray& bytes, ReadPolicy policy, Play& play) {
  BytesDevice device(bytes);
  return readPlayFile(device, policy, play);
}

QStringList fields(const QByteArray& bytes) {
  BytesDevice device(bytes);
  FieldReader reader(device);
  QStringList result;
  while (const std::optional<QString> field = reader.textField()) result << *field;
  return result;
}

QList<PlayListEntry> playList(const QByteArray& bytes) {
  BytesDevice device(bytes);
  return readPlayList(device);
}

void setStep(Play& play, int p, int s, int x, int y) { play.moves[p][s] = {x, y, 0, 0}; }

// The two-player example: an offence player with a red path of two moves and
// a defence player without a path.
Play twoPlayers() {
  Play play;
  play.playerCount = 2;
  play.players[1] = {200, 300, Offence, 255};
  setStep(play, 1, 0, 200, 300);
  setStep(play, 1, 1, 220, 250);
  setStep(play, 1, 2, 240, 200);
  play.players[2] = {260, 180, Defence, 0};
  return play;
}

const QByteArray twoPlayersText =
    "2\r\n"
    "player,1, 1 \r\n"
    "coord,200,300\r\n"
    "0,200,300, 255 \r\n"
    "1,220,250, 255 \r\n"
    "2,240,200, 255 \r\n"
    "END\r\n"
    "player,2, 3 \r\n"
    "coord,260,180\r\n"
    "END\r\n";

}  // namespace

class PlayFileTest : public QObject {
  Q_OBJECT
 private slots:
  void fieldsCloseAtCommasAndLineEnds() {
    QCOMPARE(fields("a, b,c\r\nd\ne\rf"), (QStringList{"a", "b", "c", "d", "e", "f"}));
    QCOMPARE(fields("x,\r\n,y"), (QStringList{"x", "", "", "y"}));
    QCOMPARE(fields("  \"quoted, text\" tail,next"), (QStringList{"quoted, text", "next"}));
    QCOMPARE(fields("trailing \r\n"), (QStringList{"trailing "}));
    QCOMPARE(fields(""), QStringList());
    QCOMPARE(fields("   "), QStringList());
  }

  void writesTheTwoPlayerExampleByteForByte() { QCOMPARE(playFileText(twoPlayers()), twoPlayersText); }

  void writesEmptyPlaysAndPlayersWithoutPaths() {
    QCOMPARE(playFileText(Play{}), QByteArray("0\r\n"));
    Play play;
    play.playerCount = 1;
    play.players[1] = {-5, 40, Centre, 16711680};
    QCOMPARE(playFileText(play), QByteArray("1\r\nplayer,1, 2 \r\ncoord,-5,40\r\nEND\r\n"));
  }

  void moveLinesStopBeforeAStepWithAZeroCoordinate() {
    Play play;
    play.playerCount = 1;
    play.players[1] = {10, 20, Offence, 16777215};
    setStep(play, 1, 0, 10, 20);
    setStep(play, 1, 1, 0, 50);  // x = 0 ends the list here
    setStep(play, 1, 2, 30, 40);
    QCOMPARE(playFileText(play),
             QByteArray("1\r\nplayer,1, 1 \r\ncoord,10,20\r\n0,10,20, 16777215 \r\nEND\r\n"));
  }

  void fiveMovePathIsWrittenAndReadCompletely() {
    Play play;
    play.playerCount = 1;
    play.players[1] = {100, 100, Defence, 16711680};
    for (int s = 0; s <= 5; ++s) setStep(play, 1, s, 100 + 10 * s, 100 + s);
    const QByteArray text = playFileText(play);
    QCOMPARE(text,
             QByteArray("1\r\nplayer,1, 3 \r\ncoord,100,100\r\n"
                        "0,100,100, 16711680 \r\n1,110,101, 16711680 \r\n2,120,102, 16711680 \r\n"
                        "3,130,103, 16711680 \r\n4,140,104, 16711680 \r\n5,150,105, 16711680 \r\nEND\r\n"));
    Play back;
    QVERIFY(read(text, ReadPolicy::Strict, back));
    QCOMPARE(back.moves[1][5].x, 150);
    QCOMPARE(back.moves[1][5].y, 105);
    QCOMPARE(playFileText(back), text);
  }

  void readsBackWhatItWrites() {
    for (ReadPolicy policy : {ReadPolicy::Lenient, ReadPolicy::Strict}) {
      Play back;
      QVERIFY(read(twoPlayersText, policy, back));
      QCOMPARE(back.playerCount, std::int16_t(2));
      QCOMPARE(back.players[1].kind, std::int16_t(Offence));
      QCOMPARE(back.players[1].color, 255u);
      QCOMPARE(back.moves[1][2].x, 240);
      QCOMPARE(back.players[2].kind, std::int16_t(Defence));
      QCOMPARE(back.moves[2][0].x, 260);  // from the coordinate line
      QCOMPARE(back.moves[2][1].x, 0);
    }
  }

  // The roles line follows the last block; a bad one leaves the play as read.
  void rolesLineIsWrittenWhenSetAndReadWhenWhole() {
    QCOMPARE(playFileText(twoPlayers(), PlayRoles()), twoPlayersText);
    const QByteArray withRoles = playFileText(twoPlayers(), PlayRoles{1, 2, true});
    QCOMPARE(withRoles, twoPlayersText + "roles,1,2,-1\r\n");
    QCOMPARE(playFileText(twoPlayers(), PlayRoles{0, 2, false}), twoPlayersText + "roles,0,2,0\r\n");
    const QList<QByteArray> ignored = {"roles,101,2,-1\r\n", "roles,1,-2,0\r\n", "roles,1,2,1\r\n",
                                       "roles,one,2,-1\r\n", "roles,1,2\r\n",     "roles\r\n",
                                       "Roles,1,2,-1\r\n"};
    for (ReadPolicy policy : {ReadPolicy::Lenient, ReadPolicy::Strict}) {
      Play back;
      std::optional<PlayRoles> roles;
      BytesDevice whole(withRoles);
      QVERIFY(readPlayFile(whole, policy, back, nullptr, &roles));
      QVERIFY(roles && roles->quarterback == 1 && roles->receiver == 2 && roles->passing);
      for (const QByteArray& tail : ignored) {
        BytesDevice device(twoPlayersText + tail);
        roles = PlayRoles{};
        QVERIFY2(readPlayFile(device, policy, back, nullptr, &roles), tail.constData());
        QVERIFY2(!roles, tail.constData());
        QCOMPARE(back.playerCount, std::int16_t(2));
        QCOMPARE(back.moves[1][2].x, 240);
      }
    }
  }

  // Labels, route styles, call, note, ball-on, speeds, the throw and the
  // ball's speed follow the roles, each only
  // when set, and read back the same, in any order.
  void theFootballVocabularyIsWrittenAndReadBack() {
    Play play;
    QVERIFY(read(twoPlayersText, ReadPolicy::Strict, play));
    play.labels[1] = labelFrom(QStringLiteral("X"));
    play.labels[2] = labelFrom(QStringLiteral("W/S"));
    play.routes[1] = {RouteLine::Dashed, RouteEnd::Block};
    play.routes[2] = {RouteLine::Solid, RouteEnd::None};
    play.call = QStringLiteral("Spread Right 76 Z Post");
    play.note = QStringLiteral("Z: 12-yard post; read the free safety.");
    play.ballOn = 35;
    play.speeds[2] = 8.5;
    play.throwTime = 2.4f;
    play.ballSpeed = 25;
    const QByteArray tail = "roles,1,2,-1\r\nlabel,1,X\r\nlabel,2,W/S\r\nroute,1,dashed,block\r\nroute,2,solid,none\r\n"
                            "call,Spread Right 76 Z Post\r\nnote,Z: 12-yard post; read the free safety.\r\nball,35\r\n"
                            "speed,2,8.5\r\nthrow,2.4\r\nballspeed,25\r\n";
    const QByteArray written = playFileText(play, {1, 2, true});
    QVERIFY(written.endsWith("END\r\n" + tail));
    QCOMPARE(playFileText(twoPlayers()), twoPlayersText);  // a play without them, as before
    Play back;
    std::optional<PlayRoles> roles;
    BytesDevice device(twoPlayersText + "ballspeed,25\r\nball,35\r\nthrow,2.4\r\nnote,Z: 12-yard post; read the free safety.\r\n"
                                        "speed,2,8.5\r\nroute,2,solid,none\r\n"
                                        "label,2,W/S\r\ncall,Spread Right 76 Z Post\r\nroles,1,2,-1\r\nlabel,1,X\r\n"
                                        "route,1,dashed,block\r\n");
    QVERIFY(readPlayFile(device, ReadPolicy::Strict, back, nullptr, &roles));
    QCOMPARE(back, play);
    QVERIFY(roles && roles->passing);
    QCOMPARE(playFileText(back, *roles), written);
    Play other = play;  // reading another play leaves none of them behind
    QVERIFY(read(twoPlayersText, ReadPolicy::Strict, other));
    QCOMPARE(labelText(other.labels[2]), QString());
    QCOMPARE(other.routes[1], RouteStyle());
    QVERIFY(other.call.isEmpty() && other.note.isEmpty() && other.ballOn == 0);
    QVERIFY(other.speeds[2] == 0 && other.throwTime == 0 && other.ballSpeed == 0);
  }

  void badVocabularyLinesArePassedOver_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("a label of no placed player") << QByteArray("label,3,QB");
    QTest::newRow("a label of player 0") << QByteArray("label,0,QB");
    QTest::newRow("a label of four characters") << QByteArray("label,1,QBQB");
    QTest::newRow("a label with a blank") << QByteArray("label,1,Q B");
    QTest::newRow("an empty label") << QByteArray("label,1,");
    QTest::newRow("a label line with a field more") << QByteArray("label,1,Q,B");
    QTest::newRow("a line kind not known") << QByteArray("route,1,wavy,arrow");
    QTest::newRow("an end not known") << QByteArray("route,1,solid,star");
    QTest::newRow("a route line cut short") << QByteArray("route,1,dashed");
    QTest::newRow("a note longer than 500") << "note," + QByteArray(501, 'n');
    QTest::newRow("a call longer than 60") << "call," + QByteArray(61, 'c');
    QTest::newRow("a call beyond ASCII") << QByteArray("call,caf\xc3\xa9");
    QTest::newRow("ball on 0") << QByteArray("ball,0");
    QTest::newRow("ball on 100") << QByteArray("ball,100");
    QTest::newRow("ball on a word") << QByteArray("ball,midfield");
    QTest::newRow("a speed above 12 yards a second") << QByteArray("speed,1,12.5");
    QTest::newRow("a speed below 1") << QByteArray("speed,1,0.5");
    QTest::newRow("a speed of no placed player") << QByteArray("speed,3,8");
    QTest::newRow("a speed with a word after it") << QByteArray("speed,1,8 yards");
    QTest::newRow("a throw before 0.5 s") << QByteArray("throw,0.4");
    QTest::newRow("a throw after 10 s") << QByteArray("throw,10.5");
    QTest::newRow("a ball faster than 35") << QByteArray("ballspeed,36");
    QTest::newRow("a ball speed that is a word") << QByteArray("ballspeed,fast");
    QTest::newRow("a line the program does not know") << QByteArray("tempo,1,8");
  }

  // Each bad line is passed over under both policies; the lines around it count.
  void badVocabularyLinesArePassedOver() {
    QFETCH(QByteArray, line);
    for (const ReadPolicy policy : {ReadPolicy::Strict, ReadPolicy::Lenient}) {
      Play play;
      QVERIFY(read(twoPlayersText + "label,2,CB\r\n" + line + "\r\nball,20\r\n", policy, play));
      Play expected;
      QVERIFY(read(twoPlayersText, policy, expected));
      expected.labels[2] = labelFrom(QStringLiteral("CB"));
      expected.ballOn = 20;
      QCOMPARE(play, expected);
    }
  }

  void textsThePlayFileCannotHoldAreRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("labelRefused");
    QTest::addColumn<QString>("callRefused");
    const QString labelCharacters = QStringLiteral("a label holds only letters, digits, \"-\" and \"/\"");
    QTest::newRow("QB") << QStringLiteral("QB") << QString() << QString();
    QTest::newRow("no text") << QString() << QString() << QString();
    QTest::newRow("four characters") << QStringLiteral("QBQB") << QStringLiteral("a label is at most 3 characters")
                                     << QString();
    QTest::newRow("a comma") << QStringLiteral("Z,Y") << labelCharacters
                             << QStringLiteral("it holds a comma or a double quote");
    QTest::newRow("a quote") << QStringLiteral("\"Z") << labelCharacters
                             << QStringLiteral("it holds a comma or a double quote");
    QTest::newRow("a line end") << QStringLiteral("Z\nY") << labelCharacters
                                << QStringLiteral("it holds a line end or a character beyond plain ASCII");
    QTest::newRow("a blank first") << QStringLiteral(" Z") << labelCharacters << QStringLiteral("it starts with a blank");
    QTest::newRow("61 characters") << QString(61, u'c') << QStringLiteral("a label is at most 3 characters")
                                   << QStringLiteral("it is longer than 60 characters");
  }

  void textsThePlayFileCannotHoldAreRefused() {
    QFETCH(QString, text);
    QFETCH(QString, labelRefused);
    QFETCH(QString, callRefused);
    QCOMPARE(labelRefusal(text), labelRefused);
    QCOMPARE(playTextRefusal(text, maxCallLength), callRefused);
  }

  void playerWithoutMoveLinesGainsStepZeroWhenSavedAgain() {
    Play back;
    QVERIFY(read("1\r\nplayer,1, 3 \r\ncoord,260,180\r\nEND\r\n", ReadPolicy::Strict, back));
    QCOMPARE(playFileText(back),
             QByteArray("1\r\nplayer,1, 3 \r\ncoord,260,180\r\n0,260,180, 0 \r\nEND\r\n"));
  }

  void stepNumberChoosesTheStep() {
    Play back;
    QVERIFY(read("1\nplayer,1,1\ncoord,5,6\n0,5,6,255\n2,7,8,255\nEND\n", ReadPolicy::Strict, back));
    QCOMPARE(back.moves[1][2].x, 7);
    QCOMPARE(back.moves[1][1].x, 0);
    QCOMPARE(back.moves[1][1].y, 0);
    // A step field that is not a number selects step 0.
    QVERIFY(read("1\nplayer,1,1\ncoord,5,6\nzz,9,9,255\nEND\n", ReadPolicy::Strict, back));
    QCOMPARE(back.moves[1][0].x, 9);
  }

  void wrongWordsAndPlayerNumbersReadAsIfRight() {
    Play back;
    QVERIFY(read("1\r\nplayor,77, 1 \r\nplace,200,300\r\n0,200,300, 255 \r\nEND\r\n", ReadPolicy::Strict, back));
    QCOMPARE(back.players[1].x, 200);
    QCOMPARE(back.players[1].kind, std::int16_t(Offence));
  }

  void readingLeavesNoOldPathPointsButKeepsKindAndColour() {
    Play play = twoPlayers();
    for (int s = 3; s <= 5; ++s) setStep(play, 1, s, 300 + s, 300);
    play.players[2].color = 16711680;
    QVERIFY(read("2\r\nplayer,1, 1 \r\ncoord,1,2\r\nEND\r\nplayer,2, 3 \r\ncoord,3,4\r\nEND\r\n",
                 ReadPolicy::Strict, play));
    for (int s = 1; s <= 5; ++s) QCOMPARE(play.moves[1][s].x, 0);
    QCOMPARE(play.players[1].color, 255u);
    QCOMPARE(play.players[2].color, 16711680u);
  }

  void missingBlocksFailStrictButNotLenient() {
    const QByteArray short_ = "3\r\nplayer,1, 1 \r\ncoord,10,20\r\nEND\r\n";
    Play lenient, strict;
    QVERIFY(read(short_, ReadPolicy::Lenient, lenient));
    QCOMPARE(lenient.players[1].x, 10);
    QVERIFY(!read(short_, ReadPolicy::Strict, strict));
    QCOMPARE(strict.players[1].x, 10);  // what was read up to the error stays
  }

  void filesWithoutACountFailBothPolicies() {
    for (ReadPolicy policy : {ReadPolicy::Lenient, ReadPolicy::Strict}) {
      Play play = twoPlayers();
      QVERIFY(!read("", policy, play));
      QVERIFY(!read("  ", policy, play));
      QCOMPARE(play.playerCount, std::int16_t(2));
    }
    Play play;
    QVERIFY(read("none\r\n", ReadPolicy::Lenient, play));
    QCOMPARE(play.playerCount, std::int16_t(0));
    QVERIFY(!read("none\r\n", ReadPolicy::Strict, play));
  }

  // A failed read says where and why: in full, and plainly without the file's bytes.
  void failedReadsSayWhy() {
    const QList<std::tuple<QByteArray, QString, QString>> cases = {
        {"", "it holds no player count", "it holds no player count"},
        {"2\r\nplayer,1, 1 \r\ncoord,1,2\r\nEND\r\nplayer,2, 1 \r\ncoord,abc,2\r\n", "line 6: 'abc' is not a number",
         "line 6, field 2: not a number"},
        {"1\r\nplayer,1, 1 \r\ncoord,1,2\r\n9,1,1, 0 \r\nEND\r\n", "line 4: step 9 is outside 0 to 5",
         "line 4, field 1: a step outside 0 to 5"},
        {"1\r\nplayer,1, 1 \r\ncoord,1,99999999999\r\n", "line 3: 1e+11 does not fit", "line 3, field 3: a number too large"},
        {"101\r\n", "line 1: the player count 101 is outside 0 to 100", "line 1, field 1: a player count outside 0 to 100"},
        {"1\r\nplayer,1, 1 \r\n", "line 3: the file ends in the middle of the play",
         "line 3, field 1: the file ends in the middle of the play"},
        {"1\r\nplayer,1, 1 \r\ncoord,1," + QByteArray(maxFieldBytes + 1, '5'), "line 3: a field is longer than 64 KiB",
         "line 3, field 3: a field is longer than 64 KiB"}};
    for (const auto& [text, why, plain] : cases) {
      Play play;
      ReadFailure failure;
      BytesDevice device(text);
      QVERIFY(!readPlayFile(device, ReadPolicy::Strict, play, &failure));
      QCOMPARE(failure.why, why);
      QCOMPARE(failure.plain, plain);
    }
    QTemporaryDir folder;
    Play play;
    ReadFailure failure;
    QVERIFY(!readPlayFile(folder.filePath(QStringLiteral("none.ply")), ReadPolicy::Lenient, play, &failure));
    QCOMPARE(failure.why, QStringLiteral("No such file or directory"));
    QCOMPARE(failure.plain, failure.why);
  }

  void strictStopsAtFieldsThatAreNotNumbers() {
    Play play;
    QVERIFY(!read("1\nplayer,1,x\ncoord,1,2\nEND\n", ReadPolicy::Strict, play));
    QVERIFY(!read("1\nplayer,1,1\ncoord,a,2\nEND\n", ReadPolicy::Strict, play));
    QVERIFY(!read("1\nplayer,1,99999\ncoord,1,2\nEND\n", ReadPolicy::Strict, play));
    QVERIFY(!read("1\nplayer,1,1\ncoord,12345678901,2\nEND\n", ReadPolicy::Strict, play));
    QVERIFY(read("1\nplayer,1,x\ncoord,12345678901,-7\nEND\n", ReadPolicy::Lenient, play));
    QCOMPARE(play.players[1].kind, std::int16_t(0));
    QCOMPARE(play.players[1].x, 0);
    QCOMPARE(play.players[1].y, -7);
  }

  void stepsOutsideThePathAreSkippedOrRefused() {
    const QByteArray text = "1\nplayer,1,1\ncoord,5,6\n1,7,8,255\n99,1,1,16711680\nEND\n";
    Play lenient;
    QVERIFY(read(text, ReadPolicy::Lenient, lenient));
    QCOMPARE(lenient.moves[1][1].x, 7);
    QCOMPARE(lenient.players[1].color, 16711680u);  // only the store outside the arrays is skipped
    Play strict;
    QVERIFY(!read(text, ReadPolicy::Strict, strict));
    QCOMPARE(strict.players[1].color, 255u);
  }

  // A colour that is not a number reads as 0 under both policies, so that
  // Reset reads every file that Open reads.
  void colourFieldsThatAreNotNumbersReadAsBlack() {
    for (const ReadPolicy policy : {ReadPolicy::Strict, ReadPolicy::Lenient}) {
      Play play;
      play.players[1].color = 255;
      QVERIFY(read("1\nplayer,1,1\ncoord,5,6\n0,5,6,red\n1,7,8,red\nEND\n", policy, play));
      QCOMPARE(play.players[1].color, 0u);
      QCOMPARE(play.moves[1][1].y, 8);
    }
  }

  void countsAboveAHundredNeverPassTheArrays() {
    QByteArray text = "150\r\n";
    for (int i = 1; i <= 150; ++i) text += "player," + QByteArray::number(i) + ", 1 \r\ncoord,1,1\r\nEND\r\n";
    Play lenient;
    QVERIFY(read(text, ReadPolicy::Lenient, lenient));
    QCOMPARE(lenient.playerCount, std::int16_t(100));
    Play strict;
    QVERIFY(!read(text, ReadPolicy::Strict, strict));
    QVERIFY(strict.playerCount <= 100);
    for (const QByteArray& count : {QByteArray("101"), QByteArray("70000"), QByteArray("1e12")}) {
      Play huge;
      QVERIFY(read(count + "\r\n" + text.mid(5), ReadPolicy::Lenient, huge));
      QCOMPARE(huge.playerCount, std::int16_t(100));
      QCOMPARE(huge.players[100].x, 1);
      QVERIFY(!read(count + "\r\n" + text.mid(5), ReadPolicy::Strict, huge));
    }
    Play negative;
    QVERIFY(read("-4\r\n", ReadPolicy::Lenient, negative));
    QCOMPARE(negative.playerCount, std::int16_t(0));
    QVERIFY(!read("-4\r\n", ReadPolicy::Strict, negative));
  }

  void blockEndsAfterSixMoveLinesWithoutEnd() {
    Play play;
    QByteArray text = "2\nplayer,1,1\ncoord,5,5\n";
    for (int s = 0; s < 7; ++s) text += QByteArray::number(s % 6) + ",9,9,255\n";
    text += "player,2,3\ncoord,40,50\nEND\n";
    // Seven move lines: the block ends without END, so the second block starts
    // at the word "player" and reads on.
    QVERIFY(read(text, ReadPolicy::Lenient, play));
    QCOMPARE(play.players[2].x, 40);
  }

  void synchronizingEvensOutShortPaths() {
    Play play;
    play.playerCount = 3;
    setStep(play, 1, 0, 100, 100);
    setStep(play, 1, 1, 100, 160);
    setStep(play, 2, 0, 100, 100);
    setStep(play, 2, 1, 100, 160);
    setStep(play, 2, 2, 130, 160);
    setStep(play, 3, 0, 5, 5);
    setStep(play, 3, 1, 6, 6);
    setStep(play, 3, 2, 7, 7);
    setStep(play, 3, 3, 8, 8);
    synchronizePaths(play);
    const auto path = [&play](int p) {
      QList<QPoint> points;
      for (int s = 0; s <= 3; ++s) points << QPoint(play.moves[p][s].x, play.moves[p][s].y);
      return points;
    };
    QCOMPARE(path(1), (QList<QPoint>{{100, 100}, {100, 120}, {100, 140}, {100, 160}}));
    QCOMPARE(path(2), (QList<QPoint>{{100, 100}, {100, 160}, {120, 160}, {130, 160}}));
    QCOMPARE(path(3), (QList<QPoint>{{5, 5}, {6, 6}, {7, 7}, {8, 8}}));
  }

  void synchronizingRoundsHalvesToEven() {
    Play play;
    play.playerCount = 1;
    setStep(play, 1, 0, 0, 10);
    setStep(play, 1, 1, 3, 11);  // thirds of 3 and of 1 pixel
    synchronizePaths(play);
    QCOMPARE(play.moves[1][1].x, 1);
    QCOMPARE(play.moves[1][2].y, 11);  // 10.667
    QCOMPARE(play.moves[1][3].x, 3);
  }

  void playListReadsItsLinesUpToAHundred() {
    const QList<PlayListEntry> two = playList("sweep.ply,C:\\Plays\\sweep.ply\r\nb.ply,/home/b.ply\r\n");
    QCOMPARE(two.size(), 2);
    QCOMPARE(two[0].name, QStringLiteral("sweep.ply"));
    QCOMPARE(two[0].file, QStringLiteral("C:\\Plays\\sweep.ply"));
    QCOMPARE(two[1].file, QStringLiteral("/home/b.ply"));

    QByteArray many;
    for (int i = 0; i < 150; ++i) many += "p" + QByteArray::number(i) + ".ply,/x/p.ply\r\n";
    QCOMPARE(playList(many).size(), 100);
    QCOMPARE(playList("only-a-title\r\n").size(), 0);
    QCOMPARE(playList("a.ply,/a.ply\r\n\r\n").size(), 1);
    QCOMPARE(playList("").size(), 0);
    // Titles and paths longer than 4 KiB are bad records: the reading stops there.
    const QByteArray longest(4096, 't');
    QCOMPARE(playList("a.ply,/a\r\n" + longest + ",/b\r\nc.ply,/c\r\n").size(), 3);
    QCOMPARE(playList("a.ply,/a\r\n" + longest + "t,/b\r\nc.ply,/c\r\n").size(), 1);
    QCOMPARE(playList("a.ply,/a\r\nb.ply,/" + longest + "\r\nc.ply,/c\r\n").size(), 1);
  }

  // Only regular files are read, at most 16 MiB of them, with fields of at
  // most 64 KiB: a device, a FIFO or a huge file never hangs the program.
  void readersTakeOnlyBoundedRegularFiles() {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Play play;
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo, folder.path()}) {
      QVERIFY(!readPlayFile(path, ReadPolicy::Lenient, play));
      QVERIFY(!readPlayList(path));
      QVERIFY(!readCursorFile(path));
    }
    const QByteArray onePlayer = "1\r\nplayer,1, 3 \r\ncoord,40,50\r\nEND\r\n";
    const QString huge = folder.filePath(QStringLiteral("huge.ply"));
    writeBytes(huge, onePlayer + QByteArray(maxFileBytes, ' '));
    QVERIFY(!readPlayFile(huge, ReadPolicy::Strict, play));
    QVERIFY(readPlayFile(huge, ReadPolicy::Lenient, play));
    QCOMPARE(play.players[1].x, 40);
    writeBytes(huge, "a.ply,/a\r\n" + QByteArray(maxFileBytes, '\n'));
    QVERIFY(!readPlayList(huge));
    writeBytes(huge, "a.ply,/a\r\n");
    QCOMPARE(readPlayList(huge)->size(), 1);

    const QByteArray longField(maxFieldBytes + 1, '7');
    QVERIFY(!read("1\r\nplayer,1, 3 \r\ncoord," + longField + ",5\r\nEND\r\n", ReadPolicy::Strict, play));
    QVERIFY(read("2\r\nplayer,1, 3 \r\ncoord,40,50\r\nEND\r\nplayer,2," + longField + "\r\ncoord,1,1\r\nEND\r\n",
                 ReadPolicy::Lenient, play));
    QCOMPARE(play.players[1].x, 40);
    QCOMPARE(play.players[2].x, 0);
    QCOMPARE(fields("a," + longField + ",b\r\n"), QStringList{"a"});
    QCOMPARE(fields("a,\"" + longField + "\",b\r\n"), QStringList{"a"});
    QCOMPARE(fields("a," + longField.chopped(1) + ",b\r\n").size(), 3);
  }

  void readersAtTheirLimits_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("strictReads");
    QTest::addColumn<int>("players");  // read, when it reads
    const QByteArray onePlayer = "1\r\nplayer,1, 3 \r\ncoord,40,50\r\nEND\r\n";
    const QByteArray exactly16MiB = onePlayer + QByteArray(maxFileBytes - onePlayer.size(), ' ');
    QTest::newRow("a file of exactly 16 MiB") << exactly16MiB << true << 1;
    QTest::newRow("a file one byte larger") << exactly16MiB + ' ' << false << 0;
    QByteArray hundred = "100\r\n";
    for (int i = 1; i <= maxPlayers; ++i) hundred += "player," + QByteArray::number(i) + ", 1 \r\ncoord,5,5\r\nEND\r\n";
    QTest::newRow("a count of 100") << hundred << true << 100;
    QTest::newRow("a count of 101") << QByteArray(hundred).replace(0, 3, "101") << false << 0;
    const QByteArray field64KiB = "1\r\nplayer,1, 3 \r\ncoord,40," + QByteArray(maxFieldBytes - 2, '0') + "50\r\nEND\r\n";
    QTest::newRow("a field of exactly 64 KiB") << field64KiB << true << 1;
    QTest::newRow("a field one byte longer") << QByteArray(field64KiB).insert(40, '0') << false << 0;
  }

  // Read from a file, under the strict policy: what is read and what is refused.
  void readersAtTheirLimits() {
    QFETCH(QByteArray, text);
    QFETCH(bool, strictReads);
    QFETCH(int, players);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("limit.ply"));
    writeBytes(path, text);
    Play play;
    ReadFailure failure;
    QCOMPARE(readPlayFile(path, ReadPolicy::Strict, play, &failure), strictReads);
    if (strictReads) QCOMPARE(play.placedCount(), players);
    if (text.size() > maxFileBytes) QCOMPARE(failure.why, QStringLiteral("it is larger than 16 MiB"));
    QCOMPARE(readRegularFile(path)->whole, text.size() <= maxFileBytes);
  }

  void playTitleIsTheLastPartOfThePath() {
    QCOMPARE(playTitle(QStringLiteral("C:\\Plays\\sweep.ply")), QStringLiteral("sweep.ply"));
    QCOMPARE(playTitle(QStringLiteral("/home/coach/a.ply")), QStringLiteral("a.ply"));
    QCOMPARE(playTitle(QStringLiteral("plain.ply")), QStringLiteral("plain.ply"));
  }

  void writingReplacesTheFileWholeOrNotAtAll() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("play.ply"));
    writeBytes(path, "old content");
    QVERIFY(writePlayFile(path, twoPlayers()));
    QCOMPARE(readBytes(path), twoPlayersText);
    QVERIFY(!writePlayFile(folder.filePath(QStringLiteral("missing/play.ply")), twoPlayers()));
    Play back;
    QVERIFY(readPlayFile(path, ReadPolicy::Strict, back));
    QVERIFY(!readPlayFile(folder.filePath(QStringLiteral("none.ply")), ReadPolicy::Lenient, back));
  }

  void appendsPlayListLines() {
    QTemporaryDir folder;
    const QString list = folder.filePath(QStringLiteral("plays.ini"));
    QVERIFY(appendPlayListLine(list, QStringLiteral("a.ply"), QStringLiteral("/p/a.ply")));
    QVERIFY(appendPlayListLine(list, QStringLiteral("b.ply"), QStringLiteral("/q/b.ply")));
    QCOMPARE(readBytes(list), QByteArray("a.ply,/p/a.ply\r\nb.ply,/q/b.ply\r\n"));
    // A list cut in the middle of a line gets a line end before the next line.
    writeBytes(list, "a.ply,/p/a.ply\r\nb.pl");
    QVERIFY(appendPlayListLine(list, QStringLiteral("c.ply"), QStringLiteral("/c.ply")));
    QVERIFY(appendPlayListLine(list, QStringLiteral("d.ply"), QStringLiteral("/d.ply")));
    QCOMPARE(readBytes(list), QByteArray("a.ply,/p/a.ply\r\nb.pl,\r\nc.ply,/c.ply\r\nd.ply,/d.ply\r\n"));
    writeBytes(list, "a.ply,/p/a.p");
    QVERIFY(appendPlayListLine(list, QStringLiteral("c.ply"), QStringLiteral("/c.ply")));
    QCOMPARE(readBytes(list), QByteArray("a.ply,/p/a.p\r\nc.ply,/c.ply\r\n"));
    QCOMPARE(readPlayList(list)->last().name, QStringLiteral("c.ply"));
    QVERIFY(!appendPlayListLine(folder.filePath(QStringLiteral("none/plays.ini")), QString(), QString()));
  }

  // A moved play's entries follow it, the other lines byte for byte; a
  // place the list cannot hold (a comma, a line end) leaves them out.
  void movedPlaysAreFollowedOrLeftOut_data() {
    QTest::addColumn<QString>("to");
    QTest::addColumn<QByteArray>("list");
    const QByteArray kept = "a.ply,/p/a.ply\r\n";
    QTest::newRow("renamed") << "/p/c.ply" << kept + "c.ply,/p/c.ply\r\nb.ply,/q/b.ply";
    QTest::newRow("into a folder with a comma") << "/p/Red, Zone/b.ply" << kept + "b.ply,/q/b.ply";
    QTest::newRow("a name with a line end") << "/p/b\n.ply" << kept + "b.ply,/q/b.ply";
  }

  void movedPlaysAreFollowedOrLeftOut() {
    QFETCH(QString, to);
    QFETCH(QByteArray, list);
    const QByteArray held = "a.ply,/p/a.ply\r\nb.ply,/p/b.ply\r\nb.ply,/q/b.ply";
    QCOMPARE(playListWithMovedPlay(held, QStringLiteral("/p/b.ply"), to), list);
  }
};

QTEST_MAIN(PlayFileTest)
#include "test_playfile.moc"
