// The history of games: the record line and reading it back, damaged lines
// skipped and counted, appending after a half-written line, the figures, the
// settled hands the table records, and the Game History window.
#include "History.h"
#include "HistoryFigures.h"
#include "TestView.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "modules/history/HistoryCharts.h"
#include "modules/history/HistoryWindow.h"
#include "window/MainWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace {
constexpr auto P = HistorySide::Player;
constexpr auto D = HistorySide::Dorvil;
constexpr auto None = HistorySide::None;

HandRecord Hand(HistorySide out, int points, int player, int dorvil, HistorySide won = None,
                int owedPlayer = 0, int owedDorvil = 0, const QString& name = "Ann") {
    HandRecord r;
    r.When = QStringLiteral("2024-05-01 20:15:03");
    r.Target = 100;
    r.WentOut = out;
    r.Points = points;
    r.PlayerScore = player;
    r.DorvilScore = dorvil;
    r.GameWonBy = won;
    if (won != None) r.Margin = r.Money = won == P ? player - dorvil : dorvil - player;
    r.OwedPlayer = owedPlayer;
    r.OwedDorvil = owedDorvil;
    r.PlayerName = name;
    return r;
}

HandRecord Hinted(HandRecord r, int hints) {
    r.Hints = hints;
    return r;
}

HandRecord Won(HandRecord r, int player, int dorvil) {
    r.WonPlayer = player;
    r.WonDorvil = dorvil;
    return r;
}
} // namespace

Q_DECLARE_METATYPE(HandRecord)

namespace {
// A line as written before hints were counted, and one of today.
const QByteArray GameLine =
    "2024-05-01 20:15:03,100,Dorvil,23,80,112,Dorvil,32,32,3,5,0,45,\"Ann\"";
const QByteArray HintedLine = GameLine + ",\"12\"";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

std::vector<HandRecord> ReadBack(const QString& path, HistoryReadResult* result = nullptr) {
    std::vector<HandRecord> records;
    HistoryReadResult r = History::Read(path, [&](const HandRecord& h) { records.push_back(h); });
    if (result) *result = r;
    return records;
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString File(const char* name) const { return Dir.path() + QLatin1Char('/') + name; }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void recordLineReadsBack_data() {
        QTest::addColumn<HandRecord>("record");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("nameRead");
        QTest::newRow("hand of a game going on")
            << Hand(P, 17, 17, 0)
            << QByteArray("2024-05-01 20:15:03,100,Player,17,17,0,,,,,,,,\"Ann\",\"0\"") << "Ann";
        QTest::newRow("game won by Dorvil, hints asked")
            << Hinted(Won(Hand(D, 23, 80, 112, D, 0, 45), 3, 5), 12) << HintedLine << "Ann";
        QTest::newRow("name with a comma and accents")
            << Hand(P, 5, 105, 40, P, 65, 0, QString::fromUtf8("Zoë, Jr"))
            << QByteArray(
                   "2024-05-01 "
                   "20:15:03,100,Player,5,105,40,Player,65,65,0,0,65,0,\"Zo\xc3\xab, Jr\",\"0\"")
            << QString::fromUtf8("Zoë, Jr");
        QTest::newRow("a quote in the name becomes an apostrophe")
            << Hand(P, 5, 5, 0, None, 0, 0, "Al \"Ace\"")
            << QByteArray("2024-05-01 20:15:03,100,Player,5,5,0,,,,,,,,\"Al 'Ace'\",\"0\"")
            << "Al 'Ace'";
        QTest::newRow("empty name")
            << Hand(D, 9, 0, 9, None, 0, 0, "")
            << QByteArray("2024-05-01 20:15:03,100,Dorvil,9,0,9,,,,,,,,\"\",\"0\"") << "";
    }
    void recordLineReadsBack() {
        QFETCH(HandRecord, record);
        QFETCH(QByteArray, line);
        QFETCH(QString, nameRead);
        QCOMPARE(History::FormatRecord(record), line + "\r\n");
        auto back = History::ParseRecord(line);
        QVERIFY(back);
        record.PlayerName = nameRead;
        QVERIFY(*back == record);
    }

    // A line written before hints were counted reads as a hand without a
    // hint, and is written back with the count that it now has.
    void olderLineReadsWithoutHints() {
        auto back = History::ParseRecord(GameLine);
        QVERIFY(back);
        QCOMPARE(back->Hints, 0);
        QVERIFY(*back == Won(Hand(D, 23, 80, 112, D, 0, 45), 3, 5));
        QCOMPARE(History::FormatRecord(*back), GameLine + ",\"0\"\r\n");
    }

    void damagedLinesAreNotRecords_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("garbage") << QByteArray("\x01\xff garbage \x80,,,");
        QTest::newRow("no such day") << QByteArray(GameLine).replace("2024-05-01", "2023-02-29");
        QTest::newRow("date in another shape")
            << QByteArray(GameLine).replace("2024-05-01 20:15:03", "01/05/2024 20:15");
        QTest::newRow("nobody went out")
            << QByteArray(GameLine).replace(",Dorvil,23", ",Nobody,23");
        QTest::newRow("target not a number") << QByteArray(GameLine).replace(",100,", ",1x0,");
        QTest::newRow("score beyond the game's range")
            << QByteArray(GameLine).replace(",80,", ",40000,");
        QTest::newRow("winner without a margin")
            << QByteArray(GameLine).replace(",32,32,", ",,32,");
        QTest::newRow("a field missing") << QByteArray(GameLine).replace(",100,", ",");
        QTest::newRow("a field too many") << HintedLine + ",7";
        QTest::newRow("hints not quoted") << GameLine + ",7";
        QTest::newRow("hints not a number") << GameLine + ",\"x\"";
        QTest::newRow("hints below zero") << GameLine + ",\"-1\"";
        QTest::newRow("hints left empty") << GameLine + ",";
        QTest::newRow("text after the closing quote") << GameLine + "x";
        QTest::newRow("name without its closing quote") << GameLine.chopped(1);
    }
    void damagedLinesAreNotRecords() {
        QFETCH(QByteArray, line);
        QVERIFY(!History::ParseRecord(line));
    }

