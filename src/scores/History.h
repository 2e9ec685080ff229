// The history of games: one line of History.csv for every settled hand,
// appended beside Scores.dat, and read back line by line so that a damaged
// or enormous file never stops the game nor fills the memory.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class FrmMain;
struct TableEvent;

enum class HistorySide { None, Player, Dorvil };

struct HandRecord {
    QString When; // local time, "yyyy-MM-dd HH:mm:ss"
    int Target = 0;
    HistorySide WentOut = HistorySide::Player;
    int Points = 0;                            // scored by the side that went out
    int PlayerScore = 0, DorvilScore = 0;      // the game's scores after the hand
    HistorySide GameWonBy = HistorySide::None; // None while the game goes on
    int Margin = 0, Money = 0;                 // at a game's end: points and cents won
    // At a game's end, the statistics as Scores.dat now holds them: games won
    // and money owed (cents) of each side.
    int WonPlayer = 0, WonDorvil = 0;
    int OwedPlayer = 0, OwedDorvil = 0;
    QString PlayerName;
    int Hints = 0; // hints the player asked for in the hand
    // Which Dorvil played the hand: a DorvilLevel (0 Classic, 1 Sharp,
    // 2 Expert), or NotRecorded on lines written before it was recorded.
    static constexpr int NotRecorded = -1;
    int Dorvil = NotRecorded;

    bool EndsGame() const { return GameWonBy != HistorySide::None; }
    bool operator==(const HandRecord&) const = default;
};

struct HistoryReadResult {
    bool Opened = false; // false when there is no file yet, or it cannot be read
    qint64 Records = 0;
    qint64 Damaged = 0; // lines that were not records: cut short, edited, garbage, too long
};

namespace History {

inline const QString FileName = QStringLiteral("History.csv");
// Longer lines are never records: reading skips them without holding them.
constexpr qsizetype MaxLine = 4096;

QByteArray Header();
// One record as a line ending in CR LF. The name, the count of hints and the
// Dorvil who played come last, each quoted, so that any line cut short by a
// crash fails to read instead of reading wrong. A line that ends at the name
// was written before hints were counted, and reads as a hand played without
// one; a line that ends at the hints was written before the Dorvil was
// named, and reads as such (a hand whose Dorvil is not recorded is written
// back so).
QByteArray FormatRecord(const HandRecord& record);
// A line without its line ending; nothing when it is not a whole record.
std::optional<HandRecord> ParseRecord(QByteArrayView line);

// Appends one record with a single write, the header first when the file is
// new. A failed write is taken back, so the file is never left with half a
// line of ours; a half line found at the end is ended before ours begins.
bool Append(const QString& path, const HandRecord& record);
// Streams the records to `sink` in file order.
HistoryReadResult Read(const QString& path, const std::function<void(const HandRecord&)>& sink);
// Writes the readable records under a header to `target`, aside and then
// renamed into place; a damaged line of the history is left out.
bool Export(const QString& path, const QString& target, QString* error = nullptr);
// Leaves the history with its header only, written aside and renamed.
bool Clear(const QString& path);

// The record of the hand that `event` settles, from the table's state and
// the hints asked in the hand, or nothing for any other event.
std::optional<HandRecord> SettledHand(const FrmMain& table, const TableEvent& event,
                                      const QDateTime& now, int hints = 0);
// Appends the record of a settled hand to the table's history file.
bool RecordSettledHand(const FrmMain& table, const TableEvent& event, int hints = 0);

} // namespace History
