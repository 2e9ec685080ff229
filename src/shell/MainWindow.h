// The table window FrmMain: its controls at their fixed places, its menus,
// and the TableView through which the game draws on it and plays sounds.
// It holds no game state and forwards every user event to the game.
#pragma once

#include "TableScale.h"
#include "TableView.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class FrmMain;
class CardPicture;
class AutoLabel;
class StatusPanels;
class ImageList;
class SoundOutput;
class HistoryModule;
class MFormDeluxe;
class FrmHelp;
class frmAbout;
class clsObjectFollowMouse;
class DorvilOption;
class QLineEdit;
class QMenu;
class QAction;
class QTimer;
struct TableAids;

class MainWindow : public QMainWindow, public TableView {
  public:
    MainWindow(const QString& programFolder, const QString& deckPath);
    ~MainWindow() override;
    void Attach(FrmMain* game);
    // Runs a handler of the game as a user event does; the keys come this way too.
    void RunHandler(const std::function<void()>& handler);

    // TableView
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
    QString InputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void ErrorBox(const QString& text) override;
    void CreateFollower() override;
    void SetFollowObject(int n) override;
    void SetFollowEnabled(bool enabled) override;
    void CloseProgram() override;
    void Record(const TableEvent& event) override;
    void DorvilSeated(bool sharp) override;

    // Whoever follows the play (announcements, the history of games) hears
    // every event the game records, in order.
    void ListenToTable(std::function<void(const TableEvent&)> listener) {
        TableListeners.push_back(std::move(listener));
    }
    // Whoever reads the table aloud hears every text the game writes.
    void ListenToTexts(std::function<void(Ctl, const QString&)> listener) {
        TextListeners.push_back(std::move(listener));
    }
    TableAids* Aids() const { return Helpers.get(); }

    // The size, place and full-screen state the window was closed with, from
    // the user's configuration, fitted to the screens of today.
    void RestoreWindow();
    const TableScale& Scale() const { return Layout.Scale(); }

    CardPicture* Card(int n) const { return Cds[static_cast<size_t>(n)]; }
    clsObjectFollowMouse* Follower() const { return FollowMouse.get(); }
    MFormDeluxe* MessageBox() const { return Deluxe; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildTable(QWidget* client);
    void BuildStatistics(QWidget* client);
    void BuildTargetFrame(QWidget* client);
    void BuildMenus();
    void MakeCard(int n);
    template <class F> void Send(F&& handler);
    // TableScaling.cpp: the table fitted and centred in the window.
    void FitTable();
    void Rescale(const TableScale& scale);
    void RenderCards();
    void SaveWindow() const;
    static constexpr QSize CardDesign{1065, 1440};

    QString Folder;
    FrmMain* Game = nullptr;
    std::unique_ptr<ImageList> Images;
    // The sound module is loaded once the window is up; until then the
    // latest sound asked for waits (a new sound stops the one playing anyway).
    void LoadSounds();
    std::unique_ptr<SoundOutput> Sounds;
    std::optional<Sound> WaitingSound;
    bool SoundsAsked = false;
    HistoryModule* HistoryParts = nullptr; // loaded with the first opening
    std::unique_ptr<clsObjectFollowMouse> FollowMouse;
    TableLayout Layout;
    QWidget* Backdrop = nullptr; // the window's client area, navy around the table
    QWidget* Client = nullptr;   // the table itself
    QTimer* Settle = nullptr;
    QAction* FullScreen = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    std::array<CardPicture*, 53> Cds{};
    std::array<QPoint, 53> CardTwips{};
    std::array<int, 53> CardPointer{};
    std::array<int, 53> CardCursorShown{};
    std::map<Ctl, QWidget*> Controls;
    std::map<Menu, QAction*> Menus;
    QLineEdit* Txtpoints = nullptr;
    QTimer* Timer1 = nullptr;
    MFormDeluxe* Deluxe = nullptr;
    DorvilOption* Dorvil = nullptr;
    QPointer<FrmHelp> Help;
    QPointer<frmAbout> About;
    bool Quitting = false;
    std::vector<std::function<void(const TableEvent&)>> TableListeners;
    std::vector<std::function<void(Ctl, const QString&)>> TextListeners;
    std::unique_ptr<TableAids> Helpers;
};
