// Every text fits its place, with a 40-character name, at the default size
// and at 1.5 times it. CTest runs this program once for each language: it
// plays into a hand, ends hands and games both ways, and opens every window
// and box of the game, checking each as it shows (TextCheck).
#include "FrmMain.h"
#include "TestWindow.h"
#include "TextCheck.h"
#include "advice/HintBox.h"
#include "dialogs/DeckDialog.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "modules/history/HistoryCharts.h"
#include "table/TextRoom.h"
#include "window/TableControls.h"
#include "window/Translations.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QValueAxis>
#include <QtTest>

namespace {
const QString LongName = QStringLiteral("Karl-Theodor Maria Nikolaus Johann Jakob");

struct Tour {
    TableWindow& W;
    QStringList Faults; // each once, with where it was first seen

    void Note(const QString& where, const QStringList& faults) {
        for (const QString& fault : faults)
            if (!Seen.contains(fault)) {
                Seen << fault;
                Faults << fault + QStringLiteral(" (") + where + QLatin1Char(')');
            }
    }
    void Table(const QString& where) {
        Note(where, TableFaults(W.View.Table()));
        Note(where, TextFaults(&W.View));
    }
    // Checks the next modal window of kind T as it shows, and the table
    // behind it, then `close` answers it.
    template <class T> void WhenShown(const QString& where, std::function<void(T*)> close) {
        auto* poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [this, poll, where, close] {
            auto* box = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            poll->deleteLater();
            Note(where, TextFaults(box));
            Table(where + QStringLiteral(", behind it"));
            close(box);
        });
        poll->start();
    }
    void Box(const QString& where, int choice) {
        WhenShown<MFormDeluxe>(where, [choice](MFormDeluxe* box) { box->Face(choice)->Choose(); });
    }
    void Run(const std::function<void()>& handler) { W.Game.Dispatch(handler); }
    void Trigger(const char* name) {
        auto* action = W.Find<QAction>(QLatin1String(name));
        if (!action) action = W.Advice->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    QSet<QString> Seen;
    int First(int place) {
        for (int n = 1; n <= 52; ++n)
            if (W.Game.Cards(n).Place == place) return n;
        return 0;
    }
};
} // namespace

