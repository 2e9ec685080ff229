// Starting, abandoning and leaving a game, with their questions, and the
// offsetting of the money the two sides owe each other.
#include "FrmMain.h"

void FrmMain::MnuNew_Click() {
    if (GameInPlay) {
        DeluxeMsg(PlayerName + QStringLiteral(" you are in the middle of a game, are  you sure you "
                                              "wish to start a new one?"),
                  QStringLiteral("New Game"), QStringLiteral("Oops No"), QString(), 1,
                  QStringLiteral("Really New Game?"));
        if (DeluxeChoice != 0) return;
        // The question promises a new game, so the scores of this one go.
        GameOver = true;
    }
    NewHand();
}

void FrmMain::LblDraw_Click() {
    View.SetVisible(Ctl::PicDraw, false);
    DeluxeMsg(QStringLiteral("This game will now finish with no scores and a new one will start"),
              QStringLiteral("O.K"), QString(), QString(), 2, QStringLiteral("New Game"));
    GameOver = true;
    NewHand();
}

void FrmMain::MnuExit_Click() {
    if (GameInPlay) {
        DeluxeMsg(
            QStringLiteral(" You are in the middle of a game. Are you sure you wish to exit?"),
            QStringLiteral("Yes Exit"), QStringLiteral("Continue Game"), QString(), 1,
            QStringLiteral(" Really Exit?"));
        if (DeluxeChoice == 1) return;
    }
    CloseDown();
}

bool FrmMain::Form_QueryUnload(int unloadMode) {
    // Closed by the program or the desktop (the end of a session): nothing
    // is asked, but the program closes down as Exit does, so that every
    // sequence still waiting stops and the window keeps its state.
    if (unloadMode != 0) {
        if (!Closing) EndProgram();
        return false;
    }
    DeluxeMsg(PlayerName +
                  QStringLiteral(" you are in the middle of a game or starting one, do you "
                                 "really wish to exit?"),
              QStringLiteral("Yes Exit"), QStringLiteral("Continue Game"), QString(), 1,
              QStringLiteral("Really Exit?"));
    if (DeluxeChoice != 0) return true;
    CloseDown();
    return false;
}

void FrmMain::NetMoneyOwed() {
    if (OppMoney > PlayerMoney) {
        OppMoney = static_cast<int16_t>(OppMoney - PlayerMoney);
        PlayerMoney = 0;
    }
    if (PlayerMoney > OppMoney) {
        PlayerMoney = static_cast<int16_t>(PlayerMoney - OppMoney);
        OppMoney = 0;
    }
    ShowStatistics();
}
