// Everything the game does to the screen and the speaker goes through this
// interface, so that the table's logic runs the same in the window, in the
// headless scenario runner and in tests. Positions are in twips.
#pragma once

#include <QString>
#include <functional>
#include <optional>

// Controls of the main window that the game writes to or shows and hides.
enum class Ctl {
    LblInfo,
    Lblcardsleft,
    LblName0,
    LblName2,
    LblNoWonP,
    LblWonP,
    LblNoWonG,
    LblWonG,
    LblGowes,
    LblMoneyP,
    LblOweG,
    LblMoneyG,
    PicDraw,
    PicSortSame,
    PicSortSuits,
    PicTakeBack,
    FramTarget,
};

enum class Menu { MnuPlay, MnuExit, MnuHelp, MnuAbout, MnuOptions };

enum class Sound { Card, Down, Shuffle, Ringout };

// What happened at the table, told to whoever keeps a record of the play.
struct TableEvent {
    enum Kind {
        Takes,     // from the discard pile
        Draws,     // from the stock
        Melds,     // a card of a new meld
        LaysOff,   // a card added to a complete meld
        TakesBack, // from an open meld
        Returns,   // a dropped card goes back to the hand
        Discards,
        StockReplaced, // Count = cards moved back
        HandWon,       // Count = points scored
        GameWon,
        // Count = points scored; the hand's scores, any game's end (GameOver)
        // and the money are final, and a game's end is already saved.
        HandSettled,
        // The player has called a draw and read its box: the hand ends with
        // no score. Never in a saved hand: the next deal follows at once.
        DrawCalled,
    };
    Kind What;
    bool ByDorvil = false;
    int Card = 0;
    int Column = 0;
    int Count = 0;
};

// Thrown out of a pause or a question when the sequence that waited must not
// go on: the hand it acted on was replaced meanwhile, or the program closes.
struct SequenceAborted {};

class TableView {
  public:
    virtual ~TableView() = default;

    // Card pictures Cds(1..52).
    virtual void CreateCardPictures() = 0;
    virtual void ShowCardImage(int n, int image) = 0; // an image of ImgPics, 1..53
    virtual void MoveCard(int n, int left, int top) = 0;
    virtual int CardLeft(int n) const = 0;
    virtual int CardTop(int n) const = 0;
    virtual void BringCardToFront(int n) = 0;
    virtual void SetCardVisible(int n, bool visible) = 0;
    // Switches the card's pointer to the custom cursor, showing ImgPics image
    // `image` (54..56), or the image last set when `image` is 0.
    virtual void SetCardPointer(int n, int image) = 0;
    virtual void SetCardToolTip(int n, const QString& tip) = 0;

    // Labels, frames, status panels (1..4) and menus.
    virtual void SetText(Ctl control, const QString& text) = 0;
    virtual void SetVisible(Ctl control, bool visible) = 0;
    virtual void SetPanelText(int panel, const QString& text) = 0;
    virtual void EnableMenu(Menu menu, bool enabled) = 0;

    // The target frame's text box.
    virtual QString TargetText() const = 0;
    virtual void FocusTargetBox() = 0;

    // Sound starts and returns at once; a new sound replaces the last.
    virtual void PlaySound(Sound sound) = 0;
    // Returns after `ms` milliseconds; the window stays responsive meanwhile.
    virtual void Pause(int ms) = 0;

    // The game's own message box: returns the button clicked, 0..2.
    virtual int DeluxeMsg(const QString& text, const QString& caption0, const QString& caption1,
                          const QString& caption2, int icon, const QString& title) = 0;
    // The standard text-input dialog: the text given with OK, or nothing
    // when the player cancels or closes it.
    virtual std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                            const QString& preset) = 0;
    // The standard message box with a critical icon, for unexpected errors.
    virtual void ErrorBox(const QString& text) = 0;

    // The follow-mouse helper that drags a card picture with the pointer.
    virtual void CreateFollower() = 0;
    virtual void SetFollowObject(int n) = 0;
    virtual void SetFollowEnabled(bool enabled) = 0;

    // Closes every window and ends the program once control is back in the
    // main event loop.
    virtual void CloseProgram() = 0;

    // Every event of the play, in order: the runner prints it, and the window
    // tells its listeners (the announcements, the keys, the history of games).
    virtual void Record(const TableEvent&) {}
    // Told when a new hand is about to be laid out.
    virtual void NewHandStarting() {}
    // Told once a hand is dealt and its face card turned, before its first turn.
    virtual void HandDealt() {}
    // Told as each hand is dealt which Dorvil plays it (DorvilLevel).
    virtual void DorvilSeated(int /*level*/) {}
    // Dorvil's thinking: `work` touches nothing of the table. A window runs it
    // off its own thread and answers the player meanwhile, so the table may
    // have moved on when this returns; a headless table simply runs it.
    virtual void Think(const std::function<void()>& work) { work(); }
};
