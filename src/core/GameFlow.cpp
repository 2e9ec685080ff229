// Starting, abandoning and leaving a game, with their questions, and the
// offsetting of the money the two sides owe each other.
#include "FrmMain.h"

#include <QCoreApplication>

void FrmMain::MnuNew_Click() {
    if (GameInPlay) {
        //: A message box; %1 is the player's name.
        DeluxeMsg(QCoreApplication::translate("Table", "%1 you are in the middle of a game, are  "
                                                       "you sure you wish to start a new one?")
                      .arg(PlayerName),
                  //: A message box's button: start a new game.
                  QCoreApplication::translate("Table", "New Game"),
                  //: A message box's button: do not start a new game after all.
                  QCoreApplication::translate("Table", "Oops No"), QString(), 1,
                  QCoreApplication::translate("Table", "Really New Game?"));
        if (DeluxeChoice != 0) return;
        // The question promises a new game, so the scores of this one go.
        GameOver = true;
    }
    NewHand();
}

void FrmMain::LblDraw_Click() {
    View.SetVisible(Ctl::PicDraw, false);
    //: A message box, after the player has clicked Call Draw.
    DeluxeMsg(QCoreApplication::translate(
                  "Table", "This game will now finish with no scores and a new one will start"),
              //: A message box's button: the player has read the message.
              QCoreApplication::translate("Table", "O.K"), QString(), QString(), 2,
              //: A message box's title.
              QCoreApplication::translate("Table", "New Game", "title"));
    Record(TableEvent::DrawCalled, false, 0, 0, 0);
    GameOver = true;
    NewHand();
}

void FrmMain::MnuExit_Click() {
    if (GameInPlay) {
        DeluxeMsg(QCoreApplication::translate(
                      "Table", " You are in the middle of a game. Are you sure you wish to exit?"),
                  QCoreApplication::translate("Table", "Yes Exit"),
                  QCoreApplication::translate("Table", "Continue Game"), QString(), 1,
                  QCoreApplication::translate("Table", " Really Exit?"));
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
    //: A message box when the window is closed; %1 is the player's name.
    DeluxeMsg(QCoreApplication::translate("Table", "%1 you are in the middle of a game or starting "
                                                   "one, do you really wish to exit?")
                  .arg(PlayerName),
              QCoreApplication::translate("Table", "Yes Exit"),
              QCoreApplication::translate("Table", "Continue Game"), QString(), 1,
              QCoreApplication::translate("Table", "Really Exit?"));
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
