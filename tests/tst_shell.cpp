// The window: control placement and names, menus and shortcuts, the
// drag-follow tick, the pause, the sounds, the images, the data folders and
// the target box's key filter (the game's own boxes and windows are
// tst_dialogs').
#include "FrmMain.h"
#include "Random.h"
#include "TestWindow.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "modules/sound/SoundPlayer.h"
#include "table/FollowMouse.h"
#include "table/ImageList.h"
#include "table/TableWidgets.h"
#include "table/Twips.h"
#include "window/Locations.h"
#include "window/MainWindow.h"
#include "window/NestedPause.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>

namespace {
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

using Window = TableWindow;
} // namespace

class TestShell : public QObject {
    Q_OBJECT
  private slots:
    // Beyond the cards, a screen reader finds the status bar its command
    // reads, Dorvil's hand and the statistics (one group carrying its
    // figures) in the Tab ring, and, once keys play, the table's labels
    // labelling the table, so that it does not read them all again each time
    // a box gives the table back.
    void screenReaderFindsScoresAndStatistics() {
        TableWindow w;
        w.View.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        auto type = [&](Qt::Key key, int times = 1, Qt::KeyboardModifiers mods = {}) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w.View,
                                key, mods);
        };
        QAccessibleInterface* status = QAccessible::queryAccessibleInterface(w.Find("StatusBar1"));
        QCOMPARE(status->role(), QAccessible::StatusBar);
        QCOMPARE(status->childCount(), 4);
        QCOMPARE(status->child(0)->text(QAccessible::Name),
                 w.Find("StatusBar1_Panel1")->accessibleName());
        QAccessibleInterface* info = QAccessible::queryAccessibleInterface(w.Find("LblInfo"));
        QVERIFY(info->relations().isEmpty());
        type(Qt::Key_S); // deals
        QTRY_VERIFY_WITH_TIMEOUT(w.Game.PlayerTurn && w.Game.OppCount == 10, 20000);
        type(Qt::Key_Tab, 3);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.Find("ClientArea"));
        QVERIFY(table->child(2)->state().focused); // Dorvil's hand
        QCOMPARE(info->relations(QAccessible::Labelled).value(0).first, table);
        type(Qt::Key_Tab);
        type(Qt::Key_Tab, 4, Qt::ShiftModifier); // past the stock, round to the last stop
        QAccessibleInterface* stats = QAccessible::queryAccessibleInterface(w.Find("FramStats"));
        QVERIFY(stats->state().focused);
        QCOMPARE(stats->childCount(), 0);
        w.Find("LblMoneyG")->setAccessibleName("$1.25");
        QVERIFY2(stats->text(QAccessible::Name).endsWith("Owed Dorvil $1.25."),
                 qPrintable(stats->text(QAccessible::Name)));
    }

    // The window reads the user's configuration: never the real one.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("client area") << "ClientArea" << QRect(0, 0, 11760, 9525);
        QTest::newRow("status bar") << "StatusBar1" << QRect(0, 9150, 11760, 375);
        QTest::newRow("statistics") << "FramStats" << QRect(8760, 120, 2805, 1635);
        QTest::newRow("target frame") << "FramTarget" << QRect(4560, 480, 2775, 3855);
        QTest::newRow("target box") << "Txtpoints" << QRect(1080, 480, 495, 375);
        QTest::newRow("target button") << "CmdTarget" << QRect(840, 3480, 1095, 255);
        QTest::newRow("stock frame") << "FramDeck" << QRect(120, 1920, 2055, 2535);
        QTest::newRow("discard frame") << "FramDiscard" << QRect(120, 4440, 2055, 2415);
        QTest::newRow("meld area") << "Shape1" << QRect(2280, 2160, 7935, 4575);
        QTest::newRow("heading") << "LblHeading" << QRect(2400, 2280, 7695, 255);
        QTest::newRow("call draw") << "PicDraw" << QRect(360, 6960, 1545, 420);
        QTest::newRow("sort same") << "PicSortSame" << QRect(1680, 7680, 1545, 420);
        QTest::newRow("sort suits") << "PicSortSuits" << QRect(1680, 8280, 1545, 420);
        QTest::newRow("take back") << "PicTakeBack" << QRect(5160, 6240, 1545, 420);
        QTest::newRow("stock outline") << "Shape2" << QRect(360, 360, 1335, 1695);
        QTest::newRow("card 1 before the pack is laid") << "Cds_1" << QRect(5040, 3720, 1065, 1440);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        Window w;
        QWidget* widget = w.Find(name);
        QVERIFY2(widget, qPrintable(name));
        QRect px = widget->geometry();
        if (name != "ClientArea") { // the client area starts below the menu bar
            QCOMPARE(px.x(), qRound(twips.x() / 15.0));
            QCOMPARE(px.y(), qRound(twips.y() / 15.0));
        }
        QCOMPARE(px.width(), qRound(twips.width() / 15.0));
        QCOMPARE(px.height(), qRound(twips.height() / 15.0));
    }

    void startUpShowsThePackAndTheTexts() {
        Window w;
        QCOMPARE(w.View.windowTitle(), QStringLiteral("Meldora "));
        QCOMPARE(w.Find("ClientArea")->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(w.View.Card(52)->pos(), QPoint(qRound(5142 / 15.0), qRound(3618 / 15.0)));
        // card 52 lies above every other card picture
        QWidget* client = w.Find("ClientArea");
        QPoint middle = w.View.Card(52)->geometry().center();
        QCOMPARE(client->childAt(middle), static_cast<QWidget*>(w.View.Card(52)));
        QCOMPARE(w.View.Card(52)->accessibleName(), QStringLiteral("Card back"));
        auto* panel = w.Find<QLabel>("StatusBar1_Panel1");
        QCOMPARE(panel->text(), QStringLiteral("Target:- 100"));
        QCOMPARE(panel->toolTip(), QStringLiteral("Target Points for this game"));
        QCOMPARE(w.Find<QLabel>("StatusBar1_Panel2")->text(),
                 QStringLiteral("Player's current points 0"));
        QCOMPARE(w.Find<QLabel>("StatusBar1_Panel3")->text(),
                 QStringLiteral("Dorvil's current points 0"));
        auto* info = w.Find<QLabel>("LblInfo");
        QVERIFY(info->isVisible());
        QCOMPARE(info->text(),
                 QStringLiteral("Cards shuffled - use menu if you wish and then click on "
                                "pack or press F2 to deal cards."));
        QVERIFY(!w.Find("FramTarget")->isVisible());
        QVERIFY(!w.Find("PicTakeBack")->isVisible());
        QCOMPARE(w.Find<QLabel>("LblTakeBack")->toolTip(),
                 QStringLiteral("Click to take back cards melded"));
        // every named control can be found and read
        for (QWidget* child : w.View.findChildren<QWidget*>()) {
            const QString name = child->objectName();
            if (name.isEmpty() || name.startsWith("qt_")) continue;
            auto* label = qobject_cast<QLabel*>(child);
            bool blankLabel = label && label->text().isEmpty();
            QVERIFY2(!child->accessibleName().isEmpty() || blankLabel, qPrintable(name));
        }
    }

    // The real window end to end: a press takes the face card, a drag follows
    // the pointer, a release over the pile discards, and Dorvil answers.
    void pressDragAndRelease() {
        Window w;
        FrmMain& g = w.Game;
        for (int n : {2, 16, 33})
            g.Cards(n).Place = Where::PlayerHand;
        for (int n : {44, 48})
            g.Cards(n).Place = Where::DorvilHand;
        g.Cards(9).Place = Where::Discard;
        g.FaceCard = 9;
        g.PlayerCount = 3;
        g.OppCount = 2;
        g.StockCount = 52 - 6;
        g.GameInPlay = g.PlayerTurn = true;
        g.LayOutStock();
        g.LayOutOppHand();
        g.LayOutHand(false);
        w.View.MoveCard(9, 680, 5160);
        w.View.ShowCardImage(9, 9);
        QTest::mouseClick(w.View.Card(9), Qt::LeftButton);
        QCOMPARE(g.Cards(9).Place, Where::PlayerHand);
        QVERIFY(g.PlayerHasDrawn);
        CardPicture* card = w.View.Card(33);
        const QPoint start = card->pos();
        QTest::mousePress(card, Qt::LeftButton);
        QVERIFY(w.View.Follower()->Enabled());
        // the pointer travels to the pile; the follower carries the card along
        QCursor::setPos(QCursor::pos() + QPoint(Px(700) - start.x(), Px(5200) - start.y()));
        w.View.Follower()->mObTimer_Timer();
        QCOMPARE(card->pos(), QPoint(Px(700), Px(5200)));
        QTest::mouseRelease(card, Qt::LeftButton);
        QVERIFY(!w.View.Follower()->Enabled());
        QCOMPARE(g.Cards(33).Place, Where::Discard);
        QVERIFY(g.PlayerTurn); // Dorvil has played and handed the turn back
        QCOMPARE(g.OppCount, 2);
        QCOMPARE(w.Find<QLabel>("LblInfo")->text(),
                 QStringLiteral("Player please take either a Discard card or a Stock card by "
                                "clicking on the one you want"));
    }

    void menusAndShortcuts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("new game") << "MnuNew"
                                  << "&New Game" << QKeySequence(Qt::Key_F2);
        QTest::newRow("exit") << "MnuExit"
                              << "E&xit" << QKeySequence(Qt::CTRL | Qt::Key_X);
        QTest::newRow("rules") << "MnuRules"
                               << "Rules and Help" << QKeySequence(Qt::Key_F1);
        QTest::newRow("about") << "MnuAbout"
                               << "&About" << QKeySequence();
        QTest::newRow("target") << "MnuCT"
                                << "&Change Target Points" << QKeySequence(Qt::CTRL | Qt::Key_C);
        QTest::newRow("name") << "MnuPname"
                              << "Enter Your Name" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("erase") << "ErasePoints"
                               << "Erase Statistics" << QKeySequence(Qt::CTRL | Qt::Key_E);
        QTest::newRow("history") << "MnuHistory"
                                 << "Game &History" << QKeySequence(Qt::CTRL | Qt::Key_H);
    }
    void menusAndShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QKeySequence, key);
        Window w;
        auto* action = w.View.findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcut(), key);
        QStringList bar;
        for (QAction* top : w.View.menuBar()->actions())
            bar << top->text();
        QCOMPARE(bar, (QStringList{"&Play", "&Help", "&About", "&Options"}));
    }

    void ctrlEErasesTheStatistics() {
        Window w;
        w.Game.PlayerGamesWon = 4;
        w.Game.PlayerName = QStringLiteral("Ann");
        w.View.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        QTest::keyClick(&w.View, Qt::Key_E, Qt::ControlModifier);
        QFile file(w.Dir.path() + "/Scores.dat");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0,0,0,0,\"Ann\"\r\n"));
        QCOMPARE(w.Find<QLabel>("LblWonP")->text(), QStringLiteral("0"));
        QCOMPARE(w.Find<QLabel>("LblMoneyG")->text(), QStringLiteral("0"));
    }

    // A screen reader can press a menu entry of a window that a message box
    // blocks; the game's handlers wait for the answer, as the mouse does.
    void nothingReachesTheGameBehindAMessageBox() {
        Window w;
        w.Game.PlayerGamesWon = 4;
        int wonInside = -1;
        QTimer::singleShot(50, [&] {
            w.View.findChild<QAction*>("ErasePoints")->trigger();
            wonInside = w.Game.PlayerGamesWon;
            QTest::mouseClick(w.View.MessageBox()->Face(0)->Caption(), Qt::LeftButton);
        });
        w.Game.Dispatch([&] { w.Game.CmdTarget(); });
        QCOMPARE(wonInside, 4);
        w.View.findChild<QAction*>("ErasePoints")->trigger();
        QCOMPARE(w.Game.PlayerGamesWon, 0);
    }

    void disabledMenusKeepTheirShortcutsQuiet() {
        Window w;
        w.View.EnableMenu(Menu::MnuOptions, false);
        QVERIFY(!w.View.findChild<QAction*>("ErasePoints")->isEnabled());
        w.View.EnableMenu(Menu::MnuOptions, true);
        QVERIFY(w.View.findChild<QAction*>("ErasePoints")->isEnabled());
    }

    void targetBoxFiltersKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters swallowed") << "a7b"
                                           << "7";
        QTest::newRow("one point only") << "5.."
                                        << "5.";
        QTest::newRow("minus only first") << "-5-"
                                          << "-5";
        QTest::newRow("three characters at most") << "12345"
                                                  << "123";
    }
    void targetBoxFiltersKeys() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Window w;
        auto* box = w.Find<QLineEdit>("Txtpoints");
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), shown);
    }

    void followTickKeepsTheGrabOffset() {
        QWidget parent;
        parent.resize(400, 400);
        QWidget card(&parent);
        card.setGeometry(100, 100, 71, 96);
        QPoint pointer(500, 500);
        clsObjectFollowMouse follow([&] { return pointer; });
        QTimer timer;
        follow.SetTimer(&timer);
        QCOMPARE(timer.interval(), 1);
        QVERIFY(!timer.isActive());
        follow.SetObject(&card);
        follow.SetEnabled(true);
        QVERIFY(timer.isActive());
        pointer = QPoint(515, 504);
        follow.mObTimer_Timer();
        pointer = QPoint(530, 510);
        for (int tick = 0; tick < 7; ++tick)
            follow.mObTimer_Timer();
        QCOMPARE(card.pos(), QPoint(130, 110));
        follow.SetEnabled(false);
        follow.SetEnabled(false);
        QVERIFY(!timer.isActive());
        pointer = QPoint(0, 0);
        follow.mObTimer_Timer();
        QCOMPARE(card.pos(), QPoint(130, 110)); // left where the last tick put it
    }

    void pauseWaitsLetsEventsInAndIdles() {
        bool stop = false;
        bool clicked = false;
        QPushButton button;
        connect(&button, &QPushButton::clicked, [&] { clicked = true; });
        QTimer::singleShot(40, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
        QElapsedTimer clock;
        clock.start();
        double cpu = CpuSeconds();
        NestedPause(300, stop);
        qint64 elapsed = clock.elapsed();
        cpu = CpuSeconds() - cpu;
        QVERIFY2(elapsed >= 300, qPrintable(QString::number(elapsed)));
        QVERIFY(clicked);
        QVERIFY2(cpu < 0.15, qPrintable(QString::number(cpu))); // a busy loop would burn all 0.3 s
        stop = true;
        clock.restart();
        NestedPause(5000, stop);
        QVERIFY(clock.elapsed() < 1000);
    }

    void soundsPlayOrStaySilent() {
        QTemporaryDir empty;
        for (const QString& folder : {empty.path(), QStringLiteral(DATA_DIR)}) {
            SoundPlayer sounds(folder);
            for (Sound s : {Sound::Card, Sound::Down, Sound::Shuffle, Sound::Ringout, Sound::Card})
                sounds.Play(s);
        }
        QVERIFY(QFile::exists(QStringLiteral(DATA_DIR "/ringout.wav")));
    }

    void imagesWithAndWithoutTheDeck() {
        ImageList plain(QStringLiteral("/nonexistent.svgz"), 2.0);
        QVERIFY(!plain.HasDeck());
        QPixmap ace = plain.Image(14);
        QCOMPARE(ace.deviceIndependentSize().toSize(), QSize(71, 96));
        QCOMPARE(ace.size(), QSize(142, 192)); // crisp at twice the density
        QVERIFY(ace.toImage() != plain.Image(53).toImage());
        QCOMPARE(plain.Pointer(54).hotSpot(), QPoint(12, 1));
        QCOMPARE(plain.Pointer(55).hotSpot(), QPoint(16, 14));
        QCOMPARE(plain.Pointer(56).hotSpot(), QPoint(12, 1));
        QCOMPARE(plain.PointerImage(56).deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(MessageIcon(4, 1.0).size(), QSize(24, 22));
        QCOMPARE(MessageIcon(1, 1.0).size(), QSize(32, 32));
        QCOMPARE(ImageList::ButtonBar(1.0).size(), QSize(100, 25));
        const QString deck = QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz");
        if (QFile::exists(deck)) {
            ImageList svg(deck, 1.0);
            QVERIFY(svg.HasDeck());
            QImage face = svg.Image(1).toImage();
            QCOMPARE(face.size(), QSize(71, 96));
            QVERIFY(face.pixelColor(35, 48).alpha() > 0);
        }
    }

    // Folders relative to a scratch tree: "bin" holds the program; data lies
    // in the folders listed as holding mnuag.txt; "xdg" is the only XDG data
    // folder, and it may hold the card deck.
    void findsDataWhereverItLies_data() {
        QTest::addColumn<QStringList>("withData");
        QTest::addColumn<bool>("deck");
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("saveFolder");
        QTest::newRow("build folder") << QStringList{"bin", "share/meldora"} << true << "bin"
                                      << "bin";
        QTest::newRow("installed")
            << QStringList{"share/meldora", "xdg/meldora"} << true << "share/meldora"
            << "";
        QTest::newRow("XDG data folder") << QStringList{"xdg/meldora"} << false << "xdg/meldora"
                                         << "";
        QTest::newRow("nowhere") << QStringList{} << false << "bin"
                                 << "";
    }
    void findsDataWhereverItLies() {
        QFETCH(QStringList, withData);
        QFETCH(bool, deck);
        QFETCH(QString, dataFolder);
        QFETCH(QString, saveFolder);
        QTemporaryDir tree;
        auto make = [&](const QString& file) {
            QDir().mkpath(QFileInfo(tree.filePath(file)).path());
            QFile(tree.filePath(file)).open(QIODevice::WriteOnly);
        };
        QDir().mkpath(tree.filePath("bin"));
        for (const QString& folder : withData)
            make(folder + "/mnuag.txt");
        if (deck) make("xdg/carddecks/svg-standard/standard.svgz");
        const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", tree.filePath("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", tree.filePath("xdg").toLocal8Bit());
        Locations where = FindLocations(tree.filePath("bin"));
        qputenv("XDG_DATA_HOME", oldHome);
        qputenv("XDG_DATA_DIRS", oldDirs);
        QCOMPARE(where.DataFolder, tree.filePath(dataFolder));
        QCOMPARE(where.SaveFolder, saveFolder.isEmpty() ? QString() : tree.filePath(saveFolder));
        QCOMPARE(where.DeckPath,
                 deck ? tree.filePath("xdg/carddecks/svg-standard/standard.svgz") : QString());
    }

    void windowIconIsTheInstalledDrawing() {
        QIcon icon = ImageList(QString(), 1.0).WindowIcon();
        for (int size : {16, 32, 48, 64, 128, 256}) {
            QImage installed(QStringLiteral(ICON_DIR "/%1x%1/org.meldora.Meldora.png").arg(size));
            QCOMPARE(installed.size(), QSize(size, size));
            QImage shown = icon.pixmap(size, size).toImage().convertToFormat(installed.format());
            QCOMPARE(shown, installed);
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
