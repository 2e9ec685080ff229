// Adding one settled hand to the figures of a history.
#include "HistoryFigures.h"

void HistoryFigures::Add(const HandRecord& record) {
    const Who hand = record.WentOut == HistorySide::Dorvil ? Dorvil : You;
    ++Hands;
    ++HandsWon[hand];
    PointsWon[hand] += record.Points;
    if (FirstWhen.isEmpty()) FirstWhen = record.When;
    LastWhen = record.When;
    PlayerName = record.PlayerName;
    HintsAsked += record.Hints;
    HandsWithHints += record.Hints > 0;
    if (!record.EndsGame()) return;
    const Who winner = record.GameWonBy == HistorySide::Dorvil ? Dorvil : You;
    const Who loser = winner == You ? Dorvil : You;
    Games.push_back({record.OwedPlayer - record.OwedDorvil, record.Margin, winner == You});
    ++GamesWon[winner];
    // A change of Dorvil takes effect at a deal, so a game may have met two:
    // it counts against the one who played it out.
    const bool known = record.Dorvil >= 0 && record.Dorvil < NotRecorded;
    DorvilTally& against = Against[known ? record.Dorvil : NotRecorded];
    ++(winner == You ? against.Won : against.Lost);
    against.Money += winner == You ? record.Money : -qint64(record.Money);
    CurrentStreak[loser] = 0;
    LongestStreak[winner] = std::max(LongestStreak[winner], ++CurrentStreak[winner]);
    if (record.Margin > Biggest[winner].Margin || Biggest[winner].Game == 0)
        Biggest[winner] = {record.Margin, GamesPlayed(), record.When};
}

double HistoryFigures::WinRate(Who who) const {
    return Games.empty() ? 0.0 : double(GamesWon[who]) / double(Games.size());
}

double HistoryFigures::AveragePoints(Who who) const {
    return HandsWon[who] == 0 ? 0.0 : double(PointsWon[who]) / double(HandsWon[who]);
}
