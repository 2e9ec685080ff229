// bench_history read|window FILE: how long reading a history file takes and
// how much memory it holds at most, or how long the Game History window
// takes from being asked for to being painted. Run by scripts/bench-history.sh.
#include "HistoryFigures.h"
#include "modules/history/HistoryWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <cstdio>

namespace {
long PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int Read(const QString& file) {
    QElapsedTimer clock;
    clock.start();
    HistoryFigures figures;
    HistoryReadResult read =
        History::Read(file, [&figures](const HandRecord& record) { figures.Add(record); });
    const qint64 ms = clock.elapsed();
    std::printf("read: %lld records (%lld games), %lld damaged lines skipped, %lld ms, "
                "peak memory %ld MiB\n",
                static_cast<long long>(read.Records), static_cast<long long>(figures.GamesPlayed()),
                static_cast<long long>(read.Damaged), static_cast<long long>(ms), PeakKiB() / 1024);
    return read.Opened ? 0 : 1;
}

int Window(const QString& file) {
    QElapsedTimer clock;
    clock.start();
    HistoryWindow window(nullptr, [file] { return file; });
    window.Refresh();
    const qint64 filled = clock.elapsed();
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    window.repaint(); // the figures and both charts, painted now
    const qint64 ms = clock.elapsed();
    std::printf("window: painted %lld ms after it was asked for (filled in %lld ms), peak "
                "memory %ld MiB\n",
                static_cast<long long>(ms), static_cast<long long>(filled), PeakKiB() / 1024);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_history read|window FILE\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("read")) {
        QCoreApplication app(argc, argv);
        return Read(file);
    }
    QApplication app(argc, argv);
    return Window(file);
}
