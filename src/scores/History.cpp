// The history file: its record line, appending a settled hand, and reading
// it back tolerantly.
#include "History.h"

#include "FrmMain.h"
#include "SavedRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <vector>

namespace History {

namespace {
// Lines written before the Dorvil was named end at the hints; lines written
// before hints were counted, at the name.
constexpr int FieldCount = 16, HintedFieldCount = 15, OlderFieldCount = 14;
enum Field {
    DateField,
    TargetField,
    WentOutField,
    PointsField,
    PlayerScoreField,
    DorvilScoreField,
    WonByField,
    MarginField,
    MoneyField,
    WonPlayerField,
    WonDorvilField,
    OwedPlayerField,
    OwedDorvilField,
    NameField,
    HintsField,
    DorvilField
};
// Names are kept short enough that every line stays far below the cap.
constexpr qsizetype MaxName = 200;

QByteArray SideText(HistorySide side) {
    return side == HistorySide::Player   ? QByteArrayLiteral("Player")
           : side == HistorySide::Dorvil ? QByteArrayLiteral("Dorvil")
                                         : QByteArray();
}

struct Fields {
    std::array<std::string, FieldCount + 1> Text;
    std::array<bool, FieldCount + 1> Quoted{};
    int Count = 0;
};

// Splits at commas outside double quotes, "" inside quotes being one quote.
// False for an unclosed quote, text after a closing quote, or extra fields.
bool Split(QByteArrayView line, Fields& out) {
    out.Count = 0;
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        if (out.Count > FieldCount) return false;
        std::string& field = out.Text[out.Count];
        field.clear();
        const bool quoted = i < n && line[i] == '"';
        out.Quoted[out.Count++] = quoted;
        if (quoted) {
            for (++i;; ++i) {
                if (i >= n) return false;
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"')
                        ++i;
                    else
                        break;
                }
                field.push_back(line[i]);
            }
            ++i; // the closing quote
            if (i < n && line[i] != ',') return false;
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != ',')
                ++i;
            field.assign(line.data() + start, static_cast<size_t>(i - start));
        }
        if (i >= n) return true;
        ++i; // the comma
    }
}

bool ToInt(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty() && value >= low && value <= high;
}

// The names of the Dorvils in the file, by DorvilLevel.
constexpr const char* DorvilNames[] = {"Classic", "Sharp", "Expert"};

bool ToDorvil(const std::string& text, int& dorvil) {
    for (int level = 0; level < int(std::size(DorvilNames)); ++level)
        if (text == DorvilNames[level]) {
            dorvil = level;
            return true;
        }
    return false;
}

bool ToSide(const std::string& text, HistorySide& side) {
    if (text == "Player")
        side = HistorySide::Player;
    else if (text == "Dorvil")
        side = HistorySide::Dorvil;
    else
        return false;
    return true;
}

