// The recovery file: a table taken up from it is the table that was saved,
// and goes on as it would have; a file that cannot be taken back is set aside
// with one line, never half read; the other saved files are never touched.
#include "History.h"
#include "Recovery.h"
#include "RecoveryKeeper.h"
#include "SelfPlay.h"
#include "TestView.h"
#include "ViewMemory.h"

#include <QCryptographicHash>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

namespace {

// A table whose view memory stands between it and the scripted view, as it
// stands between the game and the window.
struct Table {
    TestView View;
    ViewMemory Shown{View};
    FrmMain Frm;
    Table(const QString& folder, uint64_t seed)
        : Frm(Shown, TableSettings{folder, folder, MakeRandomSource(seed)}) {}
    template <class F> void Run(F&& handler) { Frm.Dispatch(std::forward<F>(handler)); }
    void Drop(int n, int left, int top) {
        Run([&] { Frm.Cds_MouseDown(n); });
        View.MoveCard(n, left, top);
        Run([&] { Frm.Cds_MouseUp(n); });
    }
    int First(int place) const {
        for (int n = 1; n <= 52; ++n)
            if (Frm.Cards(n).Place == place) return n;
        return 0;
    }
    // The player's next turn: a stock card taken, the first hand card discarded.
    void PlayTurn() {
        Run([&] { Frm.Cds_MouseDown(First(Where::Stock)); });
        Drop(First(Where::PlayerHand), 1000, 5500);
    }
    QByteArray Saved() { return Recovery::SavedGame::Capture(Frm, Shown)->Bytes(); }
};

// Everything the scripted view was told, card pictures in their stacking order.
QString Screen(const TestView& v) {
    QString text;
    QList<int> order;
    for (int n = 1; n <= 52; ++n) {
        text += QStringLiteral("%1:%2,%3 i%4 s%5 p%6 %7\n")
                    .arg(n)
                    .arg(v.Left[n])
                    .arg(v.Top[n])
                    .arg(v.Image[n])
                    .arg(v.CardShown[n])
                    .arg(v.Pointer[n])
                    .arg(v.Tip[n]);
        order << n;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return v.Front[a] < v.Front[b]; });
    for (int n : order)
        text += QString::number(n) + QLatin1Char(' ');
    for (const auto& [control, value] : v.Texts)
        text += QStringLiteral("\nt%1 %2").arg(int(control)).arg(value);
    for (const auto& [control, shown] : v.Shown)
        text += QStringLiteral("\nv%1 %2").arg(int(control)).arg(shown);
    for (const auto& [menu, on] : v.MenuOn)
        text += QStringLiteral("\nm%1 %2").arg(int(menu)).arg(on);
    for (int panel = 1; panel <= 4; ++panel)
        text += QStringLiteral("\np%1 %2").arg(panel).arg(v.Panels[panel]);
    return text;
}

