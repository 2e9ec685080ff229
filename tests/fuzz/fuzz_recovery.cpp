// The recovery reader: any bytes are read without a crash, a hang or a leak,
// and a table taken up from bytes it accepts is a resting table that saves
// again to a file it accepts, which saves again to the very same bytes. As
// random bytes almost never carry a right checksum, an input whose first
// byte is even is sealed with its own checksum first, so that the reader's
// checks behind the checksum are reached too.
#include "FrmMain.h"
#include "HeadlessView.h"
#include "Random.h"
#include "Recovery.h"
#include "ViewMemory.h"

#include <QCryptographicHash>
#include <cstdlib>

namespace {
QByteArray Sealed(QByteArray bytes) {
    const qsizetype sum = bytes.lastIndexOf("sha256 ");
    if (sum >= 0) bytes.truncate(sum);
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += '\n';
    return bytes + "sha256 " + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() +
           '\n';
}

QByteArray TakenUpAndSaved(const Recovery::SavedGame& game) {
    HeadlessView view;
    ViewMemory shown(view);
    FrmMain table(shown, TableSettings{QString(), QString(), MakeRandomSource(1)});
    if (!game.RestoreInto(table, shown)) std::abort();
    if (!Recovery::AtPointOfRest(table, shown) || !Recovery::WorthKeeping(table)) std::abort();
    const auto again = Recovery::SavedGame::Capture(table, shown);
    if (!again) std::abort();
    return again->Bytes();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size > 0 && data[0] % 2 == 0) bytes = Sealed(bytes.mid(1));
    QString why;
    const auto game = Recovery::SavedGame::Read(bytes, &why);
    if (!game) {
        if (why.isEmpty()) std::abort();
        return 0;
    }
    const QByteArray saved = TakenUpAndSaved(*game);
    const auto again = Recovery::SavedGame::Read(saved, &why);
    if (!again || TakenUpAndSaved(*again) != saved) std::abort();
    return 0;
}
