// The figures of a history of games: games and hands won by each side, win
// rates, winning streaks, average points, the biggest wins, the games and
// money against each Dorvil, and one small entry a game for the charts. Built record by record as
// the file is read.
#pragma once

#include "History.h"

#include <algorithm>
#include <vector>

struct GameOutcome {
    int NetOwed = 0; // cents owed to the player after the game; below 0 when owed to Dorvil
    int Margin = 0;
    bool PlayerWon = false;
};

// The games against one Dorvil, as the player tallies them.
struct DorvilTally {
    qint64 Won = 0, Lost = 0;
    qint64 Money = 0; // cents the player won less those he lost
    qint64 Games() const { return Won + Lost; }
};

struct BiggestWin {
    int Margin = 0;
    qint64 Game = 0; // counted from 1; 0 while the side has won nothing
    QString When;
};

class HistoryFigures {
  public:
    enum Who { You = 0, Dorvil = 1 };

    void Add(const HandRecord& record);

    qint64 Hands = 0;
    qint64 HandsWon[2] = {};
    qint64 PointsWon[2] = {};
    qint64 GamesWon[2] = {};
    qint64 LongestStreak[2] = {};
    qint64 CurrentStreak[2] = {}; // at most one of the two is above 0
    BiggestWin Biggest[2];
    QString FirstWhen, LastWhen;
    QString PlayerName;        // as on the latest record
    qint64 HintsAsked = 0;     // in all hands
    qint64 HandsWithHints = 0; // hands in which at least one hint was asked
    std::vector<GameOutcome> Games;
    // The games by the Dorvil who played their last hand, by DorvilLevel,
    // and last those whose Dorvil was not recorded.
    static constexpr int NotRecorded = 3;
    DorvilTally Against[NotRecorded + 1];

    qint64 GamesPlayed() const { return static_cast<qint64>(Games.size()); }
    double WinRate(Who who) const;       // 0..1; 0 without games
    double AveragePoints(Who who) const; // points a hand won; 0 without such hands
    int NetOwed() const { return Games.empty() ? 0 : Games.back().NetOwed; }
};
