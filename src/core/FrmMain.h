// The card table: every card, hand, meld column, score and flag of the game,
// and every procedure and event handler that plays it. The member functions
// live in the folder of their subsystem (core, player, opponent, scores).
#pragma once

#include "Arr1.h"
#include "Rules.h"
#include "TableView.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

// Where a card lies (Place).
namespace Where {
constexpr int PlayerHand = 1;
constexpr int DorvilHand = 2;
constexpr int Stock = 3;
constexpr int Discard = 4;
constexpr int InMeld = 9;
} // namespace Where

struct CardRecord {
    int Place = 0;
    int Suit = 0;
    Arr1<bool, 6> InColumn;
    int Rank = 0;
};

struct OppCardEntry {
    int Card = 0;
    int Suit = 0;
    int Rank = 0;
};

// A column never holds more than thirteen cards (a whole suit as a run).
struct MeldColumn {
    int Low = 0;
    Arr1<int, 13> Slot;
    int High = 0;
    int Count = 0;
    bool InUse = false;
    bool Done = false;
    bool IsRun = false;
    bool IsSet = false;
    int RunSuit = 0;
};

namespace Sharp {
struct DorvilSees;
struct MeldStep;
} // namespace Sharp

class RandomSource;

// Which Dorvil plays: by the classic fixed rules, Sharp Dorvil's judgement of
// what he has seen, or Expert Dorvil's, who plays his choices forward. Kept
// as these numbers in the recovery file.
enum DorvilLevel : int { DorvilClassic = 0, DorvilSharp = 1, DorvilExpert = 2 };

struct TableSettings {
    // Where the saved files go first: the program's folder when it runs from
    // where it was built, empty for an installed program.
    QString SaveFolder;
    QString UserDataFolder;         // where the saved files go when the first cannot be written
    std::function<double()> Random; // uniform in [0, 1); MakeRandomSource's can be saved
};

class FrmMain {
  public:
    FrmMain(TableView& view, TableSettings settings);

    // Runs one event handler as a sequence of its own: a sequence cut short
    // by a replaced hand or by closing ends here, never in the event loop.
    template <class F> void Dispatch(F&& handler);

    // ----- table state -----
    Arr1<CardRecord, 52> Cards;
    Arr1<OppCardEntry, 52> OppCards;
    Arr1<MeldColumn, 6> Melds;
    int16_t PlayerScore = 0;
    int16_t OppScore = 0;
    Arr1<bool, 52> DroppedBefore;
    bool PlayerHasDrawn = false;
    int OppTookFace = 0;
    int FaceCard = 0;
    Arr1<bool, 2> Busy;
    int OppRunLow = 0, OppRunMid = 0, OppRunHigh = 0;
    Arr1<bool, 13> OppPairRank, OppTripleRank, OppQuadRank;
    bool GameOver = false;
    bool GameInPlay = false;
    bool OppTurn = false;
    int16_t OppGamesWon = 0, PlayerGamesWon = 0;
    int16_t PlayerMoney = 0, OppMoney = 0;
    bool HandOver = false;
    bool OpenColumnFound = false;
    int OpenColumn = 0;
    bool DiscardConfirmed = false;
    int ScanIndex = 0;
    Arr1<bool, 2> MadeMeld;
    int PlayerCount = 0;
    int OppCount = 0;
    int StockCount = 0;
    int DragLeft = 0, DragTop = 0;
    bool PlayerDeals = false;
    QString PlayerName;
    bool PlayerTurn = false;
    int PlayerHandPoints = 0;
    int OppHandPoints = 0;
    bool SortBySuit = false;
    // values shared across the program
    int16_t TargetPoints = 0;
    int DeluxeChoice = 0;
    int AnimationPause = 0;
    // The language the table speaks, set by the window: the statistics write
    // money its way (the C locale keeps the table's own English way).
    QLocale Language = QLocale::c();

