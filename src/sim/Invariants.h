// What must hold of the table at every moment the self-play looks at it.
// At rest (no sequence of the game waiting in a pause or a question) every
// count agrees with the places; while a sequence waits, one card may be in
// flight between two places.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class FrmMain;

enum class Moment {
    // Nothing of the game waits. Every card lies in exactly one place (a meld
    // card in exactly one column); PlayerCount, OppCount, StockCount and each
    // column's count equal the cards there; each column holds a set or a run
    // and is marked so (complete from three cards, lowest and highest card,
    // slots, the suit of a run); at most one column is open; Dorvil's hand
    // list names his cards in order; the face card is not in the stock; the
    // turn is somebody's; scores, games and money are 0..32767 and the
    // target 25..500.
    AtRest,
    // Inside a pause or a question, or after a handler that ran inside one.
    // A card may be on its way: the game moves it in steps with pauses
    // between (a dealt card is placed before the hand's count grows, a taken
    // card is counted before it is placed, Dorvil's third meld card is
    // counted by the column before it arrives). So here the counts may
    // disagree with the places by one card at most, in two counts at most
    // (the place it leaves and the place it goes to), a column only by
    // counting a card still to come; the column marks and Dorvil's list may
    // lag behind. Everything else holds as at rest: each card in one place,
    // every column a set or a run, at most one open, the numbers in range.
    InFlight,
};

// Empty when the table holds at that moment; otherwise what is wrong.
QString CheckTable(const FrmMain& table, Moment when);

// What CheckTable reads of the table, as it was at the last check that
// passed. Most pauses move only pictures, so most checks meet the same table
// again and need not be made twice.
class LastCheckedTable {
  public:
    // The table equals the one that passed, which was checked at least as
    // strictly as `when` asks.
    bool Covers(const FrmMain& table, Moment when) const;
    void Passed(const FrmMain& table, Moment when);

  private:
    struct Parts;
    std::vector<unsigned char> Bytes;
    bool AtRest = false;
};

// The statistics file's one record, read strictly: four numbers 0..32767,
// then the quoted name, then CR LF and nothing more.
struct SavedStatistics {
    int16_t PlayerGamesWon = 0, OppGamesWon = 0, OppMoney = 0, PlayerMoney = 0;
    QString Name;
};
std::optional<SavedStatistics> ReadStatisticsStrictly(const QByteArray& contents);
// The name file's one record, the quoted name and CR LF: the name.
std::optional<QString> ReadNameStrictly(const QByteArray& contents);

// The saved files in `folder` against the table: each file there is one whole
// record (a damaged one passes with `tolerateDamage`), its statistics are the
// table's, and with `sameName` the name file holds the table's name. Empty
// when all holds.
QString CheckSavedFiles(const FrmMain& table, const QString& folder, bool tolerateDamage,
                        bool sameName);
