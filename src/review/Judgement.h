// The judgement of the player's decisions in a kept hand: at each one (the
// take, each new meld or lay-off, the discard) Expert Dorvil's weighing from
// the player's chair, with only what the player could see then, of every
// decision open to him and of the one he made. The gap to the best is
// measured on other deals than those that found it best, so that luck is not
// charged as a loss. A decision within a small margin of the best is good.
#pragma once

#include "Expert.h"
#include "KeptHand.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Review {

struct Decision {
    int Move = 0;  // the index in the hand's moves of its first move
    int Moves = 1; // how many moves make it (a new meld's cards)
    Expert::Candidate Made, Best;
    double MadePoints = 0, BestPoints = 0; // average points of the hand, from the player's chair
    double Cost() const { return BestPoints - MadePoints; }
};

struct Judgement {
    std::vector<Decision> Decisions;
    double Margin = 1.5; // points: a decision within it of the best is good
    double Lost() const; // the points the decisions cost in all
};

// Counting work, not time, keeps the judgement the same at every reading.
Expert::Effort JudgingEffort();

// The player's decisions from the position before move `from` on, up to
// `count` of them (all when negative). `steps` are PlayAgain's.
Judgement Judge(const KeptHand& hand, const std::vector<Model::Position>& steps,
                const Expert::Effort& effort = JudgingEffort(), int from = 0, int count = -1);

// A line for each move of the hand: the judgement of the decision it
// begins, empty for the others.
QStringList JudgedLines(const KeptHand& hand, const std::vector<Model::Position>& steps,
                        const Judgement& judgement);
// "The moves that cost most: 12. (about 6 points), 20. (about 3 points); 11 points in all."
QString SummaryLine(const Judgement& judgement);

} // namespace Review
