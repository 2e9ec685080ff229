// Start-up of the table: the saved files, the card pictures, the first status
// texts, and the pack gathered face down in the middle of the table.
#include "FrmMain.h"
#include "Pauses.h"
#include "Random.h"

FrmMain::FrmMain(TableView& view, TableSettings settings)
    : View(view), Settings(std::move(settings)) {}

RandomSource* FrmMain::RandomGenerator() {
    return Settings.Random.target<RandomSource>();
}

void FrmMain::Form_Load() {
    ReadSavedFiles(); // statistics, then the name file, with ShowStatistics between
    View.SetText(Ctl::LblName0, PlayerName);
    View.SetText(Ctl::LblName2, QStringLiteral("Dorvil says good to see you ") + PlayerName);
    View.CreateCardPictures();
    TargetPoints = 100;
    SetStatusTarget();
    SetStatusPlayer(QStringLiteral("'s current points "));
    View.SetPanelText(3, QStringLiteral("Dorvil's current points ") + QString::number(OppScore));
    View.SetText(Ctl::LblNoWonP, QStringLiteral("Won ") + PlayerName);
    View.SetText(Ctl::LblGowes, QStringLiteral(" Owed ") + PlayerName);
    View.CreateFollower();
    View.SetFollowEnabled(false);
    SetItUp();
    PlacePackDeal();
    View.SetVisible(Ctl::LblInfo, true);
    View.SetText(Ctl::LblInfo, QStringLiteral("Cards shuffled - use menu if you wish and then "
                                              "click on pack or press F2 to deal cards."));
    AnimationPause = Pauses::Normal;
}

void FrmMain::SetItUp() {
    try {
        for (int n = 1; n <= 52; ++n) {
            Cards(n).Rank = ((n - 1) % 13) + 1;
            Cards(n).Suit = 5 + (n - 1) / 13;
        }
        for (int n = 1; n <= 52; ++n)
            Cards(n).Place = Where::Stock;
    } catch (const std::exception& error) {
        ReportUnexpected("SetItUp", error);
    }
}

void FrmMain::PlacePackDeal() {
    try {
        SetStatusPlayer(QStringLiteral("'s current points "));
        for (int n = 1; n <= 52; ++n) {
            Cards(n).Place = Where::Stock;
            View.SetCardVisible(n, true);
            View.ShowCardImage(n, 53);
            View.MoveCard(n, 5040 + 2 * (n - 1), 3720 - 2 * (n - 1));
            View.BringCardToFront(n);
        }
        StockCount = 52;
        View.SetText(Ctl::Lblcardsleft,
                     QStringLiteral("In Stock:- ") + QString::number(StockCount));
        if (!GameInPlay) View.PlaySound(Sound::Shuffle);
    } catch (const std::exception& error) {
        ReportUnexpected("PlacePackDeal", error);
    }
}

void FrmMain::ReportUnexpected(const char* procedure, const std::exception& error) {
    // Numbered as the classic runtime numbers them: 9 is a subscript out of range.
    int number = dynamic_cast<const std::out_of_range*>(&error) ? 9 : 5;
    View.ErrorBox(QStringLiteral("Unexpected error in procedure: ") + QLatin1String(procedure) +
                  QStringLiteral("\nError #") + QString::number(number) + QStringLiteral(": ") +
                  QString::fromUtf8(error.what()));
}

void FrmMain::SetStatusTarget() {
    View.SetPanelText(1, QStringLiteral("Target:- ") + QString::number(TargetPoints));
}

void FrmMain::SetStatusPlayer(const QString& between) {
    View.SetPanelText(2, PlayerName + between + QString::number(PlayerScore));
}

QString FrmMain::CardName(int n) {
    static const char* const ranks[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                        "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static const char* const suits[] = {"Diamonds", "Clubs", "Hearts", "Spades"};
    if (n < 1 || n > 52) return QStringLiteral("Card back");
    return QLatin1String(ranks[(n - 1) % 13]) + QStringLiteral(" of ") +
           QLatin1String(suits[(n - 1) / 13]);
}
