// The table window FrmMain, built from its parts: the controls, the card
// pictures, the menus, the fitting of the table to the window, the sound and
// the history of games. It carries out the TableView through which the game
// draws on it and plays sounds, and sends every user event to the game's
// handlers; it holds no game state and makes no game decision.
#pragma once

#include "NestedPause.h"
#include "TableView.h"
#include "table/TableScale.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CardPicture;
class CardPictures;
class FrmMain;
class GameHistory;
class ImageList;
class MFormDeluxe;
class SessionEnd;
class TableFit;
class TableMenus;
class TableNews;
class TableSound;
class clsObjectFollowMouse;
struct TableControls;

class MainWindow : public QMainWindow, public TableView {
    Q_OBJECT
  public:
    MainWindow(const QString& programFolder, const QString& deckPath);
    ~MainWindow() override;
    void Attach(FrmMain* game);
    void RestoreWindow();
    // Runs a handler of the game as a user event does; keys and screen readers come this way.
    void RunHandler(const std::function<void()>& handler);

    // The parts, for the rooms that open the table to keys and screen readers.
    QWidget* Table() const { return Client; }
    const TableControls& Controls() const { return *Parts; }
    const TableScale& Scale() const { return Layout.Scale(); }
    CardPicture* Card(int n) const;
    clsObjectFollowMouse* Follower() const { return FollowMouse.get(); }
    MFormDeluxe* MessageBox() const { return Deluxe; }
    TableNews& News() const { return *Told; }
    TableMenus& MenuEntries() const { return *Menus; }
    ImageList& Pictures() const { return *Images; }
    GameHistory* Histories() const { return History; } // once attached

    void CreateCardPictures() override;
    void ShowCardImage(int n, int image) override;
    void MoveCard(int n, int left, int top) override;
    int CardLeft(int n) const override;
    int CardTop(int n) const override;
    void BringCardToFront(int n) override;
    void SetCardVisible(int n, bool visible) override;
    void SetCardPointer(int n, int image) override;
    void SetCardToolTip(int n, const QString& tip) override;
    void SetText(Ctl control, const QString& text) override;
    void SetVisible(Ctl control, bool visible) override;
    void SetPanelText(int panel, const QString& text) override;
    void EnableMenu(Menu menu, bool enabled) override;
    QString TargetText() const override;
    void FocusTargetBox() override;
    void PlaySound(Sound sound) override;
    void Pause(int ms) override;
    int DeluxeMsg(const QString& text, const QString& caption0, const QString& caption1,
                  const QString& caption2, int icon, const QString& title) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& preset) override;
    void ErrorBox(const QString& text) override;
    void CreateFollower() override;
    void SetFollowObject(int n) override;
    void SetFollowEnabled(bool enabled) override;
    void CloseProgram() override;
    void Record(const TableEvent& event) override;
    void DorvilSeated(int level) override;
    void Think(const std::function<void()>& work) override { ThinkAside(work); }
    void HandDealt() override; // told in DealNews.cpp

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    template <class F> void Send(F&& handler, bool playersAction = true);
    template <class R, class... A> void Call(bool playersAction, R (FrmMain::*h)(A...), A... args);
    void Wire();

    QString Folder;
    FrmMain* Game = nullptr;
    TableLayout Layout;
    std::unique_ptr<ImageList> Images;
    QWidget *Backdrop, *Client; // the window's area, and the table centred in it
    TableMenus* Menus;
    std::unique_ptr<TableControls> Parts;
    CardPictures* Cards;
    TableSound* Sounds;
    SessionEnd* Session;
    TableFit* Fit;
    GameHistory* History = nullptr;
    TableNews* Told;
    std::unique_ptr<clsObjectFollowMouse> FollowMouse;
    MFormDeluxe* Deluxe = nullptr;
    bool Quitting = false, ClosedFromOutside = false;
};
