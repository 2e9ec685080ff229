// The one-line comma-separated records of the statistics and name files, the
// folders they live in, and the small conversions of the statistics frame.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace SavedRecord {

// Splits a record line at commas outside double quotes; a quoted field loses
// its quotes, blanks around a field are dropped. Text that is not UTF-8 is
// read as Windows-1252.
QStringList ParseLine(const QByteArray& line);
QString DecodeText(const QByteArray& bytes);

// A number field as a 16-bit value: garbage gives 0, fractions round half to
// even, values beyond the range stop at its end.
int16_t ToInt16(const QString& field);
int16_t Saturate16(long long value);

// A string field, quoted. The format has no escape for a double quote, so a
// quote in the text is stored as an apostrophe; line breaks become blanks.
QString Quote(const QString& text);
// Fields joined by commas, ended by CR LF, in UTF-8.
QByteArray FormatLine(const QStringList& fields);

// "$1.05" for 105 cents, "$0.07" for 7: the table's own way, in English (or
// the C locale). In another language the locale's way: "1,05 $" in German.
QString MoneyText(int cents, const QLocale& language = QLocale::c());

// Reads the newest of `name` in the two folders; empty when neither exists.
QByteArray ReadNewest(const QString& programFolder, const QString& userFolder, const QString& name);
// Writes the whole file aside and renames it into place, in the program's
// folder, or in the user's folder when the first cannot be written.
bool WriteWhole(const QString& programFolder, const QString& userFolder, const QString& name,
                const QByteArray& contents);
// The folder WriteWhole writes into now; empty when neither can be written.
QString WritableFolder(const QString& programFolder, const QString& userFolder);

} // namespace SavedRecord

// The key filter of the target box: the character code to let through, or 0.
int ModOnlyNumeric(int KeyAscii, const QString& boxText, int selectionStart);

// The target that "&O.K" sets from the box's text: empty or not a number
// gives 100; otherwise the number rounded half to even, clamped to 25..500.
int16_t TargetFromText(const QString& text);
