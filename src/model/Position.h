// The compact model of a hand in play: where each of the 52 cards lies, whose
// turn it is and where the turn stands, both game scores and the target. A
// value type of some 200 bytes that allocates nothing, so that a position can
// be copied and played forward hundreds of thousands of times a second. It
// follows the table's rules (src/rules) and the table's own turn: the player
// lays cards one at a time and may leave a meld open; Dorvil lays a new meld
// of three in one move and never leaves one open; a discard with a meld open
// takes the meld back into the hand; the side whose hand empties goes out.
#pragma once

#include "Rules.h"

#include <cstdint>
#include <type_traits>

namespace Model {

using Rules::Mask;

enum Side : uint8_t { Player = 0, Dorvil = 1 };
constexpr Side Other(Side s) {
    return s == Player ? Dorvil : Player;
}

struct Move {
    enum Kind : uint8_t {
        TakeFace,  // the top card of the discard pile (Card)
        DrawStock, // the top card of the stock, or Card when given (a move the table made)
        Lay,       // Card into Column: a new meld's card, the next card of an open meld, or a
                   // lay-off; Dorvil lays a new meld as three cards at once (Card, Card2, Card3)
        TakeBack,  // the player's open meld back into the hand
        Discard,   // Card, which ends the turn
        Pass,      // Dorvil ends his turn holding only the card he took from the pile
        CallDraw,  // the player ends the hand and the game with no score (after a stock rebuild)
    };
    Kind What = TakeFace;
    uint8_t Card = 0, Card2 = 0, Card3 = 0;
    uint8_t Column = 0;
    bool operator==(const Move&) const = default;
};

// How a hand ended.
enum class Ending : uint8_t {
    InPlay,
    Out,        // Winner laid or discarded his last card
    CalledDraw, // the player called a draw: no score, and the game starts again
    Stopped,    // the turn cap was reached, or no side could move: no score
};

// Every move open to the side to move, without allocating; the list is
// written only as moves are added.
struct MoveList {
    static constexpr int Capacity = 512;
    MoveList() {}
    union {
        Move Items[Capacity];
    };
    int Size = 0;
    void Add(const Move& m) { Items[Size++] = m; }
    const Move* begin() const { return Items; }
    const Move* end() const { return Items + Size; }
};

struct Position {
    // A turn cap of this many takes never comes: the table plays on.
    static constexpr uint16_t NoCap = 0xFFFF;

    Mask Held[2] = {};           // the player's hand, Dorvil's hand
    Mask Columns[6] = {};        // the six meld columns
    Rules::Shape Shapes[6] = {}; // and what each holds
    uint8_t Stock[52] = {};      // bottom first: Stock[StockCount - 1] is drawn next
    uint8_t Pile[52] = {};       // the discard pile under the face card, bottom first
    uint8_t StockCount = 0, PileCount = 0;
    // The face card, on top of the pile; 0 once taken, until the next discard
    // (the pile's top card may then still be taken by the player).
    uint8_t Face = 0;
    Side ToMove = Player;
    bool Drawn = false;     // the side to move has taken its card
    uint8_t Open = 0;       // the column of the meld of one or two cards, 0 for none
    bool MadeMeld[2] = {};  // a meld of three made this hand, so lay-offs are open
    uint8_t Rebuilds = 0;   // stock rebuilds this hand: Call Draw is offered after one
    uint8_t DorvilTook = 0; // the last card Dorvil took from the pile this hand
    uint16_t Turns = 0;     // cards taken this hand by either side
    uint16_t TurnCap = NoCap;
    int16_t Score[2] = {}; // game scores before this hand
    int16_t Target = 100;
    Ending End = Ending::InPlay;
    Side Winner = Player; // with Ending::Out
    uint64_t Shuffle = 0; // the order of a rebuilt stock comes from this generator

    Rules::Meld MeldIn(int column) const { return {Columns[column - 1], Shapes[column - 1]}; }
    bool Over() const { return End != Ending::InPlay; }
    // The top card of the pile that the side to move may take; 0 for none.
    int PileTop() const;

    // Every move the side to move may make. A new meld is offered in the
    // first free column only: free columns are alike.
    void Moves(MoveList& out) const;
    bool IsLegal(const Move& m) const;
    // Makes a move; for a legal move, or one the table made. Ends the hand
    // when a side goes out, when the player calls a draw, and at the cap.
    void Apply(const Move& m);

    // The end of the hand: the winner's points and both scores after it.
    struct Result {
        Ending End = Ending::InPlay;
        Side Winner = Player;
        int Points = 0;        // what the winner scores
        int16_t Score[2] = {}; // game scores after the hand
        bool GameWon = false;
    };
    Result Outcome() const;

    // The same position: cards, turn, flags and scores alike. The stock is
    // compared as a set (the table draws at random from it and keeps no
    // order); the cap and the rebuild generator are the playout's own.
    bool SamePlay(const Position& other) const;
    // Every card in exactly one place, and each column a set or a run.
    bool Whole() const;

    // The stock in a new order from `seed`.
    void ShuffleStock(uint64_t seed);

  private:
    void LayOne(int card, int column);
    void TakeFromPile(int card);
    void DrawFromStock(int card);
    void Rebuild();
    void EndTurn();
    void GoOut(Side side);
};

// Copied at every step of a playout: small, and copied as plain bytes.
static_assert(sizeof(Position) <= 256 && std::is_trivially_copyable_v<Position>);

// A dealt hand from the order of a shuffled pack: ten cards each, dealt one
// at a time beginning with the side that does not deal, then the face card,
// and the rest is the stock, drawn in the pack's order. The side that did not
// deal plays first.
Position Deal(const uint8_t (&pack)[52], Side dealer, int16_t playerScore = 0,
              int16_t dorvilScore = 0, int16_t target = 100);

// A generator for shuffles and playouts: small, fast, and the same sequence
// for the same seed everywhere.
struct Rng {
    uint64_t State = 0;
    uint64_t Next() {
        uint64_t z = (State += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0 .. n - 1, n > 0.
    int Below(int n) {
        return static_cast<int>(
            (static_cast<unsigned __int128>(Next()) * static_cast<unsigned>(n)) >> 64);
    }
};

} // namespace Model
