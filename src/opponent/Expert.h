// Expert Dorvil's judgement: he fills in the cards he cannot see many times,
// consistently with what he has seen, plays each choice open to him forward
// on the model of a hand (src/model) to the end of the hand, and takes the
// choice that does best on average. What he weighs is a pure function of
// what one side sees (Sharp::SideSees) and a seed: the rival's hand and the
// stock's order are not in his view, so they cannot sway him.
#pragma once

#include "Playout.h"
#include "Sharp.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Expert {

// One decision open to the side to move, as moves of the model: the take
// (TakeFace, or DrawStock with no card: whichever card the stock gives), a
// new meld (Dorvil's as one move of three cards; the player's as up to three
// moves laid one after the other into the same column), a lay-off, a discard,
// or Dorvil's pass.
struct Candidate {
    Model::Move Steps[3] = {};
    uint8_t Count = 0;
    Candidate() = default;
    Candidate(const Model::Move& m) : Steps{m}, Count(1) {}
};

// How one candidate did over the sampled deals, from the weighing side's
// chair. Every candidate is played on the same deals with the same random
// draws, so that their differences are not drowned in the deals' luck.
struct Worth {
    double Points = 0;   // average points of the hand: what he wins, less what his rival wins
    double GameWon = 0;  // share of the deals in which this hand wins him the game
    double GameLost = 0; // and in which it wins his rival the game
    int Deals = 0;       // deals played; 0 when the candidate is not open to him
};

// How hard to look: deals sampled, their seed, and the fast policies that
// play each deal to its end for him and for his rival.
struct Effort {
    int Deals = 256;
    uint64_t Seed = 1;
    Model::Policy Mine = Model::GreedyMove;
    Model::Policy Rivals = Model::GreedyMove;
};

// Weighs each candidate for the side that `sees` belongs to (Dorvil's when
// `dorvil`), with that side to move and its card taken this turn or not
// (`drawn`). The cards it cannot see are dealt afresh for each deal: the
// cards its rival is known to hold (taken from the pile in sight and not
// laid since) stay in his hand, the rest of the unseen cards are shuffled
// between his hand and the stock. Deterministic for a given seed; the
// playouts allocate nothing. Empty when the view does not add up (cards
// twice, counts that do not match the unseen cards).
std::vector<Worth> Weigh(const Sharp::SideSees& sees, bool dorvil, bool drawn,
                         std::span<const Candidate> candidates, const Effort& effort = {});

// The same weighing from a position whose every card is known: only the
// stock's order is shuffled. For looking back at a hand whose cards are all
// shown, and for proving that Weigh does not peek; a player at the table
// must never be judged by it.
std::vector<Worth> WeighKnown(const Model::Position& position,
                              std::span<const Candidate> candidates, const Effort& effort = {});

// One filling of the cards the side cannot see, with the side to move: the
// moves open to it depend only on its own cards and the table, not on the
// filling. Nothing when the view does not add up.
std::optional<Model::Position> Filled(const Sharp::SideSees& sees, bool dorvil, bool drawn);

// His choices at the table, as Sharp's (Sharp.h), for the side `sees`
// belongs to (Dorvil's chair unless told): each candidate open to him is
// weighed, and the best taken. Near the end of a game a hand that wins or
// loses the game counts for more than its points. The deals are seeded from
// the view, so the same view always gives the same choice.
Effort AtTable(const Sharp::SideSees& sees);
double Value(const Worth& worth, const Sharp::SideSees& sees);
// The decisions open to the side: the take; or its melds (a player's as the
// three cards laid one after the other), lay-offs and discards.
std::vector<Candidate> Open(const Sharp::SideSees& sees, bool dorvil, bool drawn);
bool TakesFaceCard(const Sharp::SideSees& sees, bool dorvil = true);
// A meld, the next card of an open meld, or a lay-off; none when a discard
// does better.
std::optional<Sharp::MeldStep> NextMeldStep(const Sharp::SideSees& sees, bool dorvil = true);
int ChooseDiscard(const Sharp::SideSees& sees, bool dorvil = true);

} // namespace Expert
