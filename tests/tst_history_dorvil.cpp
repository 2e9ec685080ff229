// Which Dorvil played each hand of the history: the field that names him,
// lines written before it was there, the games and money against each
// Dorvil, and the window's table of them.
#include "History.h"
#include "HistoryFigures.h"
#include "TestView.h"
#include "modules/history/HistoryWindow.h"

#include <QTableWidget>
#include <QtTest>

namespace {
// A game won by Dorvil, as written before hints were counted, before the
// Dorvil was named, and today by each Dorvil.
const QByteArray OldLine = "2024-05-01 20:15:03,100,Dorvil,23,80,112,Dorvil,32,32,3,5,0,45,\"Ann\"";
const QByteArray HintedLine = OldLine + ",\"2\"";
QByteArray Line(const char* dorvil) {
    return HintedLine + ",\"" + dorvil + '"';
}

HandRecord Hand(int dorvil, HistorySide out, int money = 0) {
    HandRecord r;
    r.When = QStringLiteral("2024-05-02 10:00:00");
    r.Target = 100;
    r.WentOut = out;
    r.Points = 10;
    r.PlayerName = QStringLiteral("Ann");
    r.Dorvil = dorvil;
    if (money > 0) {
        r.GameWonBy = out;
        r.Margin = r.Money = money;
    }
    return r;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestHistoryDorvil : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    // Each line reads with its Dorvil, none for the older ones, and is
    // written back exactly as it was.
    void lineNamesItsDorvil_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("dorvil");
        QTest::newRow("before hints were counted") << OldLine << HandRecord::NotRecorded;
        QTest::newRow("before the Dorvil was named") << HintedLine << HandRecord::NotRecorded;
        QTest::newRow("Classic") << Line("Classic") << int(DorvilClassic);
        QTest::newRow("Sharp") << Line("Sharp") << int(DorvilSharp);
        QTest::newRow("Expert") << Line("Expert") << int(DorvilExpert);
    }
    void lineNamesItsDorvil() {
        QFETCH(QByteArray, line);
        QFETCH(int, dorvil);
        const auto record = History::ParseRecord(line);
        QVERIFY(record);
        QCOMPARE(record->Dorvil, dorvil);
        QCOMPARE(History::FormatRecord(*record),
                 (line == OldLine ? OldLine + ",\"0\"" : line) + "\r\n");
    }

    void unknownDorvilIsDamage_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("not quoted") << HintedLine + ",Sharp";
        QTest::newRow("no such Dorvil") << Line("Master");
        QTest::newRow("a level's number") << Line("1");
        QTest::newRow("left empty") << Line("");
        QTest::newRow("a field too many") << Line("Sharp") + ",\"x\"";
    }
    void unknownDorvilIsDamage() {
        QFETCH(QByteArray, line);
        QVERIFY(!History::ParseRecord(line));
    }

    // A line cut short reads only where an older line would have ended.
    void everyCutOfALineFailsToRead() {
        const QByteArray line = Line("Expert");
        for (qsizetype n = 0; n < line.size(); ++n) {
            const auto cut = History::ParseRecord(line.left(n));
            QVERIFY2(!cut || n == OldLine.size() || n == HintedLine.size(),
                     line.left(n).constData());
        }
    }

    // New hands are appended under an older file's header; the games count
    // against the Dorvil who played their last hand, the older ones apart.
    void gamesAndMoneyAgainstEachDorvil() {
        const QString path = Dir.filePath(QStringLiteral("mixed.csv"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(History::Header().replace(",Dorvil\r\n", "\r\n") + OldLine + "\r\n" +
                       HintedLine + "\r\n");
        }
        const HandRecord hands[] = {Hand(DorvilClassic, HistorySide::Player, 40),
                                    Hand(DorvilSharp, HistorySide::Player),
                                    Hand(DorvilExpert, HistorySide::Dorvil, 15),
                                    Hand(DorvilExpert, HistorySide::Player, 9),
                                    Hand(DorvilExpert, HistorySide::Dorvil, 30),
                                    Hand(DorvilClassic, HistorySide::Player, 5)};
        for (const HandRecord& hand : hands)
            QVERIFY(History::Append(path, hand));
        HistoryFigures f;
        const HistoryReadResult read = History::Read(path, [&f](const HandRecord& r) { f.Add(r); });
        QCOMPARE(read.Records, 8);
        QCOMPARE(read.Damaged, 0);
        struct {
            qint64 Won, Lost, Money;
        } const expected[] = {{2, 0, 45}, {0, 0, 0}, {1, 2, -36}, {0, 2, -64}};
        for (int i = 0; i <= HistoryFigures::NotRecorded; ++i) {
            QCOMPARE(f.Against[i].Won, expected[i].Won);
            QCOMPARE(f.Against[i].Lost, expected[i].Lost);
            QCOMPARE(f.Against[i].Money, expected[i].Money);
        }
        QCOMPARE(f.GamesPlayed(), 7);

        // The window: each cell read with its row and column, the row of the
        // games not recorded shown because there are some, Tab leaving.
        HistoryWindow w(nullptr, [path] { return path; });
        w.Refresh();
        w.show();
        auto* table = w.findChild<QTableWidget*>(QStringLiteral("HistoryDorvils"));
        QVERIFY(table);
        QCOMPARE(table->item(DorvilExpert, 2)->text(), QStringLiteral("-$0.36"));
        QCOMPARE(table->item(DorvilExpert, 2)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Expert Dorvil, Money: you lost $0.36"));
        QCOMPARE(table->item(DorvilClassic, 0)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Classic Dorvil, Won: 2"));
        QCOMPARE(table->item(DorvilSharp, 2)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Sharp Dorvil, Money: nothing yet"));
        QVERIFY(!table->isRowHidden(HistoryFigures::NotRecorded));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(w.focusWidget() != table);

        // Export writes each line as it reads, the Dorvil named or not.
        const QString copy = Dir.filePath(QStringLiteral("export.csv"));
        QVERIFY(w.ExportTo(copy));
        const QByteArray exported = ReadAll(copy);
        QVERIFY(exported.startsWith(History::Header()));
        QVERIFY(exported.contains(HintedLine + "\r\n"));
        QCOMPARE(exported.count(",\"Expert\"\r\n"), 3);
    }

    void theTableNamesTheDorvilOfTheHand() {
        TestTable t;
        t.Frm.DorvilChosen = DorvilClassic; // a change waits for the next deal
        t.Frm.DorvilAtTable = DorvilExpert;
        const auto record = History::SettledHand(t.Frm, TableEvent{TableEvent::HandSettled},
                                                 QDateTime::currentDateTime());
        QVERIFY(record);
        QCOMPARE(record->Dorvil, int(DorvilExpert));
    }
};

QTEST_MAIN(TestHistoryDorvil)
#include "tst_history_dorvil.moc"
