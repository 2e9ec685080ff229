// A hand of the model (src/model) followed along the table's record of it,
// each TableEvent the move the model makes, and found legal first. The
// record and the model's moves differ in three ways, read here once:
// Dorvil's three cards of a new meld are one move of his; the cards a
// discard takes back with it come in the record after the discard; and the
// turn Classic Dorvil ends without a discard is in no record (it is made when
// the player moves next). A replay of a kept hand and the self-play's check
// of the model both read a hand so.
#pragma once

#include "Position.h"
#include "TableView.h"

#include <QString>
#include <cstdint>
#include <vector>

class HandFollower {
  public:
    // Follows the hand from `start` (a dealt hand, or the table at rest).
    void Start(const Model::Position& start);
    bool Following() const { return On; }
    const Model::Position& Hand() const { return Followed; }
    // The target may change at any time: it is an option, not a move.
    void SetTarget(int16_t target) { Followed.Target = target; }

    // The table's next event: nothing when the model makes it, else why the
    // model cannot (and the hand is no longer followed).
    QString Follow(const TableEvent& event);
    // The table is at rest: no move may be left half made.
    QString AtRest();

    int64_t MovesMade = 0;
    // When given, each move the model makes is added to it (a kept hand's moves).
    std::vector<Model::Move>* Made = nullptr;

  private:
    Model::Position Followed;
    bool On = false;
    uint8_t Pending[3] = {}; // the cards of Dorvil's new meld so far
    int PendingCount = 0;
    Rules::Mask TakenBack = 0; // the open meld a discard took back, still to be told

    QString Make(const Model::Move& move, bool byDorvil);
    QString Passed();
    QString Lost(const QString& why);
};
