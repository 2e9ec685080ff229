// The end of a hand: scoring the cards left, the game won at the target with
// a lead, the money and games won recorded and saved, and the next hand.
#include "FrmMain.h"
#include "SavedRecord.h"

#include <QCoreApplication>

namespace {
// The message box starts a new line at a carriage return; the translations
// write a line feed, which their files keep as it is.
QString TwoLines(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char('\r'));
}
} // namespace

void FrmMain::SettleHand() {
    if (PlayerCount != 0 && OppCount != 0) return;
    if (PlayerCount == 0) {
        HandOver = true;
        PlayerHandPoints = 0;
        for (int b = 1; b <= OppCount; ++b)
            View.ShowCardImage(OppCards(b).Card, OppCards(b).Card);
        OppHandPoints += Rules::Points(CardsAt(Where::DorvilHand));
        PlayerScore = Rules::AddPoints(PlayerScore, OppHandPoints);
        Record(TableEvent::HandWon, false, 0, 0, OppHandPoints);
        //: The status bar's panel of the player's score once the player has won a hand; %1 is the
        //: player's name, %2 the score.
        SetStatusPlayer(QCoreApplication::translate("Dorvil", "%1 ' current points %2"));
        if (!Rules::WinsGame(PlayerScore, OppScore, TargetPoints)) {
            Record(TableEvent::HandSettled, false, 0, 0, OppHandPoints);
            //: A message box of two lines.
            DeluxeMsg(TwoLines(QCoreApplication::translate(
                          "Dorvil", "Well done, you won this hand\n and receive the points left "
                                    "in Dorvil's hand as shown below.")),
                      //: A message box's button: deal the next hand.
                      QCoreApplication::translate("Dorvil", "Next Hand"), QString(), QString(), 4,
                      QCoreApplication::translate("Dorvil", " You win the hand"));
            NewHand();
            return;
        }
        Record(TableEvent::GameWon, false);
        PlayerMoney = SavedRecord::Saturate16(PlayerMoney + (PlayerScore - OppScore));
        NetMoneyOwed();
        PlayerGamesWon = SavedRecord::Saturate16(PlayerGamesWon + 1);
        View.SetText(Ctl::LblWonP, QString::number(PlayerGamesWon));
        //: A message box of two lines; %1 is the player's name.
        DeluxeMsg(TwoLines(QCoreApplication::translate(
                               "Dorvil", "%1 well done you won the hand and the game.\n See "
                                         "statistics top right for details."))
                      .arg(PlayerName),
                  //: A message box's button.
                  QCoreApplication::translate("Dorvil", "Carry On!"), QString(), QString(), 4,
                  QCoreApplication::translate("Dorvil", " Dorvil Beaten Again."));
    } else {
        HandOver = true;
        OppHandPoints = 0;
        CountHandPoints();
        OppScore = Rules::AddPoints(OppScore, PlayerHandPoints);
        Record(TableEvent::HandWon, true, 0, 0, PlayerHandPoints);
        //: The status bar's panel of Dorvil's score once he has won a hand; %1 is the score.
        SetStatusDorvil(QCoreApplication::translate("Dorvil", " Dorvil's current points %1"));
        if (!Rules::WinsGame(OppScore, PlayerScore, TargetPoints)) {
            Record(TableEvent::HandSettled, true, 0, 0, PlayerHandPoints);
            //: A message box; %1 is the player's name.
            DeluxeMsg(QCoreApplication::translate("Dorvil",
                                                  "%1   sorry, Dorvil won this hand and gains the "
                                                  "number of points left in your hand as shown "
                                                  "below.")
                          .arg(PlayerName),
                      QCoreApplication::translate("Dorvil", "Next Hand"), QString(), QString(), 5,
                      QCoreApplication::translate("Dorvil", " Dorvil wins the Hand."));
            NewHand();
            return;
        }
        Record(TableEvent::GameWon, true);
        OppMoney = SavedRecord::Saturate16(OppMoney + (OppScore - PlayerScore));
        NetMoneyOwed();
        SetStatusPlayer(PlayerPointsText());
        //: A message box of two lines; %1 is the player's name.
        DeluxeMsg(TwoLines(QCoreApplication::translate(
                               "Dorvil", "%1 unfortunately Dorvil won the hand and the game.\n See "
                                         "statistics top right for details."))
                      .arg(PlayerName),
                  //: A message box's button.
                  QCoreApplication::translate("Dorvil", "Carry On! "), QString(), QString(), 5,
                  QCoreApplication::translate("Dorvil", " Dorvil Wins Game."));
        OppGamesWon = SavedRecord::Saturate16(OppGamesWon + 1);
        View.SetText(Ctl::LblWonG, QString::number(OppGamesWon));
    }
    const bool playerWon = PlayerCount == 0;
    GameOver = true;
    GameInPlay = false;
    SaveStatistics();
    ShowStatistics();
    // Told where the statistics are saved, so that whatever keeps a history
    // agrees with them even when the program ends at one of the boxes.
    Record(TableEvent::HandSettled, !playerWon, 0, 0, playerWon ? OppHandPoints : PlayerHandPoints);
    DeluxeMsg(QCoreApplication::translate("Dorvil",
                                          "Would you like to play another game or leave for now?"),
              //: A message box's button: start the next game.
              QCoreApplication::translate("Dorvil", "Play Again"),
              //: A message box's button: leave the program.
              QCoreApplication::translate("Dorvil", "Bye for Now"), QString(), playerWon ? 1 : 2,
              QCoreApplication::translate("Dorvil", "Play another game?"));
    if (DeluxeChoice == 0)
        NewHand();
    else
        MnuExit_Click();
}
