// The model of a hand (src/model) held against the real table in self-play.
// The model built from the table at the deal is advanced by the moves the
// table makes, its events, each of which the model must find legal
// (HandFollower); after every handler it must equal the model built from the
// table afresh. And at
// sampled points of rest every drop the player could make (each card of the
// hand on each column and on the pile) is tried on a copy of the table,
// taken through its recovery file, and what the table does is held against
// the model's verdict. Each check returns what disagrees, or nothing.
#pragma once

#include "HandFollower.h"
#include "Position.h"
#include "TableView.h"

#include <QString>
#include <cstdint>

class FrmMain;
class ViewMemory;

class ModelCheck {
  public:
    // A new table: nothing is followed until its next deal or point of rest.
    void Forget() {
        Moves += Followed.MovesMade;
        Followed = HandFollower();
    }
    // A hand was dealt: its model is built from the table and followed.
    void Dealt(const FrmMain& table);
    // The table made a move: the model follows it.
    QString Follow(const FrmMain& table, const TableEvent& event);
    // After a handler, nothing waiting: the model followed is the table's.
    QString AtRest(const FrmMain& table, bool callDrawShown);
    // Each card of the player's hand dropped on each column and on the pile,
    // on a copy of the table, against the model's verdict.
    QString TryDrops(FrmMain& table, const ViewMemory& shown);

    int64_t MovesMade() const { return Followed.MovesMade + Moves; } // events followed as moves
    int64_t Compared = 0;   // positions found equal after a handler
    int64_t DropsTried = 0; // drops tried on a copy of the table

  private:
    HandFollower Followed;
    int64_t Moves = 0; // of the hands followed before

    QString Disagrees(const QString& at, const QString& why) const;
};

// A position in words, for a report: hands, columns, face, pile, stock, turn.
QString PositionText(const Model::Position& p);