// "yyyy-MM-dd HH:mm:ss", every digit in place and the day a real one.
bool IsDateTime(const std::string& text) {
    static const char shape[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() != sizeof shape - 1) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (shape[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(text[i]))
                            : text[i] != shape[i])
            return false;
    auto number = [&text](size_t at, size_t length) {
        int value = 0;
        for (size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    return QDate::isValid(number(0, 4), number(5, 2), number(8, 2)) && number(11, 2) < 24 &&
           number(14, 2) < 60 && number(17, 2) < 60;
}

constexpr int Most16 = std::numeric_limits<int16_t>::max();
constexpr int Least16 = std::numeric_limits<int16_t>::min();

bool ParseFields(const Fields& f, HandRecord& r) {
    if (f.Count < OlderFieldCount || f.Count > FieldCount || !IsDateTime(f.Text[DateField]))
        return false;
    // An unquoted empty name is where a line cut short ends: ours are quoted.
    if (f.Text[NameField].empty() && !f.Quoted[NameField]) return false;
    r.Hints = 0;
    if (f.Count >= HintedFieldCount &&
        (!f.Quoted[HintsField] || !ToInt(f.Text[HintsField], 0, Most16, r.Hints)))
        return false;
    r.Dorvil = HandRecord::NotRecorded;
    if (f.Count == FieldCount &&
        (!f.Quoted[DorvilField] || !ToDorvil(f.Text[DorvilField], r.Dorvil)))
        return false;
    if (!ToInt(f.Text[TargetField], 0, Most16, r.Target) ||
        !ToSide(f.Text[WentOutField], r.WentOut) ||
        !ToInt(f.Text[PointsField], 0, Most16, r.Points) ||
        !ToInt(f.Text[PlayerScoreField], Least16, Most16, r.PlayerScore) ||
        !ToInt(f.Text[DorvilScoreField], Least16, Most16, r.DorvilScore))
        return false;
    r.GameWonBy = HistorySide::None;
    r.Margin = r.Money = r.WonPlayer = r.WonDorvil = r.OwedPlayer = r.OwedDorvil = 0;
    if (!f.Text[WonByField].empty()) {
        if (!ToSide(f.Text[WonByField], r.GameWonBy)) return false;
        // A margin between two 16-bit scores may go past the 16-bit range.
        const std::pair<Field, int*> ends[] = {
            {MarginField, &r.Margin},         {MoneyField, &r.Money},
            {WonPlayerField, &r.WonPlayer},   {WonDorvilField, &r.WonDorvil},
            {OwedPlayerField, &r.OwedPlayer}, {OwedDorvilField, &r.OwedDorvil}};
        for (auto [field, value] : ends)
            if (!ToInt(f.Text[field], 0, field <= MoneyField ? 2 * Most16 + 1 : Most16, *value))
                return false;
    }
    r.When = QString::fromLatin1(f.Text[DateField].data(),
                                 static_cast<qsizetype>(f.Text[DateField].size()));
    return true;
}

// Most histories name one player on every line: the decoded name is shared.
struct NameCache {
    bool Decoded = false;
    std::string Bytes;
    QString Name;
    const QString& Decode(const std::string& bytes) {
        if (!Decoded || bytes != Bytes) {
            Decoded = true;
            Bytes = bytes;
            Name = SavedRecord::DecodeText(
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        }
        return Name;
    }
};

bool Parse(QByteArrayView line, Fields& fields, NameCache& names, HandRecord& record) {
    if (!Split(line, fields) || !ParseFields(fields, record)) return false;
    record.PlayerName = names.Decode(fields.Text[NameField]);
    return true;
}

QByteArrayView Trimmed(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r'))
        line.chop(1);
    return line;
}

bool IsBlank(QByteArrayView line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}
} // namespace

QByteArray Header() {
    return QByteArrayLiteral("Date,Target,Went Out,Points,Player Score,Dorvil Score,Game Won By,"
                             "Margin,Money (cents),Games Won Player,Games Won Dorvil,"
                             "Owed Player (cents),Owed Dorvil (cents),Player Name,Hints,"
                             "Dorvil\r\n");
}

QByteArray FormatRecord(const HandRecord& r) {
    // The game's own rule for names in its files: a double quote becomes an
    // apostrophe, so no name ever holds the quote that ends it.
    QString name = SavedRecord::Quote(r.PlayerName.left(MaxName));
    // The count of hints follows the name, quoted like it, so that a line
    // cut short inside it still fails to read.
    QByteArray line = r.When.toLatin1();
    auto add = [&line](const QByteArray& field) { line += ',' + field; };
    add(QByteArray::number(r.Target));
    add(SideText(r.WentOut));
    add(QByteArray::number(r.Points));
    add(QByteArray::number(r.PlayerScore));
    add(QByteArray::number(r.DorvilScore));
    add(SideText(r.GameWonBy));
    for (int value : {r.Margin, r.Money, r.WonPlayer, r.WonDorvil, r.OwedPlayer, r.OwedDorvil})
        add(r.EndsGame() ? QByteArray::number(value) : QByteArray());
    add(name.toUtf8());
    add('"' + QByteArray::number(r.Hints) + '"');
    // Quoted too; a hand whose Dorvil is not known goes back as it was read.
    if (r.Dorvil >= 0 && r.Dorvil < int(std::size(DorvilNames)))
        add('"' + QByteArray(DorvilNames[r.Dorvil]) + '"');
    return line + "\r\n";
}

std::optional<HandRecord> ParseRecord(QByteArrayView line) {
    Fields fields;
    NameCache names;
    HandRecord record;
    if (!Parse(Trimmed(line), fields, names, record)) return std::nullopt;
    return record;
}

namespace {
// Whether the file's last line lacks its line end: a write cut short, or an
// editor that leaves none.
bool EndsInsideALine(const QString& path, qint64 size) {
    QFile peek(path);
    char last = '\n';
    if (size > 0 && peek.open(QIODevice::ReadOnly) && peek.seek(size - 1)) peek.getChar(&last);
    return last != '\n';
}
// The last whole record of the file, read from its tail alone.
std::optional<HandRecord> LastRecord(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 tail = std::min(file.size(), qint64(MaxLine) + 2);
    if (!file.seek(file.size() - tail)) return std::nullopt;
    const QByteArray bytes = file.read(tail);
    QByteArrayView rest = Trimmed(QByteArrayView(bytes));
    const qsizetype start = rest.lastIndexOf('\n');
    return ParseRecord(Trimmed(start < 0 ? rest : rest.sliced(start + 1)));
}

// The same hand but for when it was played and the hints asked (and the
// Dorvil, when the line before was written by a game that did not name him).
bool SameHand(const std::optional<HandRecord>& last, HandRecord record) {
    if (!last) return false;
    record.When = last->When;
    record.Hints = last->Hints;
    if (last->Dorvil == HandRecord::NotRecorded) record.Dorvil = last->Dorvil;
    return record == *last;
}
} // namespace

bool Append(const QString& path, const HandRecord& record) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return false;
    const qint64 before = file.size();
    QByteArray out = before == 0                     ? Header()
                     : EndsInsideALine(path, before) ? QByteArrayLiteral("\r\n")
                                                     : QByteArray();
    out += FormatRecord(record);
    if (file.write(out) != out.size() || !file.flush()) {
        file.resize(before);
        return false;
    }
    return true;
}

HistoryReadResult Read(const QString& path, const std::function<void(const HandRecord&)>& sink) {
    HistoryReadResult result;
    QFile file(path);
    // Only a plain file: a device or a pipe in its place could stream for ever.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return result;
    result.Opened = true;
    std::vector<char> buffer(static_cast<size_t>(MaxLine) + 2);
    const auto room = static_cast<qint64>(buffer.size());
    Fields fields;
    NameCache names;
    HandRecord record;
    for (bool first = true;; first = false) {
        const qint64 got = file.readLine(buffer.data(), room);
        if (got <= 0) break;
        if (got == room - 1 && buffer[static_cast<size_t>(got - 1)] != '\n') {
            // Longer than any record: the rest of it is passed over unread.
            ++result.Damaged;
            for (qint64 more = got;
                 more == room - 1 && buffer[static_cast<size_t>(more - 1)] != '\n';)
                more = file.readLine(buffer.data(), room);
            continue;
        }
        QByteArrayView line = Trimmed(QByteArrayView(buffer.data(), got));
        if (first && line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3); // a spreadsheet's mark
        if (IsBlank(line) || line.startsWith("Date,")) continue;
        if (Parse(line, fields, names, record)) {
            ++result.Records;
            sink(record);
        } else {
            ++result.Damaged;
        }
    }
    return result;
}

bool Export(const QString& path, const QString& target, QString* error) {
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error) *error = out.errorString();
        return false;
    }
    out.write(Header());
    Read(path, [&out](const HandRecord& record) { out.write(FormatRecord(record)); });
    if (!out.commit()) {
        if (error) *error = out.errorString();
        return false;
    }
    return true;
}