// Standard error, caught in a file while an object of this type lives.
class CaughtErrors {
  public:
    CaughtErrors() : Saved(dup(2)) {
        std::fflush(stderr);
        File.open();
        dup2(File.handle(), 2);
    }
    ~CaughtErrors() { Release(); }
    QStringList Lines() {
        Release();
        File.seek(0);
        return QString::fromLocal8Bit(File.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

  private:
    QTemporaryFile File;
    int Saved;
    void Release() {
        if (Saved < 0) return;
        std::fflush(stderr);
        dup2(Saved, 2);
        close(Saved);
        Saved = -1;
    }
};

QByteArray Sealed(QByteArray body) {
    return body + "sha256 " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() +
           '\n';
}

QByteArray Unsealed(const QByteArray& file) {
    return file.left(file.lastIndexOf("sha256 "));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("moment");
        QTest::newRow("mid-hand, a card taken") << "drawn";
        QTest::newRow("after Dorvil melds, a meld left open") << "open meld";
        QTest::newRow("Sharp Dorvil, the target frame shown") << "sharp";
        QTest::newRow("Expert Dorvil, the target frame shown") << "expert";
    }
    // Saved, read back from its file and laid onto a fresh table and view,
    // the table is the one saved; the two then play on alike.
    void roundTrip() {
        QFETCH(QString, moment);
        QTemporaryDir dir;
        Table a(dir.path(), 11);
        if (moment == "drawn") {
            a.Run([&] { a.Frm.Form_Load(); });
            a.Run([&] { a.Frm.Cds_Click(1); });
            a.Run([&] { a.Frm.Cds_MouseDown(a.First(Where::Stock)); });
            a.Frm.HandHints = 12; // the advice taken goes with the hand
        } else {
            // Dorvil holds three sevens; the player holds the eights and a
            // run to start.
            LayHand(a.Frm, a.View, {8, 21, 34, 2, 3, 4, 50, 12}, {7, 20, 33, 40, 45, 51}, 30);
            a.Frm.DorvilChosen = a.Frm.DorvilAtTable = moment == "expert" ? DorvilExpert
                                                        : moment == "sharp"  ? DorvilSharp
                                                                             : DorvilClassic;
            a.Run([&] { a.Frm.Cds_MouseDown(30); });
            a.Drop(50, 1000, 5500);
            QVERIFY(a.Frm.MadeMeld(2));
            a.Run([&] { a.Frm.Cds_MouseDown(a.First(Where::Stock)); });
            a.Drop(2, 4300, 4000); // column 2: his sevens lie in column 1
            QCOMPARE(a.Frm.Melds(2).Count, 1);
            if (moment == "sharp" || moment == "expert") a.Run([&] { a.Frm.MnuCT(); });
        }
        QVERIFY(Recovery::AtPointOfRest(a.Frm, a.Shown));
        QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::Written);
        QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::Unchanged);
        const std::optional<Recovery::SavedGame> game = Recovery::ReadRecovery(dir.path());
        QVERIFY(game);
        Table b(dir.path(), 999);
        QVERIFY(game->RestoreInto(b.Frm, b.Shown));
        QCOMPARE(b.Saved(), a.Saved());
        QCOMPARE(Screen(b.View), Screen(a.View));
        QCOMPARE(b.Frm.HandLog.size(), a.Frm.HandLog.size());
        for (Table* t : {&a, &b}) {
            if (moment == "sharp" || moment == "expert") t->Run([&] { t->Frm.CmdTarget(); });
            if (moment != "drawn") t->Run([&] { t->Frm.LblTakeBack_Click(); });
            t->Drop(t->First(Where::PlayerHand), 1000, 5500);
            t->PlayTurn();
            t->PlayTurn();
        }
        QCOMPARE(b.Saved(), a.Saved());
        QCOMPARE(Screen(b.View), Screen(a.View));
    }

    void refused_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << "cut"
                                   << "cut short";
        QTest::newRow("a byte changed") << "byte"
                                        << "checksum";
        QTest::newRow("a newer version") << "version"
                                         << "newer Meldora";
        QTest::newRow("a statistics file") << "foreign"
                                           << "not a recovery file";
        QTest::newRow("empty") << "empty"
                               << "not a recovery file";
        QTest::newRow("too large") << "huge"
                                   << "too large";
        QTest::newRow("a card in two places") << "two places"
                                              << "lies in";
        QTest::newRow("counts that do not add up") << "count"
                                                   << "not as counted";
        QTest::newRow("target out of range") << "target"
                                             << "target points";
        QTest::newRow("an entry twice") << "twice"
                                        << "twice";
        QTest::newRow("an entry unknown") << "unknown"
                                          << "does not know";
        QTest::newRow("an entry missing") << "missing"
                                          << "missing";
        QTest::newRow("a generator of zeros") << "zeros"
                                              << "random generator";
        QTest::newRow("no game in progress") << "over"
                                             << "no game in progress";
        QTest::newRow("an event of no kind") << "event"
                                             << "event of kind";
        QTest::newRow("a card dealt nowhere") << "dealt"
                                              << "was dealt to";
    }
    // Refused with one line on standard error, the file set aside under a new
    // name beside any set aside before, and nothing taken up.
    void refused() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Table a(dir.path(), 5);
        a.Run([&] { a.Frm.Form_Load(); });
        a.Run([&] { a.Frm.Cds_Click(1); });
        const QByteArray good = a.Saved();
        QByteArray body = Unsealed(good);
        auto replace = [&](const QByteArray& from, const QByteArray& to) {
            QVERIFY2(body.contains(from), from.constData());
            body.replace(body.indexOf(from), from.size(), to);
        };
        QByteArray bad;
        const QByteArray places = body.mid(body.indexOf("\nplaces ") + 1).split('\n')[0];
        if (damage == "cut") bad = good.left(good.size() / 2);
        if (damage == "byte") bad = good, bad[good.size() / 3] = bad[good.size() / 3] ^ 1;
        if (damage == "version") replace("Meldora-Recovery 3\n", "Meldora-Recovery 4\n");
        if (damage == "dealt") {
            const qsizetype at = body.indexOf("\ndealt ") + 7;
            body.replace(at, body.indexOf(' ', at) - at, "9");
        }
        if (damage == "foreign") bad = "0,0,0,0,\"Player\"\r\n";
        if (damage == "huge") bad = good + QByteArray(Recovery::MaxFileSize, 'x');
        if (damage == "two places") replace("\ncolumns 0", "\ncolumns 1");
        if (damage == "count") replace("\ncounts 10", "\ncounts 11");
        if (damage == "target") replace("\ntarget 100\n", "\ntarget 9999\n");
        if (damage == "twice") replace("\ntarget 100\n", "\ntarget 100\ntarget 100\n");
        if (damage == "unknown") replace("\ntarget 100\n", "\ntarget 100\ntips 3\n");
        if (damage == "missing") replace("\ntarget 100\n", "\n");
        if (damage == "zeros") {
            const qsizetype at = body.indexOf("\nrandom ") + 8;
            const qsizetype end = body.indexOf('\n', at);
            QByteArray zeros;
            for (int i = 0; i < 312; ++i)
                zeros += "0 ";
            body.replace(at, end - at, zeros + "312");
        }
        if (damage == "over") replace("\ngame 1 0", "\ngame 0 0");
        if (damage == "event") {
            const qsizetype at = body.indexOf("\nhand-log ") + 1;
            body.replace(at, body.indexOf('\n', at) - at, "hand-log 1 -1 0 0 0 0");
        }
        if (bad.isEmpty() && damage != "empty") bad = Sealed(body);
        const QString path = Recovery::FilePath(dir.path());
        WriteFile(path + ".damaged", "an older one");
        WriteFile(path, bad);
        CaughtErrors errors;
        QVERIFY(!Recovery::ReadRecovery(dir.path()));
        const QStringList lines = errors.Lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(reason) && lines[0].contains("Recovery.dat.damaged.2"),
                 qPrintable(lines[0]));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(ReadFile(path + ".damaged.2"), bad);
        QCOMPARE(ReadFile(path + ".damaged"), QByteArray("an older one"));
        QVERIFY(Recovery::SavedGame::Read(good, nullptr)); // the damage alone was refused
    }

    // A file of an older version, written before the hand's advice or its
    // deal was kept, is taken up as a hand in which none was taken and whose
    // deal is not known.
    void anOlderFileIsRead_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("first") << 1;
        QTest::newRow("second") << 2;
    }
    void anOlderFileIsRead() {
        QFETCH(int, version);
        QTemporaryDir dir;
        Table a(dir.path(), 5);
        a.Run([&] { a.Frm.Form_Load(); });
        a.Run([&] { a.Frm.Cds_Click(1); });
        QByteArray body = Unsealed(a.Saved());
        QVERIFY(body.startsWith("Meldora-Recovery 3\n") && body.contains("\nhints 0\n"));
        const qsizetype dealt = body.indexOf("\ndealt ") + 1;
        QVERIFY(dealt > 0);
        body.remove(dealt, body.indexOf('\n', dealt) + 1 - dealt);
        body.replace("Meldora-Recovery 3\n", "Meldora-Recovery " + QByteArray::number(version) + '\n');
        if (version == 1) body.replace("\nhints 0\n", "\n");
        QString why;
        const std::optional<Recovery::SavedGame> old = Recovery::SavedGame::Read(Sealed(body), &why);
        QVERIFY2(old, qPrintable(why));
        Table b(dir.path(), 999);
        b.Frm.HandHints = 7;
        std::fill(std::begin(b.Frm.DealtTo), std::end(b.Frm.DealtTo), int(FrmMain::DealtFace));
        QVERIFY(old->RestoreInto(b.Frm, b.Shown));
        QCOMPARE(b.Frm.HandHints, 0);
        std::fill(std::begin(a.Frm.DealtTo), std::end(a.Frm.DealtTo), int(FrmMain::DealtStock));
        QCOMPARE(b.Saved(), a.Saved());
    }

    // Kept while a game is in progress, gone before the first deal and once
    // the game is over; the statistics, name and history files stay as they are.
    void keptOnlyForAGameInProgress() {
        QTemporaryDir dir;
        const QStringList others = {"Scores.dat", "Names2.dat", "History.csv"};
        for (const QString& name : others)
            WriteFile(dir.path() + '/' + name, name.toUtf8());
        Table a(dir.path(), 3);
        a.Run([&] { a.Frm.Form_Load(); });
        WriteFile(Recovery::FilePath(dir.path()), "left from before");
        QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::Removed);
        QVERIFY(!QFileInfo::exists(Recovery::FilePath(dir.path())));
        a.Run([&] { a.Frm.Cds_Click(1); });
        a.View.DuringPause = [&](int) {
            QVERIFY(!Recovery::AtPointOfRest(a.Frm, a.Shown));
            QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::NotAtRest);
        };
        a.Run([&] { a.Frm.Cds_MouseDown(a.First(Where::Stock)); });
        a.View.DuringPause = nullptr;
        const int n = a.First(Where::PlayerHand);
        a.Run([&] { a.Frm.Cds_MouseDown(n); }); // a drag begins
        QVERIFY(!Recovery::AtPointOfRest(a.Frm, a.Shown));
        a.View.MoveCard(n, 1000, 5500);
        a.Run([&] { a.Frm.Cds_MouseUp(n); });
        QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::Written);
        const std::optional<Recovery::SavedGame> game = Recovery::ReadRecovery(dir.path());
        QVERIFY(game);
        Table b(dir.path(), 3);
        QVERIFY(game->RestoreInto(b.Frm, b.Shown));
        b.Frm.GameOver = true;
        QCOMPARE(Recovery::KeepRecovery(dir.path(), b.Frm, b.Shown), Recovery::Kept::Removed);
        for (const QString& name : others)
            QCOMPARE(ReadFile(dir.path() + '/' + name), name.toUtf8());
    }

    // Stopped before the point of rest after the move that ended a hand, the
    // program has recorded the hand; the recovered game plays that move again,
    // and the history holds the hand once.
    void aReplayedHandIsRecordedOnce() {
        QTemporaryDir dir;
        Table a(dir.path(), 5);
        LayHand(a.Frm, a.View, {4}, {2, 15}, 30);
        a.Frm.PlayerHasDrawn = true;
        QCOMPARE(Recovery::KeepRecovery(dir.path(), a.Frm, a.Shown), Recovery::Kept::Written);
        const std::optional<Recovery::SavedGame> game = Recovery::ReadRecovery(dir.path());
        QVERIFY(game);
        Table b(dir.path(), 6);
        QVERIFY(game->RestoreInto(b.Frm, b.Shown));
        int hands = 0;
        for (Table* t : {&a, &b}) {
            t->View.OnRecord = [t](const TableEvent& e) { History::RecordSettledHand(t->Frm, e); };
            t->View.Answers = {0};
            t->Drop(4, 1000, 5500);
            hands = 0;
            History::Read(t->Frm.HistoryFile(), [&](const HandRecord&) { ++hands; });
            QCOMPARE(hands, 1);
        }
    }

    // Kept from its own thread, the file ends as the newest table asked for,
    // and a removal asked after a write is never overtaken by it.
    void keeperWritesTheNewest() {
        QTemporaryDir dir;
        Table a(dir.path(), 8);
        a.Run([&] { a.Frm.Form_Load(); });
        a.Run([&] { a.Frm.Cds_Click(1); });
        RecoveryKeeper keeper(dir.path());
        for (int turn = 0; turn < 5; ++turn) {
            a.PlayTurn();
            QCOMPARE(keeper.Keep(a.Frm, a.Shown), Recovery::Kept::Written);
        }
        QCOMPARE(keeper.Keep(a.Frm, a.Shown), Recovery::Kept::Unchanged);
        QVERIFY(keeper.Finish());
        QCOMPARE(ReadFile(Recovery::FilePath(dir.path())), a.Saved());
        a.PlayTurn();
        QCOMPARE(keeper.Keep(a.Frm, a.Shown), Recovery::Kept::Written);
        keeper.Remove();
        QVERIFY(keeper.Finish());
        QVERIFY(!QFileInfo::exists(Recovery::FilePath(dir.path())));
    }

    // A table whose draws are scripted has no state to save or take up.
    void scriptedDrawsAreNotSaved() {
        QTemporaryDir dir;
        Table a(dir.path(), 3);
        a.Run([&] { a.Frm.Form_Load(); });
        a.Run([&] { a.Frm.Cds_Click(1); });
        const std::optional<Recovery::SavedGame> game =
            Recovery::SavedGame::Capture(a.Frm, a.Shown);
        TestView view;
        ViewMemory shown(view);
        FrmMain scripted(shown, TableSettings{dir.path(), dir.path(), [] { return 0.5; }});
        QVERIFY(!Recovery::SavedGame::Capture(scripted, shown));
        QVERIFY(!game->RestoreInto(scripted, shown));
        QVERIFY(!scripted.GameInPlay && scripted.Cards(1).Place == 0 && !view.PicturesCreated);
    }

    void generatorState_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("taken");
        QTest::newRow("as written") << "" << true;
        QTest::newRow("empty") << "empty" << false;
        QTest::newRow("a word short") << "short" << false;
        QTest::newRow("a leading zero") << "zero" << false;
        QTest::newRow("a sign") << "sign" << false;
        QTest::newRow("a word too large") << "large" << false;
    }
    // The state taken back draws the numbers the saved one would have.
    void generatorState() {
        QFETCH(QString, change);
        QFETCH(bool, taken);
        RandomSource a(42);
        for (int i = 0; i < 1000; ++i)
            a();
        std::string state = a.State();
        if (change == "empty") state.clear();
        if (change == "short") state = state.substr(state.find(' ') + 1);
        if (change == "zero") state = "0" + state;
        if (change == "sign") state = "+" + state;
        if (change == "large") state = "18446744073709551616" + state.substr(state.find(' '));
        RandomSource b(7);
        const double next = RandomSource(7)();
        QCOMPARE(b.SetState(state), taken);
        QCOMPARE(b(), taken ? a() : next);
    }

    // Thrown away and taken up from its file again and again, self-play ends
    // with the counts of the run that never was.
    void selfPlayRestoredPlaysAlike() {
        SelfPlayConfig config{400, 21, QString(), QStringLiteral("random")};
        const SelfPlayResult plain = SelfPlay(config).Run();
        config.Restore = true;
        const SelfPlayResult restored = SelfPlay(config).Run();
        QCOMPARE(restored.FaultReport, QString());
        QVERIFY(restored.Restores > 20);
        QCOMPARE(restored.Turns, plain.Turns);
        QCOMPARE(restored.Games, plain.Games);
        QCOMPARE(restored.HandsWonByDorvil, plain.HandsWonByDorvil);
        QCOMPARE(restored.Sessions, plain.Sessions);
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
