// Reading and writing the statistics and name records, tolerant of damaged
// files and safe against a crash in the middle of a write.
#include "SavedRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace SavedRecord {

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b)));
    }
    return text;
}
} // namespace

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return FromCp1252(bytes);
}

QStringList ParseLine(const QByteArray& line) {
    QString text = DecodeText(line);
    int end = text.indexOf(QLatin1Char('\n'));
    if (end >= 0) text.truncate(end);
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    auto finish = [&] {
        fields.append(wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    for (QChar ch : text) {
        if (ch == QLatin1Char('"')) {
            if (!quoted && !wasQuoted) {
                field.clear(); // blanks before the opening quote
                wasQuoted = true;
            }
            quoted = !quoted;
        } else if (ch == QLatin1Char(',') && !quoted) {
            finish();
        } else if (quoted || !wasQuoted) {
            if (ch != QLatin1Char('\r')) field.append(ch);
        }
    }
    if (!field.isEmpty() || wasQuoted || !fields.isEmpty()) finish();
    return fields;
}

int16_t Saturate16(long long value) {
    if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(value);
}

int16_t ToInt16(const QString& field) {
    bool ok = false;
    double value = field.trimmed().toDouble(&ok);
    if (!ok || std::isnan(value)) return 0;
    if (value > 1e9) return std::numeric_limits<int16_t>::max();
    if (value < -1e9) return std::numeric_limits<int16_t>::min();
    return Saturate16(static_cast<long long>(std::nearbyint(value)));
}

QString Quote(const QString& text) {
    QString clean = text;
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    for (QChar& ch : clean)
        if (ch.category() == QChar::Other_Control) ch = QLatin1Char(' ');
    return QLatin1Char('"') + clean + QLatin1Char('"');
}

QByteArray FormatLine(const QStringList& fields) {
    return fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QString MoneyText(int cents, const QLocale& language) {
    if (language.language() != QLocale::C && language.language() != QLocale::English)
        return language.toCurrencyString(cents / 100.0, QStringLiteral("$"), 2);
    if (cents >= 100) {
        QString text = QString::number(cents / 100);
        int rest = cents % 100;
        if (rest != 0) {
            text += QLatin1Char('.') + QString::number(rest).rightJustified(2, QLatin1Char('0'));
            if (text.endsWith(QLatin1Char('0'))) text.chop(1);
        }
        return QLatin1Char('$') + text;
    }
    return QStringLiteral("$0.") + QString::number(cents).rightJustified(2, QLatin1Char('0'));
}

QByteArray ReadNewest(const QString& programFolder, const QString& userFolder,
                      const QString& name) {
    QFileInfo best;
    for (const QString& folder : {programFolder, userFolder}) {
        // An empty folder names nothing, not the root of the file system; a
        // relative one would depend on where the program was started.
        if (!folder.startsWith(QLatin1Char('/'))) continue;
        QFileInfo info(folder + QLatin1Char('/') + name);
        if (info.isFile() && (!best.isFile() || info.lastModified() > best.lastModified()))
            best = info;
    }
    if (!best.isFile()) return {};
    QFile file(best.filePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(64 * 1024);
}

namespace {
bool WriteInto(const QString& folder, const QString& name, const QByteArray& contents) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    QSaveFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

bool WriteWhole(const QString& programFolder, const QString& userFolder, const QString& name,
                const QByteArray& contents) {
    return WriteInto(programFolder, name, contents) || WriteInto(userFolder, name, contents);
}

QString WritableFolder(const QString& programFolder, const QString& userFolder) {
    for (const QString& folder : {programFolder, userFolder})
        if (!folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isWritable())
            return folder;
    return {};
}

} // namespace SavedRecord

int ModOnlyNumeric(int KeyAscii, const QString& boxText, int selectionStart) {
    if (KeyAscii == 46 && !boxText.contains(QLatin1Char('.'))) return KeyAscii;
    if (KeyAscii == 8 || (KeyAscii >= 48 && KeyAscii <= 57)) return KeyAscii;
    if (KeyAscii == 45 && !boxText.contains(QLatin1Char('-')))
        return selectionStart == 0 ? KeyAscii : 0;
    return 0;
}

int16_t TargetFromText(const QString& text) {
    bool ok = false;
    double value = text.trimmed().toDouble(&ok);
    if (text.trimmed().isEmpty() || !ok || std::isnan(value)) return 100;
    double rounded = std::nearbyint(value);
    if (rounded < 25) return 25;
    if (rounded > 500) return 500;
    return static_cast<int16_t>(rounded);
}
