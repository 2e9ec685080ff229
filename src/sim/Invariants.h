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
    AtRest,
    // Inside a pause or a question, or after a handler that ran inside one:
    // a card may have left one place and not yet reached the next. Its move
    // shows as at most two counts (the place it left, the place it goes to)
    // each off by one; a meld column may already count a card that is still
    // on its way to it.
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

// A column's cards, in card-number order, form a set (up to four of one rank)
// or a run (one suit, consecutive ranks, ace low); one card is either.
bool IsMeldShape(const int* cards, int count);

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
