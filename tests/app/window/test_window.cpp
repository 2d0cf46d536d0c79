#include "app/settings/configuration.h"
#include "app/support/window.h"
#include "app/widgets/about.h"
#include "app/widgets/controls.h"
#include "app/widgets/splash.h"
#include "core/files/recovery.h"
#include "core/model/routes.h"
#include "core/settings/colors.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

class WindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startsWithAnEmptyUntitledPlay() {
    TestWindow w;
    QCOMPARE(w->windowTitle(), QStringLiteral("Moxten Open..Untitled"));
    QCOMPARE(w->playerCount, std::int16_t(0));
    QCOMPARE(w->playFileName, QStringLiteral("Untitled"));
    QCOMPARE(w->isSaved, flagTrue);
    QCOMPARE(w->editMode, std::int16_t(None));
    QCOMPARE(w->mouseLockOn, flagFalse);
    QCOMPARE(w->objectName(), QStringLiteral("Moxten"));
    QVERIFY(w->StatusBar1->currentMessage().isEmpty());
    QCOMPARE(w->StatusBar1->objectName(), QStringLiteral("StatusBar1"));
    // A left press with no tool chosen places nothing.
    const QImage before = w.field().image().copy();
    w.click(QPoint(300, 300));
    QCOMPARE(w->playerCount, std::int16_t(0));
    QCOMPARE(w.field().image(), before);
  }

  void toolColumnShowsItsControlsInOrderWithGapsForHiddenOnes() {
    TestWindow w;
    QWidget* const visible[] = {w->XBox, w->obox, w->sbox, w->motion, w->plays, w->LoadPlay, w->Quarterback,
                                w->intended, w->PassingPlay, w->AnimateButton, w->ResetButton};
    for (QWidget* control : visible) QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    for (QWidget* hidden : std::initializer_list<QWidget*>{w->Players, w->PlayerN, w->movements, w->colorbox,
                                                           w->Path, w->updateButton, w->football})
      QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    QCOMPARE(w->XBox->y(), w->obox->y());
    QVERIFY(w->XBox->x() < w->obox->x() && w->obox->x() < w->sbox->x());
    QWidget* const column[] = {w->motion, w->PlayerN, w->movements, w->colorbox, w->Path, w->plays, w->LoadPlay,
                               w->Quarterback, w->intended, w->PassingPlay, w->updateButton, w->AnimateButton,
                               w->ResetButton};
    for (size_t i = 1; i < std::size(column); ++i) {
      QCOMPARE(column[i]->x(), column[0]->x());
      QVERIFY(column[i]->y() > column[i - 1]->y() + column[i - 1]->height());
    }
    // Showing the path controls moves nothing else.
    const QPoint plays = w->plays->pos();
    w->motion_Click();
    QCOMPARE(w->plays->pos(), plays);
  }

  void layoutFollowsTheWindowScale_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("1000x700") << QSize(1000, 700);
    QTest::newRow("1600x1000") << QSize(1600, 1000);
  }

  void layoutFollowsTheWindowScale() {
    QFETCH(QSize, size);
    TestWindow w(size);
    const QSize inner = w->centralWidget()->size();
    const double unitX = inner.width() / 792.0, unitY = inner.height() / 576.0;
    const QRect field = w->Field->geometry();
    QVERIFY(std::abs(field.width() - inner.width() * 5.0 / 6) <= 1);
    QVERIFY(std::abs(field.height() - inner.height() * 0.95) <= 1);
    QVERIFY(std::abs(field.x() - 10 * unitX) <= 1);
    QVERIFY(std::abs(field.y() - 10 * unitY) <= 1);
    QVERIFY(std::abs(w->XBox->x() - (field.x() + field.width() + 10 * unitX)) <= 1);
    QVERIFY(std::abs(w->obox->x() - (w->XBox->x() + 36 + 2 * unitX)) <= 1);
    QVERIFY(std::abs(w->motion->y() - (10 * unitY + 33 + 10 * unitY)) <= 1);
    QCOMPARE(w->motion->size(), QSize(113, 33));
    QCOMPARE(w->plays->size(), QSize(113, 21));
    QCOMPARE(w->PassingPlay->size(), QSize(113, 20));
    QCOMPARE(w->XBox->size(), QSize(36, 36));
    QVERIFY(w.field().image().width() >= field.width());
  }

  void controlsCarryTheirCaptionsAndToolTips() {
    TestWindow w;
    QCOMPARE(w->XBox->toolTip(), QStringLiteral("Draw deffence"));
    QCOMPARE(w->obox->toolTip(), QStringLiteral("Draw offence"));
    QCOMPARE(w->sbox->toolTip(), QStringLiteral("Draw center"));
    QCOMPARE(w->motion->text(), QStringLiteral("&Motion"));
    QCOMPARE(w->Path->text(), QStringLiteral("C&reate Path"));
    QCOMPARE(w->movements->toolTip(), QStringLiteral("# of movements "));
    QCOMPARE(w->PlayerN->currentText(), QStringLiteral("Player"));
    QCOMPARE(w->movements->currentText(), QStringLiteral("Movements"));
    QCOMPARE(w->colorbox->currentText(), QStringLiteral("Color"));
    QCOMPARE(w->plays->currentText(), QStringLiteral("Plays"));
    QCOMPARE(w->Quarterback->currentText(), QStringLiteral("QuarterBack"));
    QCOMPARE(w->Quarterback->toolTip(), QStringLiteral("The Quartebacks number"));
    QCOMPARE(w->intended->toolTip(), QStringLiteral("# of the intended reciever"));
    QCOMPARE(w->PassingPlay->text(), QStringLiteral("Passing Play"));
    QVERIFY(!w->PassingPlay->isChecked());
    QCOMPARE(w->updateButton->objectName(), QStringLiteral("update"));
    QCOMPARE(w->AnimateButton->toolTip(), QStringLiteral("Click to animate current play"));
    QCOMPARE(w->ResetButton->text(), QStringLiteral("&Reset"));
    QCOMPARE(w->LoadPlay->toolTip(), QStringLiteral("Load all created plays"));
    QCOMPARE(w->football->size(), QSize(29, 29));
    QCOMPARE(w->football->parentWidget(), w->Field);
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("Field")), w->Field);
  }

  // The menus in order with their items, no access key twice in a menu;
  // shortcut keys only where the desktop's standard keys or the tools' keys belong.
  void menusHaveTheirAccessKeysAndNoShortcuts() {
    TestWindow w;
    QStringList routes;
    for (const RouteChoice& choice : routeChoices()) {
      if (choice.name == RouteName::Wheel || choice.name == RouteName::PassSet || choice.name == RouteName::DeepThird)
        routes << QString();
      routes << QString::fromLatin1(choice.caption);
    }
    const QList<QPair<QString, QStringList>> expected = {
        {"&File",
         {"&New", "&Open", "Open Play&book...", "&Save", "Save &Again", "", "Export &Picture...",
          "Export Ani&mation...", "Export &Video...", "Export Pa&ge...", "Export Playboo&k...", "P&rint Playbook...",
          "Print &Wristband...", "Print &Call Sheet...", "Print Play vs &Defences...", "Print Scou&t Cards...", "",
          "&Quit"}},
        {"&Edit",
         {"&Undo", "&Redo", "", "&Select", "R&oute", "&Delete", "Select &All", "&Flip Play", "Flip &Labels and Call", "", "Cu&t", "&Copy",
          "&Paste", "", "Player Propert&ies..."}},
        {"&View",
         {"&Classic Field", "&Football Field", "Pap&er", "", "&High School", "C&ollege", "&Pro", "", "&Snap to Yards", "",
          "&Zoom to Fit", "Zoom &In", "Zoom O&ut", "Ac&tual Size", "", "Play&book", "&Rule Book", "", "&Against",
          "Next &Defence"}},
        {"F&ormations",
         {"Pro I", "Shotgun Spread 2x2", "Trips Right", "Empty 3x2", "Pistol", "Singleback Ace", "I Twins", "Wing T",
          "", "4-3 Over", "3-4", "Nickel 4-2-5", "Dime", "46", "5-2 youth", "", "&Save Formation..."}},
        {"Ro&utes", routes},
        {"&Mouse", {"&X-locked", "&Y-lock"}},
        {"&Animate", {"A&nimate", "&Reset", "&Preview"}},
        {"&Config", {"&Panel"}},
        {"&Play", {"&Show All", "Play &Properties..."}},
        {"A&bout", {"&About"}}};
    const QStringList withKeys = {"&New",  "&Open", "Save &Again", "&Quit",       "&Undo", "&Redo",
                                  "&Select", "R&oute", "&Delete", "Select &All", "Cu&t", "&Copy", "&Paste",
                                  "&Preview", "Next &Defence", "Zoom &In", "Zoom O&ut", "Ac&tual Size"};
    const QList<QAction*> menus = w->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (qsizetype i = 0; i < menus.size(); ++i) {
      QCOMPARE(menus[i]->text(), expected[i].first);
      QStringList items;
      QList<QKeySequence> accessKeys;
      for (QAction* item : menus[i]->menu()->actions()) {
        items << item->text();
        QVERIFY2(item->shortcut().isEmpty() != withKeys.contains(item->text()) || item->isSeparator(),
                 qPrintable(item->text()));
        const QKeySequence key = QKeySequence::mnemonic(item->text());
        QVERIFY2(key.isEmpty() || !accessKeys.contains(key), qPrintable(item->text() + QStringLiteral(" repeats a key")));
        accessKeys << key;
      }
      QCOMPARE(items, expected[i].second);
    }
    QCOMPARE(w->saveAgain->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(w->routeTool->shortcut(), QKeySequence(Qt::Key_R));
    QCOMPARE(w->redo->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
    QCOMPARE(w->selectTool->shortcut(), QKeySequence(Qt::Key_Escape));
    const QStringList names = {"File", "edit", "view", "formations", "routes", "mouse", "Animatation", "config", "play", "abt"};
    for (const QString& name : names) QVERIFY2(w->findChild<QMenu*>(name), qPrintable(name));
    for (const char* name : {"new", "Open", "save", "exportPicture", "exportAnimation", "exportPlaybook",
                             "printPlaybook", "quit", "xlock", "ylock", "Animate", "Reset", "panel",
                             "showall", "about", "classicField", "footballField", "paperField", "highSchool",
                             "college", "pro", "snapToYards", "saveAgain", "routeTool", "copyPlayers", "cutPlayers",
                             "pastePlayers", "saveFormation", "preview", "exportVideo", "openPlaybook", "routeSlant", "routeBlitz", "formationProI",
                             "formation43Over"})
      QVERIFY2(w->findChild<QAction*>(QLatin1String(name)), name);
    QVERIFY(!w->xlock->isChecked() && !w->ylock->isChecked() && !w->showall->isChecked());
  }

  void accessKeysOpenMenusAndMoveBetweenButtons() {
    TestWindow w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QCOMPARE(w->AnimateButton->text(), QStringLiteral("&Animate"));
    QCOMPARE(w->motion->text(), QStringLiteral("&Motion"));
    const QList<QPair<Qt::Key, QMenu*>> menus = {{Qt::Key_A, w->Animatation}, {Qt::Key_M, w->mouse}};
    for (const auto& [key, menu] : menus) {
      QTest::keyClick(w.window.get(), key, Qt::AltModifier);
      QTRY_VERIFY(menu->isVisible());
      menu->close();
      QTRY_VERIFY(!menu->isVisible());
    }
    QCOMPARE(w->LoadPlay->shortcut(), QKeySequence(QStringLiteral("Alt+L")));
    w->motion_Click();  // "C&reate Path" and "&Reset" both show Alt+R
    QTest::keyClick(w.window.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(w->Path->hasFocus() || w->ResetButton->hasFocus());
    QWidget* first = QApplication::focusWidget();
    QTest::keyClick(w.window.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(QApplication::focusWidget() != first);
    QVERIFY(w->Path->hasFocus() || w->ResetButton->hasFocus());
    QVERIFY(w.platform.messages.isEmpty());
  }

  // A screen reader can name every control of the three windows and every
  // menu item; the tool pictures and the column work from the keyboard.
  void everyControlAndItemHasAnAccessibleName() {
    TestWindow w;
    w->about_Click();
    QStringList unnamed;
    for (QWidget* root : {static_cast<QWidget*>(w.window.get()), static_cast<QWidget*>(w->configuration),
                          static_cast<QWidget*>(w->aboutWindow.data())})
      for (QWidget* widget : root->findChildren<QWidget*>()) {
        // The parts of a drop-down box, a spin box, a text box or a list are named by it.
        bool inBox = false;
        for (QWidget* above = widget->parentWidget(); above; above = above->parentWidget())
          inBox |= qobject_cast<QComboBox*>(above) != nullptr || qobject_cast<QAbstractSpinBox*>(above) != nullptr ||
                   qobject_cast<QLineEdit*>(above) != nullptr || qobject_cast<QAbstractScrollArea*>(above) != nullptr;
        if (qobject_cast<QMenu*>(widget) || inBox) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).isEmpty())
          unnamed << QLatin1String(widget->metaObject()->className()) + u' ' + widget->objectName();
      }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->XBox)->text(QAccessible::Name), QStringLiteral("Draw deffence"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->LoadPlay)->text(QAccessible::Description),
             QStringLiteral("Load all created plays"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->configuration->Speed)->text(QAccessible::Name),
             QStringLiteral("Speed in mil-secs"));
    for (QAction* title : w->menuBar()->actions()) {
      QAccessibleInterface* items = QAccessible::queryAccessibleInterface(title->menu());
      QCOMPARE(items->childCount(), title->menu()->actions().size());
      for (int i = 0; i < items->childCount(); ++i)
        if (!title->menu()->actions()[i]->isSeparator()) QVERIFY(!items->child(i)->text(QAccessible::Name).isEmpty());
    }

    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w->XBox->setFocus();
    const QList<QWidget*> column = {w->XBox,  w->obox,        w->sbox,     w->motion,      w->plays,
                                    w->LoadPlay, w->Quarterback, w->intended, w->PassingPlay, w->AnimateButton,
                                    w->ResetButton};
    const std::int16_t modes[] = {PlaceDefence, PlaceOffence, PlaceCentre};
    for (qsizetype i = 0; i < column.size(); ++i) {
      QCOMPARE(QApplication::focusWidget(), column[i]);
      if (i < 3) {
        QTest::keyClick(column[i], Qt::Key_Space);
        QCOMPARE(w->editMode, modes[i]);
      }
      QTest::keyClick(column[i], Qt::Key_Tab);
    }
  }

  void fieldShowsItsMarksAfterStartUp() {
    TestWindow w;
    QCOMPARE(w.pixel(40, 1), yellow);
    QCOMPARE(w.pixel(40, 219), yellow);
    QCOMPARE(w.pixel(40, 22), yellow);
    QCOMPARE(w.pixel(300, 300), fieldGreen);
    QCOMPARE(w.field().foreColor, navy);
    const QImage shown = w->Field->grab().toImage();
    QCOMPARE(QColor(shown.pixel(40, 1)), QColor(255, 255, 0));
    QCOMPARE(QColor(shown.pixel(300, 300)), toQColor(fieldGreen));
  }

  void fieldKeepsItsPictureWhenTheWindowGrows() {
    TestWindow w(QSize(900, 650));
    w->obox_Click();
    w.click(QPoint(600, 300));
    w->resize(1600, 1000);
    QTRY_VERIFY(w->Field->width() > 1200);
    QCOMPARE(w.pixel(625, 315), navy);
    QCOMPARE(w.pixel(40, 1), yellow);
  }

  void aboutWindowIsOneAndComesBackTheSame() {
    TestWindow w;
    for (int round = 0; round < 2; ++round) {
      w->about_Click();
      QPointer<frmAbout> about = w->aboutWindow;
      QVERIFY(about && about->isVisible());
      QVERIFY(!about->isModal());
      QCOMPARE(about->windowTitle(), QStringLiteral("About Moxten"));
      QCOMPARE(about->lblTitle->text(), QStringLiteral("Moxten"));
      QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 1.0.0"));
      QCOMPARE(about->picIcon->pixmap().size(), QSize(432, 216));
      QVERIFY(about->cmdOK->isDefault());
      w->about_Click();
      QCOMPARE(w->aboutWindow, about);
      QTest::mouseClick(about->cmdOK, Qt::LeftButton);
      QTRY_VERIFY(about.isNull());
    }
    w->about_Click();
    QPointer<frmAbout> about = w->aboutWindow;
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(about.isNull());
  }

  void splashOpensTheMainWindowOnTheSecondTick() {
    FakePlatform platform;
    std::unique_ptr<Moxten> window;
    frmSplash splash([&] {
      window = std::make_unique<Moxten>(platform);
      window->show();
    });
    QVERIFY(splash.Timer1.isActive());
    QCOMPARE(splash.Timer1.interval(), 1000);
    splash.show();
    // The title art, drawn when the program was built: turf, and the white title on it.
    const auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image && image->isVisible());
    const QImage art = image->pixmap().toImage();
    QCOMPARE(art.size(), QSize(432, 216));
    QVERIFY(art.pixelColor(10, 100).green() > 2 * art.pixelColor(10, 100).red());
    int white = 0;
    for (int x = 0; x < art.width(); ++x) white += art.pixelColor(x, 40).lightness() > 240;
    QVERIFY2(white > 20, "the title's letters");
    splash.Timer1_Timer();
    QVERIFY(!window);  // not even loaded: the settings and play list are read later
    QVERIFY(splash.isVisible());
    splash.Timer1_Timer();
    QVERIFY(window && window->isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.Timer1.isActive());
  }

  void panelReReadsTheFileAndShowsTheDialogModeless() {
    TestWindow w;
    QCOMPARE(w->configuration->Speed->text(), QStringLiteral("20"));
    writeBytes(w.platform.dataFile(QStringLiteral("config.ini")), "speed, 35\r\nline, vbRed\r\n");
    w->configuration->Speed->setText(QStringLiteral("99"));
    w->panel_Click();
    QVERIFY(w->configuration->isVisible());
    QVERIFY(!w->configuration->isModal());
    QCOMPARE(w->configuration->Speed->text(), QStringLiteral("35"));
    w->configuration->close();
    QVERIFY(!w->configuration->isVisible());
    QCOMPARE(w->configuration->lineColor->currentText(), QStringLiteral("vbRed"));
  }

  void startUpReadsSettingsAndPlayList() {
    FakePlatform platform;
    writeBytes(platform.dataFile(QStringLiteral("config.ini")), "line, vbBlue\r\n");
    writeBytes(platform.dataFile(QStringLiteral("plays.ini")), "a.ply,/p/a.ply\r\nb.ply,/p/b.ply\r\n");
    Moxten window(platform);
    QCOMPARE(window.configuration->lineColor->currentText(), QStringLiteral("vbBlue"));
    QVERIFY(!window.configuration->isVisible());
    QCOMPARE(window.playListCount, std::int16_t(2));
    QCOMPARE(window.playListFiles[2], QStringLiteral("/p/b.ply"));
    QCOMPARE(window.plays->count(), 2);
    QCOMPARE(window.plays->currentText(), QStringLiteral("Plays"));
  }

  void startsWithoutADataFolder() {
    FakePlatform platform;
    QDir(platform.folder.filePath(QStringLiteral("data"))).removeRecursively();
    Moxten window(platform);
    QCOMPARE(window.playListCount, std::int16_t(0));
    window.obox_Click();  // no cursor file: the pointer stays, the tool is chosen
    QCOMPARE(window.editMode, std::int16_t(PlaceOffence));
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
  }

  void quitWithNothingUnsavedEndsAtOnce() {
    TestWindow w;
    QSignalSpy ended(w.window.get(), &Moxten::programEnded);
    w->about_Click();
    QPointer<frmAbout> about = w->aboutWindow;
    w->panel_Click();
    w->quit_Click();
    QCOMPARE(ended.size(), 1);
    QVERIFY(w.platform.messages.isEmpty());
    QVERIFY(!w->isVisible());
    QVERIFY(!w->configuration->isVisible());
    QTRY_VERIFY(about.isNull());
  }

  // The question offers Save, Discard and Cancel; only Discard loses the
  // work, and until then its recovery copy stays.
  void leavingWithUnsavedWorkAsksSaveDiscardOrCancel() {
    TestWindow w;
    QSignalSpy ended(w.window.get(), &Moxten::programEnded);
    w->obox_Click();
    w.click(QPoint(100, 100));
    w->keepRecoveryCopy();
    w->recoveryCopies().finish();
    const QString copy = w->recoveryCopies().path();
    QVERIFY(QFile::exists(copy));
    w.platform.answers << Answer::Cancel << Answer::Cancel;
    w->quit_Click();
    QVERIFY(!w->close());
    QCOMPARE(w.platform.messages.size(), 2);
    for (const Message& asked : w.platform.messages) {
      QCOMPARE(asked.text, QStringLiteral("Would you like to save changes"));
      QCOMPARE(asked.title, QStringLiteral("Save"));
      QCOMPARE(asked.buttons, Buttons::SaveDiscardCancel);
      QCOMPARE(asked.icon, Icon::None);
    }
    QCOMPARE(ended.size(), 0);
    QVERIFY(w->isVisible());
    QCOMPARE(w->isSaved, flagFalse);
    w->recoveryCopies().finish();
    QVERIFY(QFile::exists(copy));
    // Save whose dialog is cancelled keeps the window too.
    w.platform.answers << Answer::Save;
    w.platform.fileAnswers << QString();
    w->quit_Click();
    QCOMPARE(ended.size(), 0);
    QCOMPARE(w->playerCount, std::int16_t(1));
    w.platform.answers << Answer::Discard;
    w->quit_Click();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!w->isVisible());
    w->recoveryCopies().finish();
    QVERIFY(!QFile::exists(copy));
  }

  void leavingAnsweredSaveSavesThenEnds() {
    for (const bool byQuit : {true, false}) {
      TestWindow w;
      QSignalSpy ended(w.window.get(), &Moxten::programEnded);
      w->sbox_Click();
      w.click(QPoint(100, 100));
      const QString path = w.platform.folder.filePath(QStringLiteral("c.ply"));
      w.platform.answers << Answer::Save;
      w.platform.fileAnswers << path;
      if (byQuit)
        w->quit_Click();
      else
        QVERIFY(w->close());
      QCOMPARE(ended.size(), 1);
      QCOMPARE(readBytes(path), QByteArray("1\r\nplayer,1, 2 \r\ncoord,115,115\r\nEND\r\n"));
    }
  }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
