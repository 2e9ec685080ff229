// The end of a hand: scoring the cards left, the game won at the target with
// a lead, the money and games won recorded and saved, and the next hand.
#include "FrmMain.h"
#include "SavedRecord.h"

void FrmMain::SettleHand() {
    if (PlayerCount != 0 && OppCount != 0) return;
    const QString CR = QStringLiteral("\r");
    if (PlayerCount == 0) {
        HandOver = true;
        PlayerHandPoints = 0;
        for (int b = 1; b <= OppCount; ++b) {
            OppHandPoints += OppCards(b).Rank;
            View.ShowCardImage(OppCards(b).Card, OppCards(b).Card);
        }
        PlayerScore = SavedRecord::Saturate16(PlayerScore + OppHandPoints);
        Record(TableEvent::HandWon, false, 0, 0, OppHandPoints);
        SetStatusPlayer(QStringLiteral(" ' current points "));
        if (PlayerScore < TargetPoints || PlayerScore <= OppScore) {
            Record(TableEvent::HandSettled, false, 0, 0, OppHandPoints);
            DeluxeMsg(QStringLiteral("Well done, you won this hand") + CR +
                          QStringLiteral(" and receive the points left in Dorvil's hand as shown "
                                         "below."),
                      QStringLiteral("Next Hand"), QString(), QString(), 4,
                      QStringLiteral(" You win the hand"));
            NewHand();
            return;
        }
        Record(TableEvent::GameWon, false);
        PlayerMoney = SavedRecord::Saturate16(PlayerMoney + (PlayerScore - OppScore));
        NetMoneyOwed();
        PlayerGamesWon = SavedRecord::Saturate16(PlayerGamesWon + 1);
        View.SetText(Ctl::LblWonP, QString::number(PlayerGamesWon));
        DeluxeMsg(PlayerName + QStringLiteral(" well done you won the hand and the game.") + CR +
                      QStringLiteral(" See statistics top right for details."),
                  QStringLiteral("Carry On!"), QString(), QString(), 4,
                  QStringLiteral(" Dorvil Beaten Again."));
    } else {
        HandOver = true;
        OppHandPoints = 0;
        CountHandPoints();
        OppScore = SavedRecord::Saturate16(OppScore + PlayerHandPoints);
        Record(TableEvent::HandWon, true, 0, 0, PlayerHandPoints);
        View.SetPanelText(3,
                          QStringLiteral(" Dorvil's current points ") + QString::number(OppScore));
        if (OppScore < TargetPoints || OppScore <= PlayerScore) {
            Record(TableEvent::HandSettled, true, 0, 0, PlayerHandPoints);
            DeluxeMsg(PlayerName +
                          QStringLiteral("   sorry, Dorvil won this hand and gains the number "
                                         "of points left in your hand as shown below."),
                      QStringLiteral("Next Hand"), QString(), QString(), 5,
                      QStringLiteral(" Dorvil wins the Hand."));
            NewHand();
            return;
        }
        Record(TableEvent::GameWon, true);
        OppMoney = SavedRecord::Saturate16(OppMoney + (OppScore - PlayerScore));
        NetMoneyOwed();
        SetStatusPlayer(QStringLiteral("'s current points "));
        DeluxeMsg(PlayerName + QStringLiteral(" unfortunately Dorvil won the hand and the game.") +
                      CR + QStringLiteral(" See statistics top right for details."),
                  QStringLiteral("Carry On! "), QString(), QString(), 5,
                  QStringLiteral(" Dorvil Wins Game."));
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
    DeluxeMsg(QStringLiteral("Would you like to play another game or leave for now?"),
              QStringLiteral("Play Again"), QStringLiteral("Bye for Now"), QString(),
              playerWon ? 1 : 2, QStringLiteral("Play another game?"));
    if (DeluxeChoice == 0)
        NewHand();
    else
        MnuExit_Click();
}