    // A crash in the middle of a write leaves the start of a line: none reads,
    // but for the cut at the end of the name, which reads as the whole hand
    // written before hints were counted.
    void everyCutOfALineFailsToRead() {
        for (qsizetype n = 0; n < HintedLine.size(); ++n) {
            const auto cut = History::ParseRecord(HintedLine.left(n));
            QVERIFY2(!cut || n == GameLine.size(), HintedLine.left(n).constData());
        }
    }

    void readingSkipsAndCountsDamage() {
        const QString path = File("mixed.csv");
        QByteArray huge(1 << 20, 'x'); // one megabyte without a line end
        Write(path, "\xEF\xBB\xBF" + History::Header() + History::FormatRecord(Hand(P, 7, 7, 0)) +
                        "garbage\r\n\r\n" + huge + "\n" + GameLine + "\r\n" + GameLine.left(30) +
                        "\r\n" + History::Header() +
                        History::FormatRecord(Hand(P, 3, 3, 0)).chopped(2));
        HistoryReadResult result;
        auto records = ReadBack(path, &result);
        QVERIFY(result.Opened);
        QCOMPARE(result.Records, 3);
        QCOMPARE(result.Damaged, 3); // garbage, the huge line, the cut line
        QCOMPARE(records.size(), size_t(3));
        QCOMPARE(records[0].Points, 7);
        QCOMPARE(records[1].OwedDorvil, 45);
        QCOMPARE(records[2].Points, 3); // a whole last line without its line end
    }

