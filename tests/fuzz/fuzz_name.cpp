// The name clean-up: any name becomes one quoted field that the record reader
// gives back unchanged, on one line, however it was typed.
#include "SavedRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString quoted = SavedRecord::Quote(name);
    if (quoted.size() < 2 || !quoted.startsWith(QLatin1Char('"')) ||
        !quoted.endsWith(QLatin1Char('"')))
        std::abort();
    const QString inner = quoted.mid(1, quoted.size() - 2);
    for (QChar ch : inner)
        if (ch == QLatin1Char('"') || ch.category() == QChar::Other_Control) std::abort();
    const QByteArray line = SavedRecord::FormatLine({QStringLiteral("3"), quoted});
    if (line.count('\n') != 1 || !line.endsWith("\r\n")) std::abort();
    const QStringList fields = SavedRecord::ParseLine(line);
    if (fields.size() != 2 || fields[1] != inner) std::abort();
    return 0;
}