    // ----- start-up (core) -----
    void Form_Load();
    void SetItUp();
    void PlacePackDeal();
    // ----- stock and deal (core) -----
    int GetSingleCard();
    void NewHand();
    void DealHand();
    void DealToOpp();
    void DealToPlayer();
    void LayOutStock();
    void LayOutOppHand();
    void LayOutHandBacks();
    void RebuildStock();
    // ----- a practice hand (core) -----
    // A kept deal dealt again through the table's own deal: `pack` in the
    // order the table draws it (the non-dealer's card first, one each in
    // turn, the face card, then the stock from its top). A practice hand is
    // counted nowhere: whatever keeps the statistics, the history or the
    // recovery file leaves it alone while Practice is set. It ends where the
    // next hand would be dealt: the table is then left with HandOver set,
    // for the window to lay the game in progress back.
    bool Practice = false;
    void DealPractice(const std::vector<int>& pack, bool playerDeals);
    // ----- game flow (core) -----
    void MnuNew_Click();
    void LblDraw_Click();
    void MnuExit_Click();
    bool Form_QueryUnload(int unloadMode); // returns the cancel flag
    void NetMoneyOwed();
    // ----- points, sounds and pauses (core) -----
    void CountHandPoints();
    void PlayCardSound();
    void PlayDownSound();
    void AnimationWait();
    void DeluxeMsg(const QString& Text, const QString& Caption0, const QString& Caption1,
                   const QString& Caption2, int Icon, const QString& Title);
    // ----- pointer handling (player) -----
    bool Cds_MouseDown(int n); // true when a card was taken or a drag began
    void Cds_MouseMove(int n);
    bool Cds_MouseUp(int n); // true when the release was acted on
    void Cds_Click(int n);
    void TakeDiscardCard(int n);
    void TakeStockCard();
    void StartDrag(int n);
    // ----- melds (player) -----
    void DropOnColumn(int c, int n);
    void PlaceInColumn(int c, int n, int k);
    void TrySecondCard(int c, int n);
    void TryThirdCard(int c, int n);
    void TryAddToMeld(int c, int n);
    void LayOutColumn(int c);
    void FindOpenColumn();
    void CheckPlayerOut();
    void RefuseWrongColumn(int n);
    // ----- hand, discard, take back, sort (player) -----
    void LayOutHand(bool bySuit);
    void TakeIntoHand(int n);
    void ReturnCardToHand(int n);
    void AskDiscardIncomplete(int n);
    void DiscardCard(int n);
    void TakeBackColumn(int c);
    void LblSortSame_Click();
    void LblSortSuits_Click();
    void LblTakeBack_Click();
    // ----- Dorvil's turn (opponent) -----
    void PassTurn();
    void OppPlay();
    void OppTakeFaceCard();
    void OppTakeStockCard();
    void AnimFaceToOpp(int n);
    void AnimStockToOpp(int n);
    bool OppWantsFaceCard();
    void OppCountRanks();
    void OppFindRun();
    int OppFindNextInSuit(int pos, int suit);
    void OppLayRun();
    void OppFindSet();
    void FindFreeColumn();
    void OppMeldFirst(int c, int n);
    void OppMeldSecond(int c, int n);
    void OppMeldThird(int c, int n);
    void AnimToColumn(int c, int n);
    void OppLayOff();
    void OppLayOffOnSet(int c);
    void OppLayOffOnRun(int c);
    void OppAddToColumn(int c, int n);
    void OppChooseDiscard();
    void AnimOppDiscard(int n);
    void OppDiscard();
    void OppRemoveCard();
    // ----- which Dorvil plays; Sharp Dorvil's turn (opponent) -----
    int DorvilChosen = DorvilClassic;  // the choice of the Options menu (DorvilLevel)
    int DorvilAtTable = DorvilClassic; // the choice as the hand in play began
    std::vector<TableEvent> HandLog;   // what has happened in the hand in play
    void SeatDorvil();
    void SharpPlay();
    Sharp::DorvilSees WhatDorvilSees() const;
    // ----- settlement (opponent) -----
    void SettleHand();
    // ----- statistics, target, name (scores) -----
    void ReadSavedFiles();
    void ShowStatistics();
    void ErasePoints();
    void SaveStatistics();
    QString HistoryFile() const;      // beside the statistics; empty when no folder can be written
    QString SavedFilesFolder() const; // where Scores.dat is written; empty when none can be
    void MnuCT();
    void CmdTarget();
    void MnuPname();

