// Times the recovery file: one write at a point of rest (the table put into
// words, written aside, synced and renamed into place), what the game waits
// for when the keeper writes from its own thread, and one start that
// reads it back and lays it onto a fresh table. The table is the game in a
// recovery file given on the command line (scripts/bench-recovery.sh makes
// them with self-play), or a hand just dealt.
#include "FrmMain.h"
#include "HeadlessView.h"
#include "Random.h"
#include "Recovery.h"
#include "RecoveryKeeper.h"
#include "ViewMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Table {
    HeadlessView View;
    ViewMemory Shown{View};
    FrmMain Frm;
    explicit Table(const QString& folder)
        : Frm(Shown, TableSettings{folder, folder, MakeRandomSource(1)}) {}
};

QString Figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("median %1 ms, max %2 ms")
        .arg(ms[ms.size() / 2], 0, 'f', 3)
        .arg(ms.back(), 0, 'f', 3);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 2 ? args[2].toInt() : 200;
    QTemporaryDir dir;
    Table table(dir.path());
    const bool fromFile = args.size() > 1 && !args[1].isEmpty();
    if (fromFile) {
        QFile file(args[1]);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QString why;
        const auto game = Recovery::SavedGame::Read(bytes, &why);
        if (!game || !game->RestoreInto(table.Frm, table.Shown)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(why));
            return 2;
        }
    } else {
        table.Frm.Dispatch([&] { table.Frm.Form_Load(); });
        table.Frm.Dispatch([&] { table.Frm.Cds_Click(1); });
    }
    std::vector<double> capture, write, read, kept;
    RecoveryKeeper keeper(dir.path());
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        table.Frm.HandSerial = i; // a changed table each time: a same one is not written again
        clock.start();
        const auto game = Recovery::SavedGame::Capture(table.Frm, table.Shown);
        capture.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        if (Recovery::KeepRecovery(dir.path(), table.Frm, table.Shown) != Recovery::Kept::Written)
            return std::fprintf(stderr, "the file was not written\n"), 1;
        write.push_back(double(clock.nsecsElapsed()) / 1e6);
        table.Frm.HandSerial = runs + i;
        clock.start();
        if (keeper.Keep(table.Frm, table.Shown) != Recovery::Kept::Written)
            return std::fprintf(stderr, "the keeper wrote nothing\n"), 1;
        kept.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!keeper.Finish()) return std::fprintf(stderr, "the keeper's write failed\n"), 1;
        clock.start();
        Table fresh(dir.path());
        const auto back = Recovery::ReadRecovery(dir.path());
        if (!back || !back->RestoreInto(fresh.Frm, fresh.Shown))
            return std::fprintf(stderr, "the file was not taken back\n"), 1;
        read.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const qint64 size = QFileInfo(Recovery::FilePath(dir.path())).size();
    std::printf("%s: %lld bytes, %zu events in the hand's record; %d runs\n",
                fromFile ? qPrintable(QFileInfo(args[1]).fileName()) : "a hand just dealt",
                static_cast<long long>(size), table.Frm.HandLog.size(), runs);
    std::printf("  put into words: %s\n", qPrintable(Figures(capture)));
    std::printf("  one write (words, write aside, sync, rename): %s\n", qPrintable(Figures(write)));
    std::printf("  the same through the keeper, as the game waits for it: %s\n",
                qPrintable(Figures(kept)));
    std::printf("  one start (read, check, lay onto a fresh table): %s\n",
                qPrintable(Figures(read)));
    return 0;
}