class TestFit : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::Install(QStringLiteral(BUILD_DIR));
    }

    // The name gives way first, so that the score or the instruction round it stays whole.
    void fitText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shown");
        const QString name = LongName;
        QTest::newRow("fits") << "Ada's current points 41" << 400 << "Ada's current points 41";
        QTest::newRow("name first")
            << name + "'s current points 41" << 200 << "Karl-Theodor Maria…'s current points 41";
        QTest::newRow("name inside")
            << "Score de " + name + " : 141" << 200 << "Score de Karl-Theodor Maria Nik… : 141";
        QTest::newRow("no name") << "Dorvil's current points 41" << 100 << "Dorvil's current po…";
    }
    void fitText() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, shown);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        const QFontMetrics fm(font);
        const QString fitted = FitText(text, LongName, fm, width);
        QVERIFY(fm.horizontalAdvance(fitted) <= width);
        QCOMPARE(fitted, shown);
    }

    // Two headings of a row: centred where there is room, else pushed apart
    // inside the row, else the first narrowed.
    void fitRow_data() {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("placed"); // left, width, left, width
        QTest::newRow("room for both") << QList<int>{60, 60} << QList<int>{26, 60, 116, 60};
        QTest::newRow("pushed apart") << QList<int>{86, 83} << QList<int>{11, 86, 101, 83};
        QTest::newRow("first narrowed") << QList<int>{300, 60} << QList<int>{3, 117, 124, 60};
    }
    void fitRow() {
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, placed);
        const int anchors[2] = {56, 146}, wanted[2] = {widths[0], widths[1]};
        const RowPlaces row = FitRow(3, 184, 4, anchors, wanted);
        QCOMPARE((QList<int>{row.Left[0], row.Width[0], row.Left[1], row.Width[1]}), placed);
    }

    void everyTextFits_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("default size") << 1.0;
        QTest::newRow("1.5 times") << 1.5;
    }
    void everyTextFits() {
        QFETCH(double, scale);
        TableWindow w(MakeRandomSource(3), LongName);
        w.View.resize(QSize(784, 635) * scale + QSize(0, w.View.menuBar()->height()));
        QVERIFY(QTest::qWaitForWindowExposed(&w.View));
        QTRY_COMPARE(w.View.Scale().Factor(), scale);
        Tour t{w, {}, {}};
        t.Table("before the deal");
        t.Trigger("MnuDorvilSharp");
        t.Table("Sharp chosen");
        t.Trigger("MnuDorvilClassic");

        t.Run([&] { w.Game.Cds_Click(1); });
        t.Table("dealt");
        t.Run([&] { w.Game.Cds_MouseDown(t.First(Where::Stock)); });
        t.Table("a card taken");
        t.Trigger("MnuHint");
        t.Table("a hint");
        auto* hint = w.Find<HintBox>("HintBox");
        hint->Show(
            QCoreApplication::translate("DemoPlayer",
                                        "Demo: %1 Press any key or click to play yourself.")
                .arg(QCoreApplication::translate(
                         "Hint", "Take the %1 from the discard pile: it brings your hand closer "
                                 "to a meld.")
                         .arg(FrmMain::CardInSentence(25))),
            w.View.Scale());
        t.Table("the demo's longest line");
        hint->hide();

        t.Trigger("MnuCT");
        t.Table("the target frame");
        t.Box("target set", 0);
        w.Find<QPushButton>("CmdTarget")->click();
        t.Box("new game?", 1);
        t.Trigger("MnuNew");
        t.Box("exit?", 1);
        t.Trigger("MnuExit");
        t.Box("an interrupted game", 1);
        w.View.DeluxeMsg(QCoreApplication::translate(
                             "GameRecovery", "Your last game against Dorvil was interrupted "
                                             "before it was finished. Would you like to carry on "
                                             "from where you left off?"),
                         QCoreApplication::translate("GameRecovery", "Carry On"),
                         QCoreApplication::translate("GameRecovery", "Start Afresh"), QString(), 1,
                         QCoreApplication::translate("GameRecovery", "Game Interrupted"));

        // Hands and games ended both ways, each answered with its first button.
        const struct {
            const char* Where;
            bool PlayerOut;
            int Score;
        } ends[] = {{"Dorvil wins the hand", false, 0},
                    {"the player wins the hand", true, 0},
                    {"the player wins the game", true, 99},
                    {"Dorvil wins the game", false, 99}};
        for (const auto& end : ends) {
            (end.PlayerOut ? w.Game.PlayerScore : w.Game.OppScore) = int16_t(end.Score);
            (end.PlayerOut ? w.Game.PlayerCount : w.Game.OppCount) = 0;
            t.Box(QLatin1String(end.Where), 0);
            if (end.Score) t.Box(QLatin1String(end.Where) + QStringLiteral(", again?"), 0);
            t.Run([&] { w.Game.SettleHand(); });
        }

        t.Trigger("MnuHistory");
        auto* history = w.Find<QDialog>("HistoryWindow");
        QVERIFY(history && history->isVisible());
        t.Note("Game History", TextFaults(history));
        t.WhenShown<QMessageBox>(
            "Clear History?", [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        history->findChild<QPushButton*>("HistoryClear")->click();
        history->close();

        t.Trigger("MnuRules");
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == QLatin1String("FrmHelp"))
                t.Note("help", TextFaults(window));
        t.Trigger("MnuAbout");
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == QLatin1String("frmAbout")) {
                t.Note("about", TextFaults(window));
                window->close();
            }
        t.Trigger("MnuCardDeck");
        auto* decks = w.Find<DeckDialog>("DeckDialog");
        QVERIFY(decks && decks->isVisible());
        t.Note("Card Deck", TextFaults(decks));
        decks->reject();

        t.WhenShown<QInputDialog>("the name", [](QInputDialog* box) { box->reject(); });
        t.Trigger("MnuPname");
        for (const QString& fault : t.Faults)
            qWarning().noquote() << fault;
        QVERIFY2(t.Faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(t.Faults.size())));
    }

    // The margins chart counts games: its ticks are whole numbers, each once.
    void marginChartTicks_data() {
        QTest::addColumn<int>("games");
        for (int games : {1, 2, 3, 7, 40})
            QTest::addRow("%d games", games) << games;
    }
    void marginChartTicks() {
        QFETCH(int, games);
        QChartView view(MakeMarginChart(std::vector<GameOutcome>(size_t(games), {0, 12, true}),
                                        QStringLiteral("Ada")));
        view.resize(420, 220);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRectF plot = view.chart()->plotArea();
        const QString title = view.chart()->axes(Qt::Vertical).value(0)->titleText();
        QStringList ticks;
        for (QGraphicsItem* item : view.scene()->items())
            if (auto* label = dynamic_cast<QGraphicsTextItem*>(item);
                label && label->isVisible() && label->toPlainText() != title &&
                label->sceneBoundingRect().right() <= plot.left())
                ticks << label->toPlainText();
        QVERIFY2(ticks.size() >= 2, qPrintable(ticks.join(' ')));
        QCOMPARE(QSet<QString>(ticks.begin(), ticks.end()).size(), ticks.size());
        for (const QString& tick : ticks) {
            bool whole = false;
            QLocale().toInt(tick, &whole);
            QVERIFY2(whole, qPrintable(tick));
        }
    }

    // After one game the money chart has a single point: it must show.
    void moneyChartShowsOneGame() {
        QChartView view(MakeMoneyChart({{89, 89, true}}));
        view.resize(420, 220);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();
        const QRect plot = view.chart()->plotArea().toRect();
        int navy = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x)
                navy += image.pixelColor(x, y) == QColor(0, 0, 128);
        QVERIFY2(navy > 0, "no point drawn");
    }
};

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