    // ----- bookkeeping of sequences -----
    int HandSerial = 0; // changes whenever a new hand is laid out
    int HandHints = 0;  // advice the player took in the hand in play (hints, the demo's moves)
    // Where each card went at the hand's deal, so that a hand taken up from
    // the recovery file can be kept whole; all DealtStock when not known (a
    // file of an older version).
    enum DealtPlace { DealtStock, DealtPlayer, DealtDorvil, DealtFace };
    int DealtTo[53] = {};
    bool Closing = false;
    bool TakingCard = false; // a card taken by the player is on its way into the hand
    bool SequenceRunning() const { return !Sequences.empty(); } // a handler has not ended
    // The generator behind TableSettings::Random when it is a RandomSource
    // (its state can be saved and restored); null for scripted draws.
    RandomSource* RandomGenerator();

    // What the rules see of the table: column c (its cards and its shape),
    // and the cards that lie in one place (Where) as a mask.
    Rules::Meld MeldIn(int c) const;
    Rules::Mask CardsAt(int place) const;

    static QString CardName(int n); // "Seven of Hearts", in the language in use
    // As the object of a sentence, with the language's article: "die Herz-Sieben".
    static QString CardInSentence(int n);
    static QString RankName(int n);   // "Seven"
    static QString RankPlural(int n); // "Sevens"
    static QString SuitName(int n);   // "Hearts"
    // Cards as a meld: a set by its rank and suits ("Fours of Diamonds, Clubs
    // and Hearts"), a run by its ranks and suit ("Three, Four and Five of
    // Spades"), anything else card by card.
    static QString MeldName(QList<int> cards);
    static QString Listed(const QStringList& parts); // "a, b and c"

  private:
    TableView& View;
    TableSettings Settings;
    std::vector<int> Sequences; // the hand each running sequence acts on
    std::vector<int> Stacked;   // the practice hand's draws, in order
    size_t StackedNext = 0;
    bool PracticeDealt = false;

    void BeginNewHandSerial();
    void MoveToFront(int n, int left, int top); // a hop of card picture n
    void OppMeldCard(int c, int n, int k);      // card k (1 or 2) of Dorvil's new meld
    void SharpLay(const Sharp::MeldStep& step);
    bool SharpFits(int c, int n) const;
    void Checkpoint();
    [[noreturn]] void EndPractice();
    void CloseDown(); // ends the program and the sequence that asked for it
    void EndProgram();
    bool HandChanged(int hand) const { return hand != HandSerial || HandOver || GameOver; }
    void ReportUnexpected(const char* procedure, const std::exception& error);
    void SetStatusTarget();
    // The score panels from a sentence with the name (%1) and the score (%2),
    // or Dorvil's score (%1).
    void SetStatusPlayer(const QString& format);
    void SetStatusDorvil(const QString& format);
    QString PlayerPointsText() const;
    QString DorvilPointsText() const;
    QString WonHeading() const;
    QString OwedHeading() const;
    void ShowStockCount();
    QString MeldOrDiscardText() const;
    bool IsInDorvilsHand(int n) const;
    void Record(TableEvent::Kind what, bool byDorvil, int card = 0, int column = 0, int count = 0);
};

template <class F> void FrmMain::Dispatch(F&& handler) {
    Sequences.push_back(HandSerial);
    try {
        handler();
    } catch (const SequenceAborted&) {
    } catch (const std::exception& error) {
        ReportUnexpected("event handler", error);
    }
    Sequences.pop_back();
}