    void appendKeepsWhatWasThere_data() {
        QTest::addColumn<QByteArray>("before"); // "-" for no file
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("damaged");
        const QByteArray one = History::Header() + GameLine + "\r\n";
        QTest::newRow("new file") << QByteArray("-") << 1 << 0;
        QTest::newRow("after whole lines") << one << 2 << 0;
        QTest::newRow("after a half-written line") << one + GameLine.left(40) << 2 << 1;
        QTest::newRow("after a line without its line end") << one.chopped(2) << 2 << 0;
    }
    void appendKeepsWhatWasThere() {
        QFETCH(QByteArray, before);
        QFETCH(int, records);
        QFETCH(int, damaged);
        const QString path = File(QTest::currentDataTag()) + "/sub/History.csv";
        if (before != "-") {
            QDir().mkpath(QFileInfo(path).absolutePath());
            Write(path, before);
        }
        QVERIFY(History::Append(path, Hand(P, 11, 11, 0)));
        HistoryReadResult result;
        auto back = ReadBack(path, &result);
        QCOMPARE(result.Records, records);
        QCOMPARE(result.Damaged, damaged);
        QCOMPARE(back.back().Points, 11);
        QVERIFY(ReadAll(path).startsWith(History::Header()));
        QVERIFY(ReadAll(path).endsWith(History::FormatRecord(Hand(P, 11, 11, 0))));
    }

    void appendReportsWhatFails() {
        QVERIFY(!History::Append(QStringLiteral("/dev/full"), Hand(P, 1, 1, 0))); // disk full
        Write(File("plain"), "x");
        QVERIFY(!History::Append(File("plain") + "/History.csv", Hand(P, 1, 1, 0)));
        QVERIFY(!History::Append(QString(), Hand(P, 1, 1, 0))); // no folder can be written
    }

    void streaks_data() {
        QTest::addColumn<QString>("winners"); // one letter a game
        QTest::addColumn<int>("longestYou");
        QTest::addColumn<int>("longestDorvil");
        QTest::addColumn<int>("currentYou");
        QTest::addColumn<int>("currentDorvil");
        QTest::newRow("one game") << "P" << 1 << 0 << 1 << 0;
        QTest::newRow("streak ended") << "PPPD" << 3 << 1 << 0 << 1;
        QTest::newRow("longest before the current") << "PPPDPP" << 3 << 1 << 2 << 0;
        QTest::newRow("current is the longest") << "DPDDD" << 1 << 3 << 0 << 3;
    }
    void streaks() {
        QFETCH(QString, winners);
        QFETCH(int, longestYou);
        QFETCH(int, longestDorvil);
        QFETCH(int, currentYou);
        QFETCH(int, currentDorvil);
        HistoryFigures f;
        for (QChar w : winners) {
            f.Add(Hand(P, 4, 4, 0)); // a hand of the game that does not end it
            f.Add(w == 'P' ? Hand(P, 100, 104, 20, P) : Hand(D, 100, 20, 100, D));
        }
        QCOMPARE(f.GamesPlayed(), winners.size());
        QCOMPARE(f.LongestStreak[HistoryFigures::You], longestYou);
        QCOMPARE(f.LongestStreak[HistoryFigures::Dorvil], longestDorvil);
        QCOMPARE(f.CurrentStreak[HistoryFigures::You], currentYou);
        QCOMPARE(f.CurrentStreak[HistoryFigures::Dorvil], currentDorvil);
    }

