// Reading and writing the file of kept hands.
#include "KeptHands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <deque>

namespace Review {

namespace {

const QByteArray Header = QByteArrayLiteral("Meldora kept hands 1");

// Each line that is a sound hand, and the count of those that are not.
template <class F> bool EachLine(const QString& path, int& damaged, F&& sound) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bool first = true;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(MaxLine + 2);
        const bool whole = line.endsWith('\n') || file.atEnd();
        if (!whole) { // too long: skip the rest of it
            while (!file.atEnd() && !file.readLine(MaxLine).endsWith('\n')) {
            }
            ++damaged;
            first = false;
            continue;
        }
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (first && line == Header) {
            first = false;
            continue;
        }
        first = false;
        if (line.isEmpty()) continue;
        if (std::optional<KeptHand> hand = Decode(line))
            sound(line, std::move(*hand));
        else
            ++damaged;
    }
    return true;
}

bool WriteWhole(const QString& path, const std::deque<QByteArray>& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray all = Header + '\n';
    for (const QByteArray& l : lines)
        all += l + '\n';
    return file.write(all) == all.size() && file.commit();
}

} // namespace

QString KeptHandsBeside(const QString& historyFile) {
    if (historyFile.isEmpty()) return {};
    return QFileInfo(historyFile).dir().filePath(KeptHandsName);
}

KeptHandsRead ReadKeptHands(const QString& path) {
    KeptHandsRead out;
    out.Opened = EachLine(path, out.Damaged, [&](const QByteArray&, KeptHand&& h) {
        out.Hands.push_back(std::move(h));
    });
    return out;
}

bool KeepHand(const QString& path, const QByteArray& line, int limit) {
    if (path.isEmpty()) return false;
    std::deque<QByteArray> lines;
    int damaged = 0;
    EachLine(path, damaged, [&](const QByteArray& l, KeptHand&&) {
        lines.push_back(l);
        if (int(lines.size()) >= limit) lines.pop_front();
    });
    lines.push_back(line);
    return WriteWhole(path, lines);
}

bool ClearKeptHands(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return true;
    return WriteWhole(path, {});
}

} // namespace Review
