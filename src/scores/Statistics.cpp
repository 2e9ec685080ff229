// The statistics frame and its saved files, the target points and the
// player's name.
#include "FrmMain.h"
#include "History.h"
#include "SavedRecord.h"

#include <QCoreApplication>

namespace {
const QString ScoresDat = QStringLiteral("Scores.dat");
const QString NamesDat = QStringLiteral("Names2.dat");

int16_t NonNegative(const QStringList& fields, int i) {
    return i < fields.size() ? std::max<int16_t>(0, SavedRecord::ToInt16(fields[i])) : 0;
}
} // namespace

void FrmMain::ReadSavedFiles() {
    QStringList stats = SavedRecord::ParseLine(
        SavedRecord::ReadNewest(Settings.SaveFolder, Settings.UserDataFolder, ScoresDat));
    PlayerGamesWon = NonNegative(stats, 0);
    OppGamesWon = NonNegative(stats, 1);
    OppMoney = NonNegative(stats, 2);
    PlayerMoney = NonNegative(stats, 3);
    // A table without any saved name still greets somebody.
    PlayerName = stats.size() > 4 ? stats[4] :
                                  //: The player's name until the player gives one.
                     QCoreApplication::translate("Scores", "Player");
    ShowStatistics();
    QStringList names = SavedRecord::ParseLine(
        SavedRecord::ReadNewest(Settings.SaveFolder, Settings.UserDataFolder, NamesDat));
    if (!names.isEmpty()) PlayerName = names[0];
}

void FrmMain::ShowStatistics() {
    //: The statistics frame: heading over the money the player owes Dorvil.
    View.SetText(Ctl::LblOweG, QCoreApplication::translate("Scores", " Owed Dorvil"));
    View.SetText(Ctl::LblGowes, OwedHeading());
    View.SetText(Ctl::LblWonG, QString::number(OppGamesWon));
    View.SetText(Ctl::LblWonP, QString::number(PlayerGamesWon));
    View.SetText(Ctl::LblNoWonP, WonHeading());
    View.SetText(Ctl::LblMoneyP, SavedRecord::MoneyText(PlayerMoney, Language));
    View.SetText(Ctl::LblMoneyG, SavedRecord::MoneyText(OppMoney, Language));
}

void FrmMain::ErasePoints() {
    PlayerGamesWon = OppGamesWon = 0;
    View.SetText(Ctl::LblWonP, QStringLiteral("0"));
    View.SetText(Ctl::LblWonG, QStringLiteral("0"));
    OppMoney = PlayerMoney = 0;
    View.SetText(Ctl::LblMoneyG, QStringLiteral("0"));
    View.SetText(Ctl::LblMoneyP, QStringLiteral("0"));
    SaveStatistics();
}

// When neither folder can be written the statistics stay in memory, to be
// written with the next game's end.
void FrmMain::SaveStatistics() {
    if (Practice) return; // the game in progress comes back with its own figures
    QStringList fields{QString::number(PlayerGamesWon), QString::number(OppGamesWon),
                       QString::number(OppMoney), QString::number(PlayerMoney),
                       SavedRecord::Quote(PlayerName)};
    SavedRecord::WriteWhole(Settings.SaveFolder, Settings.UserDataFolder, ScoresDat,
                            SavedRecord::FormatLine(fields));
}

QString FrmMain::SavedFilesFolder() const {
    return SavedRecord::WritableFolder(Settings.SaveFolder, Settings.UserDataFolder);
}

QString FrmMain::HistoryFile() const {
    QString folder = SavedFilesFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + History::FileName;
}

void FrmMain::MnuCT() {
    View.SetVisible(Ctl::FramTarget, true);
    View.FocusTargetBox();
}

void FrmMain::CmdTarget() {
    View.SetVisible(Ctl::FramTarget, false);
    TargetPoints = TargetFromText(View.TargetText());
    SetStatusTarget();
    //: A message box once the target is set; %1 is the target points.
    DeluxeMsg(QCoreApplication::translate("Scores",
                                          " Target points are set to %1 for this game only. You "
                                          "must change before starting a session as you may "
                                          "sometimes want a quick game and somtimes a long one.")
                  .arg(TargetPoints),
              //: A message box's button: the player has read the message.
              QCoreApplication::translate("Scores", "O.K."), QString(), QString(), 2,
              QCoreApplication::translate("Scores", "Target points set"));
    SetStatusTarget();
}

// Cancelling the dialog, or closing it, leaves the name, the table and the
// files as they were: only OK gives a new name.
void FrmMain::MnuPname() {
    const std::optional<QString> typed = View.InputBox(
        //: The question of the name dialog (Options menu, Enter Your Name).
        QCoreApplication::translate("Scores", "Replace name Player?"),
        //: The title of the name dialog.
        QCoreApplication::translate("Scores", "Enter your name "),
        //: The name dialog's box holds this until the player types a name.
        QCoreApplication::translate("Scores", "You name please"));
    if (!typed) return;
    PlayerName = *typed;
    View.SetText(Ctl::LblName0, PlayerName);
    View.SetText(Ctl::LblNoWonP, WonHeading());
    //: The statistics frame: heading over the money Dorvil owes the player, once the player has
    //: given a name; %1 is the name.
    View.SetText(Ctl::LblGowes, QCoreApplication::translate("Scores", "Owed %1").arg(PlayerName));
    SetStatusPlayer(PlayerPointsText());
    SavedRecord::WriteWhole(Settings.SaveFolder, Settings.UserDataFolder, NamesDat,
                            SavedRecord::FormatLine({SavedRecord::Quote(PlayerName)}));
}
