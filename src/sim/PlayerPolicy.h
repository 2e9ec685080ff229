// The player's side of the self-play: a policy looks at the table and at what
// the window offers, and says which control to use next, what to do while the
// game waits, and which button of a message box to click.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

class FrmMain;

// The controls a player can use, as the window offers them.
enum class Control : uint8_t {
    Card,  // pressed, dragged to (Left, Top) if it follows the pointer, released, clicked
    Hover, // the pointer moves over a card
    SortSame,
    SortSuits,
    TakeBack,
    CallDraw,
    NewGame,
    Exit,
    CloseWindow,
    ChangeTarget,
    ConfirmTarget, // "O.K" in the target frame, with TargetText in the box
    EnterName,
    EraseStatistics,
};

struct PlayerMove {
    Control What = Control::Card;
    int Card = 0;
    int Left = 0, Top = 0; // where a dragged card is released, in twips
};

// What the window shows at the moment: a control that is hidden or disabled
// cannot be used, as in the window.
struct WindowState {
    bool CardShown[53] = {};
    bool SortSame = false, SortSuits = false, TakeBack = false, CallDraw = false;
    bool TargetFrame = false;
    bool PlayMenu = true, ExitItem = true, OptionsMenu = true;
    bool Following = false;
    int FollowObject = 0;

    bool Offers(const PlayerMove& move) const;
};

class PlayerPolicy {
  public:
    virtual ~PlayerPolicy() = default;
    // The next move while nothing of the game waits.
    virtual PlayerMove Next(const FrmMain& table, const WindowState& window) = 0;
    // A move made while the game waits in a pause or a question, if any.
    virtual std::optional<PlayerMove> Meanwhile(const FrmMain& table, const WindowState& window,
                                                bool inQuestion) = 0;
    // The button clicked in a message box with `buttons` buttons: 0 .. buttons - 1.
    virtual int Answer(const QString& title, int buttons) = 0;
    // What is typed into the target box before "O.K", and into the name box
    // (empty for Cancel).
    virtual QString TargetText() = 0;
    virtual QString NameText() = 0;
};

QStringList PolicyNames();
std::unique_ptr<PlayerPolicy> MakePolicy(const QString& name, uint64_t seed);

// Where a card is released over meld column c (1..6) and over the discard pile.
PlayerMove DropOnColumn(int card, int c);
PlayerMove DropOnPile(int card);
