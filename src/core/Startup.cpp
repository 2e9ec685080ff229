// Start-up of the table: the saved files, the card pictures, the first status
// texts, and the pack gathered face down in the middle of the table.
#include "FrmMain.h"
#include "Pauses.h"
#include "Random.h"

#include <QCoreApplication>
#include <algorithm>

FrmMain::FrmMain(TableView& view, TableSettings settings)
    : View(view), Settings(std::move(settings)) {}

RandomSource* FrmMain::RandomGenerator() {
    return Settings.Random.target<RandomSource>();
}

void FrmMain::Form_Load() {
    ReadSavedFiles(); // statistics, then the name file, with ShowStatistics between
    View.SetText(Ctl::LblName0, PlayerName);
    View.SetText(
        Ctl::LblName2,
        //: Under Dorvil's name at start-up; %1 is the player's name.
        QCoreApplication::translate("Table", "Dorvil says good to see you %1").arg(PlayerName));
    View.CreateCardPictures();
    TargetPoints = 100;
    SetStatusTarget();
    SetStatusPlayer(PlayerPointsText());
    SetStatusDorvil(DorvilPointsText());
    View.SetText(Ctl::LblNoWonP, WonHeading());
    View.SetText(Ctl::LblGowes, OwedHeading());
    View.CreateFollower();
    View.SetFollowEnabled(false);
    SetItUp();
    PlacePackDeal();
    View.SetVisible(Ctl::LblInfo, true);
    View.SetText(Ctl::LblInfo,
                 //: The instruction line before the first deal.
                 QCoreApplication::translate("Table",
                                             "Cards shuffled - use menu if you wish and then "
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
        SetStatusPlayer(PlayerPointsText());
        for (int n = 1; n <= 52; ++n) {
            Cards(n).Place = Where::Stock;
            View.SetCardVisible(n, true);
            View.ShowCardImage(n, 53);
            View.MoveCard(n, 5040 + 2 * (n - 1), 3720 - 2 * (n - 1));
            View.BringCardToFront(n);
        }
        StockCount = 52;
        ShowStockCount();
        if (!GameInPlay) View.PlaySound(Sound::Shuffle);
    } catch (const std::exception& error) {
        ReportUnexpected("PlacePackDeal", error);
    }
}

void FrmMain::ReportUnexpected(const char* procedure, const std::exception& error) {
    // Numbered as the classic runtime numbers them: 9 is a subscript out of range.
    int number = dynamic_cast<const std::out_of_range*>(&error) ? 9 : 5;
    //: An error box; %1 is the procedure's name, %2 the error's number, %3 its description.
    View.ErrorBox(QCoreApplication::translate("Table", "Unexpected error in procedure: %1\n"
                                                       "Error #%2: %3")
                      .arg(QLatin1String(procedure), QString::number(number),
                           QString::fromUtf8(error.what())));
}

void FrmMain::SetStatusTarget() {
    //: The status bar's first panel; %1 is the target points of a game.
    View.SetPanelText(1, QCoreApplication::translate("Table", "Target:- %1").arg(TargetPoints));
}

// The status bar's texts of the two scores, and the statistics frame's
// headings over the player's figures: one sentence each, round the name.
QString FrmMain::PlayerPointsText() const {
    //: The status bar's panel of the player's score; %1 is the player's name, %2 the score.
    return QCoreApplication::translate("Table", "%1's current points %2");
}

QString FrmMain::DorvilPointsText() const {
    //: The status bar's panel of Dorvil's score; %1 is the score.
    return QCoreApplication::translate("Table", "Dorvil's current points %1");
}

QString FrmMain::WonHeading() const {
    //: The statistics frame: heading over the games the player has won; %1 is the player's name.
    return QCoreApplication::translate("Table", "Won %1").arg(PlayerName);
}

QString FrmMain::OwedHeading() const {
    //: The statistics frame: heading over the money Dorvil owes the player; %1 is the player's
    //: name.
    return QCoreApplication::translate("Table", " Owed %1").arg(PlayerName);
}

void FrmMain::SetStatusPlayer(const QString& format) {
    View.SetPanelText(2, format.arg(PlayerName, QString::number(PlayerScore)));
}

void FrmMain::SetStatusDorvil(const QString& format) {
    View.SetPanelText(3, format.arg(OppScore));
}

void FrmMain::ShowStockCount() {
    //: Under the stock; %1 is the number of cards in it.
    View.SetText(Ctl::Lblcardsleft,
                 QCoreApplication::translate("Table", "In Stock:- %1").arg(StockCount));
}

// The names of the cards, as a screen reader says them.
namespace {
const char* const RankNames[] = {
    QT_TRANSLATE_NOOP("Cards", "Ace"),   QT_TRANSLATE_NOOP("Cards", "Two"),
    QT_TRANSLATE_NOOP("Cards", "Three"), QT_TRANSLATE_NOOP("Cards", "Four"),
    QT_TRANSLATE_NOOP("Cards", "Five"),  QT_TRANSLATE_NOOP("Cards", "Six"),
    QT_TRANSLATE_NOOP("Cards", "Seven"), QT_TRANSLATE_NOOP("Cards", "Eight"),
    QT_TRANSLATE_NOOP("Cards", "Nine"),  QT_TRANSLATE_NOOP("Cards", "Ten"),
    QT_TRANSLATE_NOOP("Cards", "Jack"),  QT_TRANSLATE_NOOP("Cards", "Queen"),
    QT_TRANSLATE_NOOP("Cards", "King")};
// The ranks in the plural, as a set names them ("the Fours of ...").
const char* const RankPlurals[] = {
    QT_TRANSLATE_NOOP("Cards", "Aces"),   QT_TRANSLATE_NOOP("Cards", "Twos"),
    QT_TRANSLATE_NOOP("Cards", "Threes"), QT_TRANSLATE_NOOP("Cards", "Fours"),
    QT_TRANSLATE_NOOP("Cards", "Fives"),  QT_TRANSLATE_NOOP("Cards", "Sixes"),
    QT_TRANSLATE_NOOP("Cards", "Sevens"), QT_TRANSLATE_NOOP("Cards", "Eights"),
    QT_TRANSLATE_NOOP("Cards", "Nines"),  QT_TRANSLATE_NOOP("Cards", "Tens"),
    QT_TRANSLATE_NOOP("Cards", "Jacks"),  QT_TRANSLATE_NOOP("Cards", "Queens"),
    QT_TRANSLATE_NOOP("Cards", "Kings")};
// A card as the object of a sentence ("Discard the %1."), with the article
// the language puts before it where it has one; %1 is the suit.
const struct {
    const char* Source;
    const char* Comment;
} RankInSentence[] = {QT_TRANSLATE_NOOP3("Cards", "Ace of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Two of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Three of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Four of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Five of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Six of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Seven of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Eight of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Nine of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Ten of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Jack of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "Queen of %1", "object"),
                      QT_TRANSLATE_NOOP3("Cards", "King of %1", "object")};
const char* const SuitNames[] = {
    QT_TRANSLATE_NOOP("Cards", "Diamonds"), QT_TRANSLATE_NOOP("Cards", "Clubs"),
    QT_TRANSLATE_NOOP("Cards", "Hearts"), QT_TRANSLATE_NOOP("Cards", "Spades")};
} // namespace

QString FrmMain::RankName(int n) {
    return n < 1 || n > 52 ? QString()
                           : QCoreApplication::translate("Cards", RankNames[(n - 1) % 13]);
}

QString FrmMain::RankPlural(int n) {
    return n < 1 || n > 52 ? QString()
                           : QCoreApplication::translate("Cards", RankPlurals[(n - 1) % 13]);
}

QString FrmMain::SuitName(int n) {
    return n < 1 || n > 52 ? QString()
                           : QCoreApplication::translate("Cards", SuitNames[(n - 1) / 13]);
}

QString FrmMain::CardInSentence(int n) {
    if (n < 1 || n > 52) return CardName(n);
    const auto& text = RankInSentence[(n - 1) % 13];
    return QCoreApplication::translate("Cards", text.Source, text.Comment).arg(SuitName(n));
}

QString FrmMain::CardName(int n) {
    //: The picture of a face-down card, for screen readers.
    if (n < 1 || n > 52) return QCoreApplication::translate("Cards", "Card back");
    //: A card's name, for screen readers: %1 is its rank (Seven), %2 its suit (Hearts).
    return QCoreApplication::translate("Cards", "%1 of %2").arg(RankName(n), SuitName(n));
}

QString FrmMain::Listed(const QStringList& parts) {
    if (parts.size() < 2) return parts.value(0);
    //: The last two of a list of cards, ranks or suits ("Clubs and Hearts").
    return QCoreApplication::translate("Cards", "%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QCoreApplication::translate("Cards", ", ")),
             parts.last());
}

QString FrmMain::MeldName(QList<int> cards) {
    if (cards.isEmpty()) return {};
    const auto sameRank = [&](int n) { return Rules::RankOf(n) == Rules::RankOf(cards[0]); };
    const auto sameSuit = [&](int n) { return Rules::SuitOf(n) == Rules::SuitOf(cards[0]); };
    QStringList parts;
    if (cards.size() > 1 && std::all_of(cards.begin(), cards.end(), sameRank)) {
        for (int n : cards)
            parts << SuitName(n);
        //: A set: %1 its rank in the plural ("Fours"), %2 its suits ("Diamonds, Clubs and Hearts").
        return QCoreApplication::translate("Cards", "%1 of %2", "set")
            .arg(RankPlural(cards[0]), Listed(parts));
    }
    if (cards.size() > 1 && std::all_of(cards.begin(), cards.end(), sameSuit)) {
        std::sort(cards.begin(), cards.end());
        for (int n : cards)
            parts << RankName(n);
        //: A run: %1 its ranks ("Three, Four and Five"), %2 its suit ("Spades").
        return QCoreApplication::translate("Cards", "%1 of %2", "run")
            .arg(Listed(parts), SuitName(cards[0]));
    }
    for (int n : cards)
        parts << CardName(n);
    return Listed(parts);
}
