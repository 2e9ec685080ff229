// Self-play: hand after hand, game after game, the real table plays a policy
// on the player's side against Dorvil, headless and without pauses, and the
// table's invariants are checked after every handler and at every pause.
#pragma once

#include "TableView.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class FrmMain;

struct SelfPlayConfig {
    int64_t Hands = 0;
    uint64_t Seed = 0;
    QString DataFolder; // empty: nothing is read or written
    QString Player = QStringLiteral("random");
    bool SharpDorvil = false; // Sharp Dorvil plays every hand, else Classic
    // At random points of rest the game is saved to its recovery file, the
    // table and its view are thrown away and a fresh table takes the file up.
    bool Restore = false;
    // The game is kept in DataFolder's recovery file at every point of rest,
    // as the window keeps it, and a start finding the file continues it.
    bool KeepGame = false;
};

struct SelfPlayResult {
    int64_t Hands = 0;  // hands dealt
    int64_t Games = 0;  // games won by either side
    int64_t Turns = 0;  // cards taken from the stock or the pile
    int64_t Faults = 0; // the run stops at the first
    int64_t GamesWonByPlayer = 0, GamesWonByDorvil = 0;
    int64_t HandsWonByPlayer = 0, HandsWonByDorvil = 0;
    int64_t MarginsOfPlayer = 0, MarginsOfDorvil = 0; // summed over the games each side won
    int64_t Sessions = 0;    // program runs: each "Bye for Now" starts a new one
    int64_t LongestHand = 0; // in turns
    int64_t Restores = 0;    // tables thrown away and taken up again from their file
    int64_t Continued = 0;   // sessions that began from a recovery file
    double Seconds = 0;
    QString FaultReport; // what was wrong, the seed, the hand and the last events
};

class SelfPlay {
  public:
    explicit SelfPlay(SelfPlayConfig config);
    ~SelfPlay();
    // Every table event of every session, in order, as the window's
    // listeners hear them.
    void ListenToTable(std::function<void(const TableEvent&)> listener);
    // The table of the session in play, for listeners that need more than
    // the event.
    const FrmMain* Table() const;
    SelfPlayResult Run();

    struct Runner;

  private:
    std::unique_ptr<Runner> d;
};

// "N hands, G games, T turns, F faults, R hands/s, P won by the player, D won by Dorvil"
QString SummaryLine(const SelfPlayResult& result);
// "hands won: P by the player, D by Dorvil; average margin of a game won: X by the
// player, Y by Dorvil"
QString WinsLine(const SelfPlayResult& result);
