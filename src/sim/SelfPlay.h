// Self-play: hand after hand, game after game, the real table plays a policy
// on the player's side against Dorvil, headless and without pauses, and the
// table's invariants are checked after every handler and at every pause.
#pragma once

#include "TableView.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class FrmMain;

struct SelfPlayConfig {
    int64_t Hands = 0;
    uint64_t Seed = 0;
    QString DataFolder; // empty: nothing is read or written
    QString Player = QStringLiteral("random");
    int Dorvil = 0; // which Dorvil plays every hand (DorvilLevel)
    // At random points of rest the game is saved to its recovery file, the
    // table and its view are thrown away and a fresh table takes the file up.
    bool Restore = false;
    // The game is kept in DataFolder's recovery file at every point of rest,
    // as the window keeps it, and a start finding the file continues it.
    bool KeepGame = false;
    // The chance, at each point of rest in a hand, that every drop the
    // player could make is tried on a copy of the table against the model.
    double DropTrials = 0.0001; // about one hand in 150
    // With Games > 0 the run also stops at the first deal after that many
    // games were won, so that a benchmark can play whole games each from a
    // seed of its own.
    int64_t Games = 0;
};

struct SelfPlayResult {
    int64_t Hands = 0;  // hands dealt
    int64_t Games = 0;  // games won by either side
    int64_t Turns = 0;  // cards taken from the stock or the pile
    int64_t Faults = 0; // the run stops at the first
    int64_t GamesWonByPlayer = 0, GamesWonByDorvil = 0;
    int64_t HandsWonByPlayer = 0, HandsWonByDorvil = 0;
    int64_t MarginsOfPlayer = 0, MarginsOfDorvil = 0; // summed over the games each side won
    int64_t Sessions = 0;      // program runs: each "Bye for Now" starts a new one
    int64_t LongestHand = 0;   // in turns
    int64_t Restores = 0;      // tables thrown away and taken up again from their file
    int64_t Continued = 0;     // sessions that began from a recovery file
    int64_t ModelMoves = 0;    // the table's moves the model of the hand followed
    int64_t ModelCompared = 0; // handlers after which the model equalled the table
    int64_t DropsTried = 0;    // drops tried on copies of the table against the model
    double Seconds = 0;
    // The processor time of each decision Dorvil thought over (Expert Dorvil's).
    std::vector<float> ThinkMicroseconds;
    QString FaultReport; // what was wrong, the seed, the hand and the last events
};

class SelfPlay {
  public:
    explicit SelfPlay(SelfPlayConfig config);
    ~SelfPlay();
    // Every table event of every session, in order, as the window's
    // listeners hear them.
    void ListenToTable(std::function<void(const TableEvent&)> listener);
    // Each hand once dealt and its face card turned, before its first turn.
    void ListenToDeals(std::function<void()> listener);
    // Each table taken up from its recovery file, before play goes on.
    void ListenToRestores(std::function<void()> listener);
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
// "the model of the hand followed M moves, equalled the table after C handlers and
// agreed on D drops tried on copies of the table"
QString ModelLine(const SelfPlayResult& result);
