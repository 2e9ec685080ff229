// The saved files as the game reads them at start-up and writes them at a
// game's end: any Scores.dat and Names2.dat are read without harm, and what
// the game then writes reads back as exactly what it held. The input is the
// statistics file, then a NUL byte, then the name file.
#include "FrmMain.h"
#include "HeadlessView.h"
#include "SavedRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

namespace {

// Any message box or error here would be a fault of the reading.
class Quiet : public HeadlessView {
  public:
    void ErrorBox(const QString&) override { std::abort(); }
};

struct Statistics {
    int16_t Numbers[4];
    QString Name;
    bool operator==(const Statistics&) const = default;
};

Statistics Read(const QString& folder) {
    Quiet view;
    FrmMain table(view, TableSettings{folder, folder, [] { return 0.5; }});
    table.ReadSavedFiles();
    if (table.PlayerGamesWon < 0 || table.OppGamesWon < 0 || table.OppMoney < 0 ||
        table.PlayerMoney < 0)
        std::abort();
    return {{table.PlayerGamesWon, table.OppGamesWon, table.OppMoney, table.PlayerMoney},
            table.PlayerName};
}

void Write(const QString& folder, const Statistics& s) {
    Quiet view;
    FrmMain table(view, TableSettings{folder, folder, [] { return 0.5; }});
    table.PlayerGamesWon = s.Numbers[0], table.OppGamesWon = s.Numbers[1];
    table.OppMoney = s.Numbers[2], table.PlayerMoney = s.Numbers[3];
    table.PlayerName = s.Name;
    table.SaveStatistics();
    QFile::remove(folder + QStringLiteral("/Names2.dat"));
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Memory-backed, so that the writes cost no disk flush.
    static QTemporaryDir dir(QStringLiteral("/dev/shm/meldora-fuzz-XXXXXX"));
    const QString folder = dir.path();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    Put(folder + QStringLiteral("/Scores.dat"), split < 0 ? input : input.left(split));
    QFile::remove(folder + QStringLiteral("/Names2.dat"));
    if (split >= 0) Put(folder + QStringLiteral("/Names2.dat"), input.mid(split + 1));
    const Statistics first = Read(folder);
    Write(folder, first);
    const Statistics second = Read(folder);
    // The numbers survive whole; the name as the clean-up leaves it.
    const QString quoted = SavedRecord::Quote(first.Name);
    if (std::memcmp(first.Numbers, second.Numbers, sizeof first.Numbers) != 0 ||
        second.Name != quoted.mid(1, quoted.size() - 2))
        std::abort();
    Write(folder, second);
    if (!(Read(folder) == second)) std::abort();
    return 0;
}