bool Clear(const QString& path) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(Header());
    return file.commit();
}

std::optional<HandRecord> SettledHand(const FrmMain& table, const TableEvent& event,
                                      const QDateTime& now, int hints) {
    if (event.What != TableEvent::HandSettled) return std::nullopt;
    HandRecord r;
    r.When = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    r.Target = table.TargetPoints;
    r.WentOut = event.ByDorvil ? HistorySide::Dorvil : HistorySide::Player;
    r.Points = event.Count;
    r.PlayerScore = table.PlayerScore;
    r.DorvilScore = table.OppScore;
    if (table.GameOver) {
        r.GameWonBy = r.WentOut;
        r.Margin = event.ByDorvil ? table.OppScore - table.PlayerScore
                                  : table.PlayerScore - table.OppScore;
        r.Money = r.Margin; // a cent a point
        r.WonPlayer = table.PlayerGamesWon;
        r.WonDorvil = table.OppGamesWon;
        r.OwedPlayer = table.PlayerMoney;
        r.OwedDorvil = table.OppMoney;
    }
    r.PlayerName = table.PlayerName;
    r.Hints = SavedRecord::Saturate16(std::max(0, hints));
    r.Dorvil = table.DorvilAtTable;
    return r;
}

bool RecordSettledHand(const FrmMain& table, const TableEvent& event, int hints) {
    auto record = SettledHand(table, event, QDateTime::currentDateTime(), hints);
    if (!record) return false;
    // A game taken up from its recovery file goes on from the point of rest
    // before the move that ended its last hand: stopped before the next one,
    // the program had already recorded that hand, and the same move plays it
    // again. Two hands in a row never end on the same scores otherwise.
    const QString path = table.HistoryFile();
    return SameHand(LastRecord(path), *record) || Append(path, *record);
}

} // namespace History
