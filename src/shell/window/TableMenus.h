// The menu bar: Play (New Game, Exit), Help (Rules and Help), About, and
// Options (target points, name, statistics, which Dorvil plays, language,
// card deck, sound, pace, Game History, Full Screen). The game's commands are its
// actions, which the window sends to the game; the menus open the help and
// about windows themselves, keep them at the table's scale, and toggle full
// screen.
#pragma once

#include "TableView.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <map>

class DorvilOption;
class FrmHelp;
class PaceOption;
class SoundOption;
class frmAbout;
class QAction;
class QMainWindow;
class QMenu;
class QWidget;
class TableLayout;

class TableMenus : public QObject {
    Q_OBJECT
  public:
    // `dataFolder` holds the rules text; the Dorvil option's note lies on `table`.
    TableMenus(QMainWindow& window, TableLayout& layout, QWidget* table, const QString& dataFolder);
    ~TableMenus() override;

    QMenu* Play; // New Game, the advice's entries, Exit
    QAction* MnuNew;
    QAction* MnuExit;
    QAction* MnuCT;
    QAction* MnuPname;
    QAction* ErasePoints;
    QAction* MnuCardDeck;
    QAction* MnuHistory;
    QAction* MnuFullScreen;
    DorvilOption* Dorvil;
    SoundOption* Sound;
    PaceOption* Pace;

    // A disabled menu keeps its items' shortcuts from firing too.
    void Enable(Menu menu, bool enabled);
    // The help and about windows close with the table.
    void CloseWindows();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenHelp();
    void OpenAbout();

    QMainWindow& Window;
    TableLayout& Layout;
    QString DataFolder;
    std::map<Menu, QAction*> Menus;
    // Entries of the window rather than of the game: their keys work while
    // the game keeps their menu closed (as during the deal and Dorvil's turn).
    QList<QAction*> WindowsOwn;
    QPointer<FrmHelp> Help;
    QPointer<frmAbout> About;
};
