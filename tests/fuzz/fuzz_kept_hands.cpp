// The reader of the kept hands: any bytes, as a line or as the whole file,
// are read without a crash; a line it takes for a hand is written back as the
// same line, and the hand replays without a crash whatever moves it holds.
#include "KeptHand.h"
#include "KeptHands.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto hand = Review::Decode(bytes)) {
        const QByteArray line = Review::Encode(*hand);
        const auto again = Review::Decode(line);
        if (!again || Review::Encode(*again) != line) std::abort();
        (void)Review::PlayAgain(*hand);
    }
    const QString path = dir.path() + QStringLiteral("/Hands.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(bytes);
    file.close();
    // The file opens, and holds no more hands than its bytes could.
    const Review::KeptHandsRead read = Review::ReadKeptHands(path);
    if (!read.Opened || read.Damaged < 0 || read.Hands.size() > size / 2 + 1) std::abort();
    return 0;
}
