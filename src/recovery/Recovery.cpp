// Keeping, removing and reading back the recovery file beside Scores.dat.
#include "Recovery.h"

#include "FrmMain.h"
#include "ViewMemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

namespace Recovery {

namespace {

bool SameAsFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly)) return false;
    return file.read(bytes.size() + 1) == bytes;
}

void SetAside(const QString& path, const QString& why) {
    QString aside = path + QStringLiteral(".damaged");
    for (int k = 2; QFileInfo::exists(aside) && k <= 1000; ++k)
        aside = path + QStringLiteral(".damaged.%1").arg(k);
    const bool moved = !QFileInfo::exists(aside) && QFile::rename(path, aside);
    const QString line =
        moved ? QStringLiteral("meldora: the recovery file %1 was set aside as %2: %3")
                    .arg(path, QFileInfo(aside).fileName(), why)
              : QStringLiteral("meldora: the recovery file %1 cannot be taken back (%2) nor set "
                               "aside; the next game will replace it")
                    .arg(path, why);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// A write cut short by a crash leaves its file aside ("Recovery.dat.a1B2c3");
// it was never the recovery file, and nothing else would remove it.
void RemoveUnfinishedWrites(const QString& folder) {
    static const QRegularExpression unfinished(
        QStringLiteral("\\ARecovery\\.dat\\.[A-Za-z0-9]{6}\\z"));
    QDir dir(folder);
    for (const QString& name : dir.entryList({FileName + QStringLiteral(".*")}, QDir::Files))
        if (unfinished.match(name).hasMatch()) dir.remove(name);
}

} // namespace

QString FilePath(const QString& folder) {
    return folder + QLatin1Char('/') + FileName;
}

bool AtPointOfRest(const FrmMain& table, const ViewMemory& memory) {
    return !table.SequenceRunning() && !table.TakingCard && !table.Closing && !memory.Dragging();
}

bool WorthKeeping(const FrmMain& table) {
    return table.GameInPlay && !table.GameOver && !table.HandOver;
}

Kept KeepRecovery(const QString& folder, FrmMain& table, const ViewMemory& memory) {
    if (!AtPointOfRest(table, memory)) return Kept::NotAtRest;
    if (folder.isEmpty()) return Kept::Failed;
    if (!WorthKeeping(table)) return RemoveRecovery(folder) ? Kept::Removed : Kept::Failed;
    const std::optional<SavedGame> game = SavedGame::Capture(table, memory);
    if (!game) return Kept::Failed;
    if (SameAsFile(FilePath(folder), game->Bytes())) return Kept::Unchanged;
    return WriteRecovery(folder, game->Bytes()) ? Kept::Written : Kept::Failed;
}

bool WriteRecovery(const QString& folder, const QByteArray& bytes) {
    QSaveFile file(FilePath(folder));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool RemoveRecovery(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QString path = FilePath(folder);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

std::optional<SavedGame> ReadRecovery(const QString& folder) {
    if (folder.isEmpty()) return std::nullopt;
    RemoveUnfinishedWrites(folder);
    const QString path = FilePath(folder);
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    QString why;
    std::optional<SavedGame> game;
    QFile file(path);
    if (!info.isFile())
        why = QStringLiteral("it is not a file");
    else if (info.size() > MaxFileSize)
        why = QStringLiteral("it is too large (%1 bytes)").arg(info.size());
    else if (!file.open(QIODevice::ReadOnly))
        why = QStringLiteral("it cannot be read: ") + file.errorString();
    else
        game = SavedGame::Read(file.read(MaxFileSize + 1), &why);
    file.close();
    if (!game) SetAside(path, why);
    return game;
}

} // namespace Recovery