    void figuresOfASmallHistory() {
        HistoryFigures f;
        f.Add(Hand(D, 30, 0, 30));
        f.Add(Hinted(Hand(P, 110, 110, 30, P, 80, 0), 4)); // wins by 80, with 4 hints
        f.Add(Hand(P, 120, 120, 100, P, 100, 0));          // by 20
        f.Add(Hand(D, 20, 0, 20));                         // a game abandoned
        f.Add(Hand(D, 101, 40, 101, D, 39, 0));            // Dorvil by 61
        f.Add(Hinted(Hand(P, 9, 9, 0), 1));                // a game going on
        QCOMPARE(f.GamesPlayed(), 3);
        QCOMPARE(f.HintsAsked, 5);
        QCOMPARE(f.HandsWithHints, 2);
        QCOMPARE(f.GamesWon[HistoryFigures::You], 2);
        QCOMPARE(f.WinRate(HistoryFigures::You), 2.0 / 3.0);
        QCOMPARE(f.AveragePoints(HistoryFigures::You), (110 + 120 + 9) / 3.0);
        QCOMPARE(f.AveragePoints(HistoryFigures::Dorvil), (30 + 20 + 101) / 3.0);
        QCOMPARE(f.Biggest[HistoryFigures::You].Margin, 80);
        QCOMPARE(f.Biggest[HistoryFigures::You].Game, 1);
        QCOMPARE(f.Biggest[HistoryFigures::Dorvil].Margin, 61);
        QCOMPARE(f.NetOwed(), 39);
        QCOMPARE(MarginChartSummary(f),
                 QStringLiteral("Your 2 games were won by 50.0 points on average, 80 at most; "
                                "Dorvil's game was won by 61.0 points on average, 61 at most."));
        QCOMPARE(MoneyChartSummary(f),
                 QStringLiteral("After 3 games: Dorvil owes you $0.39. The most he owed you was "
                                "$1.00, after game 2; you have never owed him anything."));
    }

    void emptyHistory() {
        HistoryReadResult result;
        QVERIFY(ReadBack(File("none.csv"), &result).empty());
        QVERIFY(!result.Opened);
        ReadBack(QStringLiteral("/dev/null"), &result); // a device is never read
        QVERIFY(!result.Opened);
        HistoryFigures f;
        QCOMPARE(f.WinRate(HistoryFigures::You), 0.0);
        QCOMPARE(f.AveragePoints(HistoryFigures::Dorvil), 0.0);
        QCOMPARE(f.NetOwed(), 0);
    }

    // Many games: each stretch keeps its lowest and highest, and the last game.
    void moneyPointsKeepTheExtremes() {
        std::vector<GameOutcome> games(10001);
        for (size_t i = 0; i < games.size(); ++i)
            games[i].NetOwed = int(i % 97) - 40;
        games[5000].NetOwed = 3000;
        games[7777].NetOwed = -2500;
        const QList<QPointF> points = MoneyPoints(games, 1600);
        QVERIFY(points.size() <= 1601);
        auto has = [&](double x, double y) { return points.contains(QPointF(x, y)); };
        QVERIFY(has(5001, 30.0));
        QVERIFY(has(7778, -25.0));
        QCOMPARE(points.last(), QPointF(10001, games.back().NetOwed / 100.0));
        for (qsizetype i = 1; i < points.size(); ++i)
            QVERIFY(points[i].x() > points[i - 1].x());
        QCOMPARE(MoneyPoints(std::vector<GameOutcome>(5), 1600).size(), 5);
    }

