// The history reader: any bytes in History.csv are read without a crash,
// every line counted once as a record or as damaged, and every record it
// accepts is written back as a line that reads the same again.
#include "History.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
void CheckRoundTrip(const HandRecord& record) {
    const QByteArray line = History::FormatRecord(record);
    if (!line.endsWith("\r\n") || line.count('\n') != 1) std::abort();
    const auto again = History::ParseRecord(line);
    if (!again || History::FormatRecord(*again) != line) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto record = History::ParseRecord(bytes)) CheckRoundTrip(*record);

    const QString path = dir.path() + QStringLiteral("/History.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(bytes);
    file.close();
    qint64 seen = 0;
    const HistoryReadResult read = History::Read(path, [&seen](const HandRecord& record) {
        ++seen;
        CheckRoundTrip(record);
    });
    const qint64 lines = bytes.count('\n') + 1;
    if (!read.Opened || seen != read.Records || read.Records + read.Damaged > lines) std::abort();
    return 0;
}
