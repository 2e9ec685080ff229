// The card decks: finding them and their names, refusing damaged ones
// without a crash or a change at the table, every installed deck put on the
// table during a hand, a deck chosen while Dorvil plays, the dialog's keys and
// names, and the choice remembered.
#include "FrmMain.h"
#include "Invariants.h"
#include "Random.h"
#include "dialogs/DeckDialog.h"
#include "table/CardDeck.h"
#include "table/ImageList.h"
#include "table/TableWidgets.h"
#include "window/DeckChoice.h"
#include "window/Locations.h"
#include "window/MainWindow.h"
#include "window/TableNews.h"
#include "window/UserSettings.h"

#include <QAccessible>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

namespace {
// A deck of plain rectangles, each card its own colour (`hue` sets them
// apart from another deck's), with `leaveOut` missing.
QByteArray DeckSvg(int hue, const QString& leaveOut = {}) {
    QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='710' height='576'>";
    for (int i = 1; i <= 53; ++i) {
        if (CardDeck::ElementId(i) == leaveOut) continue;
        svg += QString("<rect id='%1' x='%2' y='%3' width='71' height='96' fill='%4'/>")
                   .arg(CardDeck::ElementId(i))
                   .arg((i - 1) % 10 * 71)
                   .arg((i - 1) / 10 * 96)
                   .arg(QColor::fromHsv((hue + 6 * i) % 360, 200, 220).name());
    }
    return (svg + "</svg>").toUtf8();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Data folders of decks made for the test, the only ones the program sees.
struct DeckFolders {
    QTemporaryDir Root;
    QByteArray OldDirs = qgetenv("XDG_DATA_DIRS");
    DeckFolders() {
        auto deck = [&](const QString& folder, const QString& index, const QString& file,
                        const QByteArray& svg) {
            Write(Root.filePath("a/carddecks/" + folder + "/index.desktop"), index.toUtf8());
            if (!file.isEmpty()) Write(Root.filePath("a/carddecks/" + folder + "/" + file), svg);
        };
        deck("svg-red",
             "[KDE Backdeck]\nName=Red\nName[de]=Rot\nName[pt_BR]=Vermelho\n"
             "Name[sr@latin]=Crveni\nSVG=red.svg\n",
             "red.svg", DeckSvg(0));
        deck("svg-green", "[KDE Backdeck]\nName=Green\nSVG=green.svgz\n", "green.svgz",
             qCompress(DeckSvg(120)).mid(4)); // not gzip: refused as unreadable
        deck("svg-blue", "[KDE Backdeck]\nName=Blue\nSVG=blue.svg\n", "blue.svg", DeckSvg(240));
        deck("svg-cut", "[KDE Backdeck]\nName=Cut Short\nSVG=cut.svg\n", "cut.svg",
             DeckSvg(60).left(1500));
        deck("svg-lacking", "[KDE Backdeck]\nName=Lacking\nSVG=lacking.svg\n", "lacking.svg",
             DeckSvg(300, "queen_spade"));
        deck("svg-noname", "[KDE Backdeck]\nSVG=plain.svg\n", "plain.svg", DeckSvg(200));
        // Not decks: no SVG named, the SVG named missing, no index at all.
        deck("svg-pictures", "[KDE Backdeck]\nName=Pictures\nBack=back.png\n", "", {});
        deck("svg-gone", "[KDE Backdeck]\nName=Gone\nSVG=gone.svgz\n", "", {});
        Write(Root.filePath("a/carddecks/svg-unnamed/unnamed.svg"), DeckSvg(30));
        // A second data folder: its svg-red is hidden by the first one's.
        Write(Root.filePath("b/carddecks/svg-red/index.desktop"),
              "[KDE Backdeck]\nName=Other Red\nSVG=red.svg\n");
        Write(Root.filePath("b/carddecks/svg-red/red.svg"), DeckSvg(10));
        qputenv("XDG_DATA_DIRS", (Root.filePath("a") + ":" + Root.filePath("b")).toLocal8Bit());
    }
    ~DeckFolders() { qputenv("XDG_DATA_DIRS", OldDirs); }
    DeckEntry Entry(const QString& folder) {
        const auto deck = FindDeck(folder, "C");
        return deck ? *deck : DeckEntry{folder, folder, Root.filePath("a/carddecks/" + folder)};
    }
};

// What the program writes on standard error meanwhile.
class ErrorLines {
  public:
    ErrorLines() : Saved(dup(2)) {
        std::fflush(stderr);
        File.open();
        dup2(File.handle(), 2);
    }
    QStringList Lines() {
        std::fflush(stderr);
        dup2(Saved, 2);
        File.seek(0);
        return QString::fromUtf8(File.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    ~ErrorLines() {
        dup2(Saved, 2);
        close(Saved);
    }

  private:
    int Saved;
    QTemporaryFile File;
};

// The table window with the deck at `deck`, as the program starts it.
struct DeckTable {
    QTemporaryDir Dir;
    MainWindow View;
    FrmMain Game;
    explicit DeckTable(const QString& deck)
        : View(Dir.path(), deck),
          Game(View, TableSettings{Dir.path(), Dir.path() + "/user", MakeRandomSource(1)}) {
        View.Attach(&Game);
        Game.Dispatch([&] { Game.Form_Load(); });
        View.show();
    }
    DeckChoice& Choice() { return *View.findChild<DeckChoice*>(); }
    // Chooses `deck` and waits until the table shows it (true) or it is refused.
    bool Choose(const DeckEntry& deck) {
        QSignalSpy applied(&Choice(), &DeckChoice::Applied),
            refused(&Choice(), &DeckChoice::Refused);
        Choice().Choose(deck);
        if (!QTest::qWaitFor([&] { return !applied.isEmpty() || !refused.isEmpty(); }, 60000))
            return false;
        QApplication::processEvents();
        return !applied.isEmpty();
    }
    // The cards whose pictures are not where the game put them.
    QList<int> Misplaced() {
        QList<int> wrong;
        for (int n = 1; n <= 52; ++n)
            if (View.Card(n)->pos() != View.Scale().Px(QPoint(View.CardLeft(n), View.CardTop(n))))
                wrong << n;
        return wrong;
    }
    // The player's turn: the face card taken, another card discarded, and
    // Dorvil's whole turn played in the release's handler.
    void PlayATurn() {
        QVERIFY(Game.PlayerTurn && !Game.PlayerHasDrawn);
        const int face = Game.FaceCard;
        QTest::mouseClick(View.Card(face), Qt::LeftButton);
        QVERIFY(Game.PlayerHasDrawn);
        int n = 1;
        while (Game.Cards(n).Place != Where::PlayerHand || n == face)
            ++n;
        QTest::mousePress(View.Card(n), Qt::LeftButton);
        View.MoveCard(n, 700, 5200); // onto the discard pile, as the keys drop a card
        QTest::mouseRelease(View.Card(n), Qt::LeftButton);
    }
    // Where the game put each card, whether it shows and what, in the order the cards lie.
    QStringList Table() {
        QStringList cards;
        for (QObject* child : View.Table()->children())
            if (auto* card = qobject_cast<CardPicture*>(child))
                cards << QString("%1 at %2,%3 %4 image %5")
                             .arg(card->Index())
                             .arg(card->x())
                             .arg(card->y())
                             .arg(card->isVisible() ? "shown" : "hidden")
                             .arg(card->ImageShown());
        return cards;
    }
};
} // namespace

class TestDecks : public QObject {
    Q_OBJECT
  private slots:
    // A home of its own: tests run side by side (ctest -j) would otherwise
    // share, and clear, each other's settings in test mode.
    void initTestCase() {
        QVERIFY(Home.isValid());
        qputenv("HOME", Home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        UserSettings().clear();
    }
    void cleanup() { UserSettings().clear(); }

    // A deck is a folder whose index names an SVG file that is there; it is
    // named in the desktop's language where its index has a name in it.
    void decksFoundAndNamed_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("red");
        QTest::newRow("none") << ""
                              << "Red";
        QTest::newRow("C") << "C"
                           << "Red";
        QTest::newRow("German, with a country and an encoding") << "de_DE.UTF-8"
                                                                << "Rot";
        QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8"
                                              << "Vermelho";
        QTest::newRow("Portuguese, no name of its own") << "pt_PT"
                                                        << "Red";
        QTest::newRow("Serbian in Latin letters") << "sr_RS.UTF-8@latin"
                                                  << "Crveni";
        QTest::newRow("Serbian") << "sr_RS"
                                 << "Red";
    }
    void decksFoundAndNamed() {
        QFETCH(QString, language);
        QFETCH(QString, red);
        DeckFolders folders;
        QStringList found;
        for (const DeckEntry& deck : FindDecks(language))
            found << deck.Folder + "=" + deck.Name;
        found.sort();
        QCOMPARE(found,
                 (QStringList{"svg-blue=Blue", "svg-cut=Cut Short", "svg-green=Green",
                              "svg-lacking=Lacking", "svg-noname=svg-noname", "svg-red=" + red}));
        QCOMPARE(FindDeck("svg-red", language)->SvgPath,
                 folders.Root.filePath("a/carddecks/svg-red/red.svg"));
        for (const char* notADeck : {"svg-gone", "svg-pictures", "svg-unnamed", "../a", ""})
            QVERIFY2(!FindDeck(notADeck), qPrintable(notADeck));
    }

    // A damaged deck is refused with one line on standard error (in English,
    // naming the SVG element) and a word in the dialog (in the player's
    // language, naming the card), which stays open; the table keeps its deck
    // and cards.
    void damagedDeckRefused_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("logged");
        QTest::newRow("cut short")
            << "svg-cut" << false << "its file cut.svg is damaged or cut short"
            << "its file cut.svg is not a drawing";
        QTest::newRow("not SVG") << "svg-green" << false
                                 << "its file green.svgz is damaged or cut short"
                                 << "its file green.svgz is not a drawing";
        QTest::newRow("lacking a card") << "svg-lacking" << false << "it has no Queen of Spades"
                                        << "it has no element queen_spade";
        QTest::newRow("removed since the list was made")
            << "svg-blue" << true << "its file blue.svg is missing"
            << "its file blue.svg is missing";
    }
    void damagedDeckRefused() {
        QFETCH(QString, folder);
        QFETCH(bool, removed);
        QFETCH(QString, why);
        QFETCH(QString, logged);
        DeckFolders folders;
        DeckTable t(folders.Entry("svg-red").SvgPath);
        QCOMPARE(t.Choice().InUse(), QStringLiteral("svg-red"));
        t.Game.Dispatch([&] { t.Game.MnuNew_Click(); });
        const QStringList table = t.Table();
        const DeckEntry deck = folders.Entry(folder);
        if (removed) QVERIFY(QFile::remove(deck.SvgPath));
        t.Choice().Open();
        DeckDialog* box = t.Choice().Dialog();
        QVERIFY(box->isVisible());
        ErrorLines errors;
        QVERIFY(!t.Choose(deck));
        const QStringList lines = errors.Lines().filter(QRegularExpression("^meldora:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("meldora: the card deck " + folder + " ") &&
                     lines[0].contains(logged),
                 qPrintable(lines[0]));
        QVERIFY(box->isVisible());
        const QString told = box->findChild<QLabel*>("DeckMessage")->text();
        QCOMPARE(told, deck.Name + " cannot be used: " + why + ".");
        QCOMPARE(t.Choice().InUse(), QStringLiteral("svg-red"));
        QCOMPARE(t.Table(), table);
        QVERIFY(!UserSettings().contains("Options/CardDeck"));
        box->reject();
    }

    // The deck chosen in an earlier session, gone or damaged since: the
    // table starts with the standard deck (here svg-red), or plain faces
    // when that is not installed either, and the lines say which.
    void chosenDeckGoneAtStart_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<QStringList>("endings");
        const QStringList standardInstead{"the standard deck stands in"};
        QTest::newRow("its folder without its SVG")
            << "svg-gone" << true << "svg-red" << standardInstead;
        QTest::newRow("no such folder") << "svg-nowhere" << true << "svg-red" << standardInstead;
        QTest::newRow("cut short")
            << "svg-cut" << true << "svg-red" << QStringList{"red.svg instead"};
        QTest::newRow("lacking a card")
            << "svg-lacking" << true << "svg-red" << QStringList{"red.svg instead"};
        QTest::newRow("gone, and no standard deck")
            << "svg-gone" << false << ""
            << QStringList{"plain card faces stand in", "plain card faces stand in"};
        QTest::newRow("no standard deck, the chosen one there")
            << "svg-blue" << false << "svg-blue"
            << QStringList{"svg-blue chosen for the table is used"};
    }
    void chosenDeckGoneAtStart() {
        QFETCH(QString, chosen);
        QFETCH(bool, standard);
        QFETCH(QString, inUse);
        QFETCH(QStringList, endings);
        DeckFolders folders;
        UserSettings().setValue("Options/CardDeck", chosen);
        ErrorLines errors;
        DeckTable t(standard ? folders.Entry("svg-red").SvgPath : QString());
        QTRY_COMPARE(t.Choice().InUse(), inUse);
        const QStringList lines = errors.Lines().filter(QRegularExpression("^meldora:"));
        QCOMPARE(lines.size(), endings.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith(endings[i]) &&
                         (lines[i].contains(chosen) || (i == 0 && !standard)),
                     qPrintable(lines[i]));
        QVERIFY(!t.View.Card(1)->grab().toImage().isNull());
    }

    // Every installed deck in turn during a hand at 1.5 times the size: each
    // card on view is drawn afresh from the new deck, and nothing else moves.
    void everyInstalledDeckDuringAHand() {
        const QList<DeckEntry> decks = FindDecks();
        if (decks.size() < 2) QSKIP("fewer than two card decks are installed");
        const auto standard = FindDeck(StandardDeck);
        DeckTable t(standard ? standard->SvgPath : decks.front().SvgPath);
        t.View.resize(QSize(1176, 952 + t.View.menuBar()->height()));
        QCOMPARE(t.View.Scale().Factor(), 1.5);
        QTRY_VERIFY(!t.View.findChild<QTimer*>("SettleTimer")->isActive());
        t.Game.Dispatch([&] { t.Game.MnuNew_Click(); });
        QVERIFY(t.Game.GameInPlay && t.Game.PlayerTurn);
        const QStringList table = t.Table();
        auto pictures = [&] {
            std::map<int, QImage> shown;
            for (int n = 1; n <= 52; ++n)
                if (t.View.Card(n)->isVisible())
                    shown[n] = t.View.Card(n)->grab().toImage().convertToFormat(
                        QImage::Format_ARGB32_Premultiplied);
            return shown;
        };
        auto before = pictures();
        QVERIFY(before.size() >= 22); // both hands, the stock and the face card
        QString previous = t.Choice().InUse();
        for (const DeckEntry& deck : decks + QList<DeckEntry>{decks.front()}) {
            if (deck.Folder == previous) continue;
            QVERIFY2(t.Choose(deck), qPrintable(deck.Folder));
            QCOMPARE(t.Choice().InUse(), deck.Folder);
            const CardDeck::Reading reading = CardDeck::Read(deck.SvgPath);
            const auto after = pictures();
            for (const auto& [n, picture] : after) {
                const CardPicture* card = t.View.Card(n);
                QVERIFY2(picture != before[n],
                         qPrintable(deck.Folder + QString(" card %1").arg(n)));
                QImage drawn =
                    reading.Deck->Draw(card->ImageShown(), card->size(), card->devicePixelRatioF());
                // on the cloth the card lies on, as the grab shows it
                QImage onCloth(drawn.size(), QImage::Format_ARGB32_Premultiplied);
                onCloth.setDevicePixelRatio(drawn.devicePixelRatio());
                onCloth.fill(card->palette().color(QPalette::Window));
                QPainter(&onCloth).drawImage(0, 0, drawn);
                QVERIFY2(picture == onCloth, qPrintable(deck.Folder + QString(" card %1").arg(n)));
            }
            QCOMPARE(t.Table(), table);
            QCOMPARE(t.Misplaced(), QList<int>());
            QCOMPARE(CheckTable(t.Game, Moment::AtRest), QString());
            before = after;
            previous = deck.Folder;
        }
        QCOMPARE(UserSettings().value("Options/CardDeck").toString(), decks.front().Folder);
    }

    // The dialog is modal to the table, yet the game goes on behind it:
    // Dorvil's pauses run while it is open, and a deck chosen in the middle
    // of his turn takes the table without a card lost or out of place.
    void chosenWhileDorvilPlays() {
        DeckFolders folders;
        DeckTable t(folders.Entry("svg-red").SvgPath);
        t.Game.Dispatch([&] { t.Game.MnuNew_Click(); });
        QAction* entry = t.View.findChild<QAction*>("MnuCardDeck");
        bool openInTurn = false, appliedInTurn = false;
        connect(&t.Choice(), &DeckChoice::Applied, this,
                [&] { appliedInTurn = !t.Game.PlayerTurn; });
        // Shortly after Dorvil's turn begins.
        auto inDorvilsTurn = [&](std::function<void()> act) {
            auto* once = new QObject(this);
            connect(&t.View.News(), &TableNews::TextShown, once,
                    [this, once, act](Ctl, const QString& text) {
                        if (!text.startsWith("Dorvil is now playing")) return;
                        QTimer::singleShot(50, this, act);
                        delete once;
                    });
        };
        inDorvilsTurn([&] {
            entry->trigger();
            DeckDialog* box = t.Choice().Dialog();
            openInTurn =
                box->isVisible() && QApplication::activeModalWidget() == box && !t.Game.PlayerTurn;
            box->List()->setCurrentItem(box->List()->findItems("Blue", Qt::MatchExactly)[0]);
            QTest::keyClick(box->List(), Qt::Key_Return);
        });
        t.PlayATurn();
        QVERIFY(openInTurn);
        QVERIFY(appliedInTurn);
        QCOMPARE(t.Choice().InUse(), QStringLiteral("svg-blue"));
        QVERIFY(t.Game.PlayerTurn);
        QCOMPARE(t.Misplaced(), QList<int>());
        QCOMPARE(CheckTable(t.Game, Moment::AtRest), QString());
        // Dorvil's next turn is played out whole while the dialog stays open.
        inDorvilsTurn([&] { entry->trigger(); });
        t.PlayATurn();
        DeckDialog* box = t.Choice().Dialog();
        QVERIFY(box->isVisible());
        QVERIFY(t.Game.PlayerTurn);
        QCOMPARE(CheckTable(t.Game, Moment::AtRest), QString());
        QTest::keyClick(box->List(), Qt::Key_Escape);
        QVERIFY(!box->isVisible());
    }

    // Each entry is read out by its deck's name; the arrows choose, Esc
    // cancels, Enter applies; the choice is kept for the next start, and the
    // dialog grows with the table.
    void dialogKeysNamesAndScale() {
        DeckFolders folders;
        DeckTable t(folders.Entry("svg-red").SvgPath);
        QAction* entry = t.View.findChild<QAction*>("MnuCardDeck");
        QCOMPARE(entry->text(), QStringLiteral("Card &Deck..."));
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        // While the cards are dealt the game closes the Options menu; the
        // window's own entries answer their keys still.
        t.View.EnableMenu(Menu::MnuOptions, false);
        t.View.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.View));
        QTest::keyClick(&t.View, Qt::Key_F11);
        QVERIFY(t.View.isFullScreen());
        QTest::keyClick(&t.View, Qt::Key_F11);
        QVERIFY(!t.View.isFullScreen());
        QTest::keyClick(&t.View, Qt::Key_D, Qt::ControlModifier);
        DeckDialog* box = t.Choice().Dialog();
        QVERIFY(box && box->isVisible());
        QVERIFY(!t.View.findChild<QAction*>("MnuCT")->isEnabled());
        QListWidget* list = box->List();
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Red"));
        QStringList names, spoken;
        for (const DeckEntry& deck : FindDecks())
            names << deck.Name;
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
        for (int i = 0; i < view->childCount(); ++i)
            spoken << view->child(i)->text(QAccessible::Name);
        QCOMPARE(spoken, names);
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(list->currentRow(), names.indexOf("Red") + 1);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCOMPARE(t.Choice().InUse(), QStringLiteral("svg-red"));
        QVERIFY(!UserSettings().contains("Options/CardDeck"));
        const QSize designed = box->size(), preview = list->iconSize();
        t.View.resize(QSize(1176, 952 + t.View.menuBar()->height()));
        QCOMPARE(list->iconSize(), preview * 1.5);
        QCOMPARE(QFontInfo(list->font()).pixelSize(), QFontInfo(box->font()).pixelSize());
        QVERIFY2(box->width() >= designed.width() * 1.4, qPrintable(QString::number(box->width())));
        entry->trigger();
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(list->currentItem()->text(), names.front());
        QSignalSpy applied(&t.Choice(), &DeckChoice::Applied);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(applied.wait(10000));
        QVERIFY(!box->isVisible());
        QCOMPARE(t.Choice().InUse(), QStringLiteral("svg-blue"));
        QCOMPARE(UserSettings().value("Options/CardDeck").toString(), QStringLiteral("svg-blue"));
        QCOMPARE(DeckChoice::StartingDeck("standard.svgz"), folders.Entry("svg-blue").SvgPath);
    }

  private:
    QTemporaryDir Home;
};

QTEST_MAIN(TestDecks)
#include "tst_decks.moc"