    void settledHandsAgreeWithScoresDat_data() {
        QTest::addColumn<bool>("playerGoesOut");
        QTest::addColumn<int>("playerScore");
        QTest::addColumn<int>("dorvilScore");
        QTest::addColumn<int>("question"); // the answer to "Play another game?"
        QTest::addColumn<bool>("gameOver");
        QTest::newRow("player wins the hand") << true << 0 << 0 << 0 << false;
        QTest::newRow("player wins the game") << true << 96 << 50 << 0 << true;
        QTest::newRow("player wins and leaves at the question") << true << 96 << 50 << 1 << true;
        QTest::newRow("Dorvil wins the hand") << false << 0 << 0 << 0 << false;
        QTest::newRow("Dorvil wins the game and the player leaves")
            << false << 10 << 99 << 1 << true;
    }
    void settledHandsAgreeWithScoresDat() {
        QFETCH(bool, playerGoesOut);
        QFETCH(int, playerScore);
        QFETCH(int, dorvilScore);
        QFETCH(int, question);
        QFETCH(bool, gameOver);
        TestTable t;
        // The side that goes out leaves the 2 and 2 of clubs (4 points) with the other.
        if (playerGoesOut) {
            LayHand(t, {4}, {2, 15}, 0);
            t.Frm.PlayerHasDrawn = true;
        } else {
            LayHand(t, {2, 15}, {}, 30);
        }
        t.Frm.PlayerScore = int16_t(playerScore);
        t.Frm.OppScore = int16_t(dorvilScore);
        t.Frm.OppMoney = 20;
        QByteArray scoresWhenRecorded;
        t.View.OnRecord = [&](const TableEvent& e) {
            if (History::RecordSettledHand(t.Frm, e, 2))
                scoresWhenRecorded = t.ReadFile("Scores.dat");
        };
        t.View.Answers = {0, question};
        if (playerGoesOut) {
            t.Run([&] { t.Frm.Cds_MouseDown(4); });
            t.View.MoveCard(4, 700, 5200);
            t.Run([&] { t.Frm.Cds_MouseUp(4); });
        } else {
            t.Run([&] { t.Frm.SettleHand(); });
        }
        auto records = ReadBack(t.Frm.HistoryFile());
        QCOMPARE(t.Frm.HistoryFile(), t.Program + "/History.csv");
        QCOMPARE(records.size(), size_t(1));
        const HandRecord& r = records[0];
        QCOMPARE(r.WentOut, playerGoesOut ? P : D);
        QCOMPARE(r.Points, 4);
        QCOMPARE(r.Hints, 2);
        QCOMPARE(r.PlayerScore, playerScore + (playerGoesOut ? 4 : 0));
        QCOMPARE(r.DorvilScore, dorvilScore + (playerGoesOut ? 0 : 4));
        QCOMPARE(r.EndsGame(), gameOver);
        if (!gameOver) {
            QCOMPARE(scoresWhenRecorded, QByteArray("<missing>"));
            return;
        }
        QCOMPARE(r.GameWonBy, r.WentOut);
        QCOMPARE(r.Margin, std::abs(r.PlayerScore - r.DorvilScore));
        const QByteArray saved = t.ReadFile("Scores.dat");
        QCOMPARE(scoresWhenRecorded, saved); // the game was saved before it was recorded
        QCOMPARE(r.WonPlayer, int(playerGoesOut));
        QCOMPARE(r.WonDorvil, int(!playerGoesOut));
        QCOMPARE(saved, QStringLiteral("%1,%2,%3,%4,\"Player\"\r\n")
                            .arg(r.WonPlayer)
                            .arg(r.WonDorvil)
                            .arg(r.OwedDorvil)
                            .arg(r.OwedPlayer)
                            .toLatin1());
        QCOMPARE(r.OwedPlayer - r.OwedDorvil, (r.WentOut == P ? r.Margin : -r.Margin) - 20);
    }

