#include "app/settings/configuration.h"
#include "app/support/fakeplatform.h"
#include "core/settings/colors.h"
#include "core/settings/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

Settings readFrom(const QByteArray& bytes) {
  BytesDevice device(bytes);
  Settings settings;
  readSettings(device, settings);
  return settings;
}

const QByteArray builtInFile = "speed, 20\r\nline, Color\r\noffence, Color\r\ndeffence, Color\r\nsync, 0 \r\n";

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void colourTableIsExactAndCaseSensitive() {
    QCOMPARE(colorNames(), (QStringList{"vbBlack", "vbWhite", "vbRed", "vbBlue"}));
    QCOMPARE(colorFromName(QStringLiteral("vbRed")), 255u);
    QCOMPARE(colorFromName(QStringLiteral("vbBlue")), 16711680u);
    QCOMPARE(colorFromName(QStringLiteral("vbWhite")), 16777215u);
    QCOMPARE(colorFromName(QStringLiteral("vbred")), 0u);
    QCOMPARE(colorFromName(QStringLiteral(" vbRed")), 0u);
    QCOMPARE(colorFromName(QStringLiteral("Color")), 0u);
    QVERIFY(isTableColor(0) && isTableColor(255) && !isTableColor(navy));
    QCOMPARE(toQColor(255), QColor(255, 0, 0));
    QCOMPARE(fromQColor(QColor(0, 0, 128)), navy);
  }

  void recordsSetTheirKeysInAnyOrder() {
    const Settings only = readFrom("speed, 50\r\n");
    QCOMPARE(only.speed, QStringLiteral("50"));
    QCOMPARE(only.line, QStringLiteral("Color"));
    QCOMPARE(only.sync, std::int16_t(0));

    const Settings all = readFrom("sync, 1 \r\ndeffence, vbBlue\r\nline, vbRed\r\noffence,vbWhite\r\nspeed, 30\r\n"
                                  "speed, 40");
    QCOMPARE(all.speed, QStringLiteral("40"));  // no line end at the end, and the last value wins
    QCOMPARE(all.line, QStringLiteral("vbRed"));
    QCOMPARE(all.offence, QStringLiteral("vbWhite"));
    QCOMPARE(all.deffence, QStringLiteral("vbBlue"));
    QCOMPARE(all.sync, std::int16_t(1));
    QCOMPARE(readFrom("line, \"vbRed\"\r\n").line, QStringLiteral("vbRed"));
  }

  void keysInOtherCasesAreSkipped() {
    const Settings settings = readFrom("Speed, 50\r\nSPEED, 60\r\nline, vbBlue\r\n");
    QCOMPARE(settings.speed, QStringLiteral("20"));
    QCOMPARE(settings.line, QStringLiteral("vbBlue"));
  }

  void aBadRecordStopsTheReading() {
    const Settings settings = readFrom("speed, 50\r\nsync, 5 \r\nline, vbRed\r\n");
    QCOMPARE(settings.speed, QStringLiteral("50"));
    QCOMPARE(settings.sync, std::int16_t(0));
    QCOMPARE(settings.line, QStringLiteral("Color"));
    QCOMPARE(readFrom("sync, 99999\r\nspeed, 3\r\n").speed, QStringLiteral("20"));
    QCOMPARE(readFrom("line, vbRed\r\nspeed").line, QStringLiteral("vbRed"));  // the key without a value
    QCOMPARE(readFrom("sync, 2").sync, std::int16_t(2));
  }

  void anyContentIsReadWithoutHarm() {
    QCOMPARE(readFrom("").speed, QStringLiteral("20"));
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 131) % 256);
    readFrom(binary);
    const Settings huge = readFrom(QByteArray(2'000'000, ',') + "speed, 7\r\n");
    QCOMPARE(huge.speed, QStringLiteral("7"));
  }

  void writesTheFiveLines() {
    QCOMPARE(settingsFileText(Settings{}), builtInFile);
    Settings changed{QStringLiteral("1.5"), QStringLiteral("vbRed"), QStringLiteral("x y"), QString(), 1};
    QCOMPARE(settingsFileText(changed),
             QByteArray("speed, 1.5\r\nline, vbRed\r\noffence, x y\r\ndeffence, \r\nsync, 1 \r\n"));
  }

  void dialogHasItsControlsInPlace() {
    FakePlatform platform;
    Configuration dialog(platform, platform.dataFile(QStringLiteral("config.ini")));
    QCOMPARE(dialog.objectName(), QStringLiteral("Configuration"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Customize Settings.."));
    QCOMPARE(dialog.size(), QSize(336, 161));
    QCOMPARE(dialog.Speed->geometry(), QRect(144, 40, 137, 19));
    QCOMPARE(dialog.lineColor->geometry(), QRect(144, 72, 137, 21));
    QCOMPARE(dialog.Sync->geometry(), QRect(16, 104, 265, 25));
    QCOMPARE(dialog.Apply->text(), QStringLiteral("&Apply"));
    QCOMPARE(dialog.Command1->geometry(), QRect(176, 136, 105, 25));
    QVERIFY(dialog.offenceColor->isHidden() && dialog.deffencecolor->isHidden() && dialog.Label2_2->isHidden());
    QVERIFY(!dialog.Label3->isHidden());
    QCOMPARE(dialog.lineColor->currentText(), QStringLiteral("Color"));
    QCOMPARE(dialog.lineColor->count(), 4);
    QCOMPARE(dialog.lineColor->itemText(2), QStringLiteral("vbRed"));
    QCOMPARE(dialog.current().speed, QStringLiteral("20"));
  }

  void applyChecksTheSpeedAndWritesTheFile() {
    FakePlatform platform;
    const QString path = platform.dataFile(QStringLiteral("config.ini"));
    Configuration dialog(platform, path);
    dialog.show();
    for (const char* bad : {"1", "1000", "fast", "", "-5"}) {
      platform.answers << Answer::Ok;
      dialog.Speed->setText(QString::fromLatin1(bad));
      QTest::mouseClick(dialog.Apply, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(platform.messages.size(), 5);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Speed must be 1<speed<1000"));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Warining"));
    QCOMPARE(platform.messages[0].icon, Icon::Critical);
    QCOMPARE(platform.messages[0].buttons, Buttons::Ok);

    dialog.Speed->setText(QStringLiteral("999"));
    dialog.lineColor->setEditText(QStringLiteral("vbBlue"));
    dialog.Sync->setChecked(true);
    QTest::mouseClick(dialog.Apply, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readBytes(path),
             QByteArray("speed, 999\r\nline, vbBlue\r\noffence, Color\r\ndeffence, Color\r\nsync, 1 \r\n"));
    dialog.Speed->setText(QStringLiteral("2"));
    dialog.Sync->setChecked(false);
    dialog.Apply_Click();
    QCOMPARE(readBytes(path).left(10), QByteArray("speed, 2\r\n"));
    QVERIFY(readBytes(path).endsWith("sync, 0 \r\n"));
    QCOMPARE(platform.messages.size(), 5);
  }

  // A text that would not read back as written is refused, and nothing is written.
  void applyRefusesTextsTheFileCannotHold() {
    FakePlatform platform;
    const QString path = platform.dataFile(QStringLiteral("config.ini"));
    writeBytes(path, builtInFile);
    Configuration dialog(platform, path);
    dialog.show();
    dialog.Sync->setChecked(true);
    const QList<QPair<QString, QString>> bad = {{"20", "red,blue"}, {"20", "say \"red\""}, {"20", "red\nsync, 2"},
                                                {"20", "red\r"},    {"30,5", "vbRed"}, {" 20", "vbRed"}, {"20", "\tvbRed"}};
    for (const auto& [speed, line] : bad) {
      platform.messages.clear();
      platform.answers << Answer::Ok;
      dialog.Speed->setText(speed);
      dialog.lineColor->setEditText(line);
      dialog.Apply_Click();
      QCOMPARE(platform.messages.size(), 1);
      QCOMPARE(platform.messages[0].icon, Icon::Critical);
      QVERIFY(platform.messages[0].text.startsWith(QStringLiteral("The settings cannot hold")));
      QVERIFY(dialog.isVisible());
      QCOMPARE(readBytes(path), builtInFile);
    }
    dialog.Speed->setText(QStringLiteral("30"));
    dialog.lineColor->setEditText(QStringLiteral("red blue"));
    dialog.Apply_Click();
    QCOMPARE(readFrom(readBytes(path)).line, QStringLiteral("red blue"));
    QCOMPARE(readFrom(readBytes(path)).sync, std::int16_t(1));
  }

  void applyThatCannotWriteSaysSoAndStaysOpen() {
    FakePlatform platform;
    writeBytes(platform.folder.filePath(QStringLiteral("a-file")), "not a folder");
    const QString path = platform.folder.filePath(QStringLiteral("a-file/config.ini"));
    Configuration dialog(platform, path);
    dialog.show();
    platform.answers << Answer::Ok;
    dialog.Apply_Click();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(path));
    QCOMPARE(platform.messages[0].icon, Icon::Critical);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Speed->text(), QStringLiteral("20"));
  }

  void applyOverASettingsFolderKeepsTheDirectoryAndSaysSo() {
    FakePlatform platform;
    const QString path = platform.dataFile(QStringLiteral("config.ini"));
    QDir().mkpath(path);
    Configuration dialog(platform, path);
    dialog.loadSettings();
    QCOMPARE(dialog.Speed->text(), QStringLiteral("20"));
    platform.answers << Answer::Ok;
    dialog.Apply_Click();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(QFileInfo(path).isDir());
  }

  void loadingPutsTheFileIntoTheControls() {
    FakePlatform platform;
    const QString path = platform.dataFile(QStringLiteral("config.ini"));
    Configuration dialog(platform, path);
    dialog.loadSettings();  // no file: the built-in values stay
    QCOMPARE(dialog.current().line, QStringLiteral("Color"));
    writeBytes(path, "speed, 45\r\nline, vbWhite\r\nsync, 2 \r\n");
    dialog.loadSettings();
    QCOMPARE(dialog.Speed->text(), QStringLiteral("45"));
    QCOMPARE(dialog.lineColor->currentText(), QStringLiteral("vbWhite"));
    QCOMPARE(dialog.syncValue(), std::int16_t(2));
    writeBytes(path, "sync, 1 \r\n");
    dialog.loadSettings();
    QCOMPARE(dialog.syncValue(), std::int16_t(1));
  }

  void cancelAndTheCloseBoxHideKeepingTheValues() {
    FakePlatform platform;
    const QString path = platform.dataFile(QStringLiteral("config.ini"));
    Configuration dialog(platform, path);
    dialog.show();
    dialog.Speed->setText(QStringLiteral("75"));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Speed->text(), QStringLiteral("75"));
    dialog.show();
    dialog.lineColor->setEditText(QStringLiteral("vbRed"));
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.lineColor->currentText(), QStringLiteral("vbRed"));
    QVERIFY(!QFile::exists(path));
  }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
