// A hand kept for review: the deal (the pack's order and who dealt), every
// move of both sides as the model of a hand plays it, and how it ended, with
// a digest of the final table so that a replay can be held against it. One
// line of text each, with a checksum, so that a damaged line is found and
// skipped.
#pragma once

#include "Position.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace Review {

struct KeptHand {
    int64_t When = 0; // seconds since 1970, UTC, as the hand was settled
    Model::Side Dealer = Model::Dorvil;
    uint8_t Dorvil = 0;    // which Dorvil played it: 0 Classic, 1 Sharp, 2 Expert
    int16_t Score[2] = {}; // the game's scores before the hand
    int16_t Target = 100;
    // Dealt as Model::Deal deals: ten each from the front, the face card, and
    // the stock drawn in order (its order after a rebuild is in the moves).
    uint8_t Pack[52] = {};
    std::vector<Model::Move> Moves;
    Model::Ending End = Model::Ending::Out;
    Model::Side Winner = Model::Player;
    int16_t Points = 0; // what the winner scored
    uint64_t Final = 0; // TableDigest of the table as the hand ended

    Model::Position Dealt() const;
};

// The places of the cards that a hand's end shows: both hands, the columns,
// the discard pile (with its face card).
uint64_t TableDigest(Rules::Mask player, Rules::Mask dorvil, const Rules::Mask (&columns)[6],
                     Rules::Mask discards);
uint64_t TableDigest(const Model::Position& p);

// One line, without its line ending.
QByteArray Encode(const KeptHand& hand);
// Nothing for a line that is not a whole, sound hand.
std::optional<KeptHand> Decode(QByteArrayView line);

// The hand played again from its deal: the position before each move and
// after the last (Moves.size() + 1 of them), and why it stopped early when a
// move is not one the table could have made.
struct Replay {
    std::vector<Model::Position> Steps;
    QString Fault;
    bool Matches = false; // the end, the points and the final table are the kept ones
};
Replay PlayAgain(const KeptHand& hand);

} // namespace Review