    void windowTellsTheStory() {
        const QString path = File("story.csv");
        for (const HandRecord& h :
             {Hand(P, 110, 110, 30, P, 80, 0), Hand(P, 9, 9, 0), Hand(D, 101, 40, 101, D, 19, 0)})
            QVERIFY(History::Append(path, h));
        Write(path, ReadAll(path) + "garbage\r\n");
        QPointer<HistoryWindow> w = new HistoryWindow(nullptr, [path] { return path; });
        w->Refresh();
        w->show();
        QCOMPARE(w->findChild<QStackedWidget*>("HistoryPages")->currentIndex(), 0);
        QCOMPARE(w->findChild<QLabel*>("HistorySummary")->text(),
                 QStringLiteral("2 games and 3 hands since 1 May 2024. Dorvil owes you $0.19."));
        QCOMPARE(w->findChild<QLabel*>("HistoryDamaged")->accessibleName(),
                 QStringLiteral("1 damaged line of the history file could not be read and was "
                                "skipped."));
        auto* table = w->findChild<QTableWidget*>("HistoryFigures");
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("50.0%"));
        QCOMPARE(table->item(6, 1)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Biggest win, Dorvil: 61 points in game 2, on 1 May 2024"));
        table->setFocus(); // Tab leaves the figures for the charts and buttons
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(w->focusWidget() != table);
        const QString copy = File("export.csv");
        QVERIFY(w->ExportTo(copy));
        QCOMPARE(ReadAll(copy),
                 History::Header() +
                     ReadAll(path).mid(History::Header().size()).replace("garbage\r\n", ""));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w || !w->isVisible());
        delete w;
    }

    void clearingAsksFirst_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("cancelled") << false;
        QTest::newRow("confirmed") << true;
    }
    void clearingAsksFirst() {
        QFETCH(bool, confirm);
        const QString path = File(QTest::currentDataTag());
        QVERIFY(History::Append(path, Hand(P, 110, 110, 30, P, 80, 0)));
        const QByteArray before = ReadAll(path);
        HistoryWindow w(nullptr, [path] { return path; });
        w.Refresh();
        QString asked;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            asked = box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) ==
                    (confirm ? QMessageBox::AcceptRole : QMessageBox::RejectRole))
                    b->click();
        });
        w.findChild<QPushButton*>("HistoryClear")->click();
        QCOMPARE(asked, QStringLiteral("Clear History"));
        QCOMPARE(ReadAll(path), confirm ? History::Header() : before);
        QCOMPARE(w.findChild<QStackedWidget*>("HistoryPages")->currentIndex(), confirm ? 1 : 0);
    }

    void windowWithoutGames_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("told");
        QTest::newRow("no file") << QByteArray() << "Every hand you play";
        QTest::newRow("two hands of a first game")
            << History::FormatRecord(Hand(P, 4, 4, 0)) + History::FormatRecord(Hand(D, 6, 4, 6))
            << "2 hands of your first game are recorded";
    }
    void windowWithoutGames() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, told);
        const QString path = File(QTest::currentDataTag());
        if (!contents.isEmpty()) Write(path, contents);
        HistoryWindow w(nullptr, [path] { return path; });
        w.Refresh();
        QCOMPARE(w.findChild<QStackedWidget*>("HistoryPages")->currentIndex(), 1);
        QVERIFY(w.findChild<QLabel*>("HistoryEmpty")->accessibleName().contains(told));
    }

    void ctrlHOpensTheWindow() {
        QTemporaryDir dir;
        MainWindow view(dir.path(), QStringLiteral("/nonexistent/deck.svgz"));
        FrmMain game(view, TableSettings{dir.path(), dir.path() + "/user", MakeRandomSource(1)});
        view.Attach(&game);
        game.Dispatch([&] { game.Form_Load(); });
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_H, Qt::ControlModifier);
        auto* w = view.findChild<HistoryWindow*>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->findChild<QStackedWidget*>("HistoryPages")->currentIndex(), 1);
        // A hand settled while the window is open is written and shown.
        game.PlayerScore = 12;
        view.Record(TableEvent{TableEvent::HandSettled, false, 0, 0, 12});
        QCOMPARE(ReadBack(dir.path() + "/History.csv").size(), size_t(1));
        QVERIFY(w->findChild<QLabel*>("HistoryEmpty")->accessibleName().contains("1 hand of"));
    }

    // The message box is a dialog of the window too: it is not the history window.
    void settledHandAfterAMessageBox() {
        QTemporaryDir dir;
        MainWindow view(dir.path(), QStringLiteral("/nonexistent/deck.svgz"));
        FrmMain game(view, TableSettings{dir.path(), dir.path() + "/user", MakeRandomSource(1)});
        view.Attach(&game);
        game.Dispatch([&] { game.Form_Load(); });
        QTimer::singleShot(0, [&] { view.MessageBox()->Face(0)->Choose(); });
        view.DeluxeMsg("Made once, kept.", "O.K.", "", "", 2, "Box");
        view.Record(TableEvent{TableEvent::HandSettled, false, 0, 0, 12});
        QCOMPARE(ReadBack(dir.path() + "/History.csv").size(), size_t(1));
        QVERIFY(!view.MessageBox()->isVisible());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
