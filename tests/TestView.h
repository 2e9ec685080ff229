// A scripted table for the game-logic tests: it remembers everything the game
// told the window, answers message boxes from a script, and returns from
// pauses at once (or runs a test's hook inside them, as a real pause lets
// other handlers run).
#pragma once

#include "FrmMain.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

struct ShownMessage {
    QString Text, Caption0, Caption1, Caption2, Title;
    int Icon = 0;
    QString Panel3; // status panel 3 while the box was shown
};

class TestView : public TableView {
  public:
    int Left[53] = {}, Top[53] = {}, Image[53] = {}, Pointer[53] = {}, Front[53] = {};
    bool CardShown[53] = {};
    QString Tip[53];
    int FrontCounter = 0;
    std::map<Ctl, QString> Texts;
    std::map<Ctl, bool> Shown;
    std::map<Menu, bool> MenuOn;
    QString Panels[5];
    std::vector<Sound> Sounds;
    std::vector<int> Pauses;
    std::vector<ShownMessage> Messages;
    std::deque<int> Answers; // button to click in the next message boxes; 0 when none
    std::optional<QString> InputAnswer; // nothing: the player cancels
    QString TargetBoxText;
    QStringList Errors;
    std::vector<TableEvent> Events;
    bool Following = false;
    int FollowObject = 0;
    bool Closed = false;
    bool PicturesCreated = false;
    int NewHands = 0;
    // Runs inside the k-th pause (counted from 1), as a nested handler would.
    std::function<void(int k)> DuringPause;
    // Hears each event as it is recorded, while the table is in that state.
    std::function<void(const TableEvent&)> OnRecord;

    void CreateCardPictures() override { PicturesCreated = true; }
    void ShowCardImage(int n, int image) override { Image[n] = image; }
    void MoveCard(int n, int left, int top) override { Left[n] = left, Top[n] = top; }
    int CardLeft(int n) const override { return Left[n]; }
    int CardTop(int n) const override { return Top[n]; }
    void BringCardToFront(int n) override { Front[n] = ++FrontCounter; }
    void SetCardVisible(int n, bool visible) override { CardShown[n] = visible; }
    void SetCardPointer(int n, int image) override {
        if (image) Pointer[n] = image;
    }
    void SetCardToolTip(int n, const QString& tip) override { Tip[n] = tip; }
    void SetText(Ctl control, const QString& text) override { Texts[control] = text; }
    void SetVisible(Ctl control, bool visible) override { Shown[control] = visible; }
    void SetPanelText(int panel, const QString& text) override { Panels[panel] = text; }
    void EnableMenu(Menu menu, bool enabled) override { MenuOn[menu] = enabled; }
    QString TargetText() const override { return TargetBoxText; }
    void FocusTargetBox() override {}
    void PlaySound(Sound sound) override { Sounds.push_back(sound); }
    void Pause(int ms) override {
        Pauses.push_back(ms);
        if (DuringPause) DuringPause(static_cast<int>(Pauses.size()));
    }
    int DeluxeMsg(const QString& text, const QString& c0, const QString& c1, const QString& c2,
                  int icon, const QString& title) override {
        Messages.push_back({text, c0, c1, c2, title, icon, Panels[3]});
        if (Answers.empty()) return 0;
        int choice = Answers.front();
        Answers.pop_front();
        return choice;
    }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override {
        return InputAnswer;
    }
    void ErrorBox(const QString& text) override { Errors << text; }
    void CreateFollower() override {}
    void SetFollowObject(int n) override { FollowObject = n; }
    void SetFollowEnabled(bool enabled) override { Following = enabled; }
    void CloseProgram() override { Closed = true; }
    void Record(const TableEvent& e) override {
        Events.push_back(e);
        if (OnRecord) OnRecord(e);
    }
    void NewHandStarting() override { ++NewHands; }

    int PauseTotal() const {
        int total = 0;
        for (int ms : Pauses)
            total += ms;
        return total;
    }
};

// The 52 cards are all accounted for, and the counts agree with the places.
inline QString TableProblem(FrmMain& f) {
    int counts[10] = {};
    for (int n = 1; n <= 52; ++n) {
        int place = f.Cards(n).Place;
        if (place < 1 || place > 9 || (place > 4 && place < 9))
            return QStringLiteral("card %1 has place %2").arg(n).arg(place);
        ++counts[place];
        int columns = 0;
        for (int c = 1; c <= 6; ++c)
            columns += f.Cards(n).InColumn(c) ? 1 : 0;
        if ((place == 9) != (columns == 1))
            return QStringLiteral("card %1 in %2 columns with place %3")
                .arg(n)
                .arg(columns)
                .arg(place);
    }
    if (counts[1] != f.PlayerCount)
        return QStringLiteral("player holds %1, count says %2").arg(counts[1]).arg(f.PlayerCount);
    if (counts[2] != f.OppCount)
        return QStringLiteral("Dorvil holds %1, count says %2").arg(counts[2]).arg(f.OppCount);
    if (counts[3] != f.StockCount)
        return QStringLiteral("stock holds %1, count says %2").arg(counts[3]).arg(f.StockCount);
    for (int c = 1; c <= 6; ++c) {
        int inColumn = 0;
        for (int n = 1; n <= 52; ++n)
            inColumn += f.Cards(n).InColumn(c) ? 1 : 0;
        if (inColumn != f.Melds(c).Count)
            return QStringLiteral("column %1 shows %2, count says %3")
                .arg(c)
                .arg(inColumn)
                .arg(f.Melds(c).Count);
    }
    return {};
}

#include "Random.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A table with its own program and user folders, and a seeded generator.
struct TestTable {
    QTemporaryDir Dir;
    QString Program = Dir.path() + QStringLiteral("/program");
    QString User = Dir.path() + QStringLiteral("/user");
    TestView View;
    FrmMain Frm;
    explicit TestTable(uint64_t seed = 1)
        : Frm(View, TableSettings{Program, User, MakeRandomSource(seed)}) {
        QDir().mkpath(Program);
    }
    void WriteFile(const QString& name, const QByteArray& contents, bool userFolder = false) {
        QFile file((userFolder ? User : Program) + QLatin1Char('/') + name);
        QDir().mkpath(userFolder ? User : Program);
        if (file.open(QIODevice::WriteOnly)) file.write(contents);
    }
    QByteArray ReadFile(const QString& name, bool userFolder = false) const {
        QFile file((userFolder ? User : Program) + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Runs a handler as the window does.
    template <class F> void Run(F&& handler) { Frm.Dispatch(std::forward<F>(handler)); }
};

// A table in the middle of a hand: the player to move, not yet drawn; every
// card not given lies in the stock.
inline void LayHand(FrmMain& f, TestView& view, const QList<int>& player, const QList<int>& dorvil,
                    int face) {
    f.SetItUp();
    f.PlayerName = QStringLiteral("Player");
    f.TargetPoints = 100;
    f.AnimationPause = 120;
    f.GameInPlay = true;
    f.StockCount = 52;
    for (int n : player)
        f.Cards(n).Place = Where::PlayerHand;
    for (int n : dorvil)
        f.Cards(n).Place = Where::DorvilHand;
    f.PlayerCount = static_cast<int>(player.size());
    f.OppCount = static_cast<int>(dorvil.size());
    f.StockCount -= f.PlayerCount + f.OppCount;
    if (face) {
        f.Cards(face).Place = Where::Discard;
        f.FaceCard = face;
        --f.StockCount;
        view.MoveCard(face, 680, 5160);
    }
    f.LayOutStock();
    f.LayOutOppHand();
    f.LayOutHand(f.SortBySuit);
    f.PlayerTurn = true;
    f.OppTurn = false;
    f.PlayerHasDrawn = false;
}

inline void LayHand(TestTable& t, const QList<int>& player, const QList<int>& dorvil, int face) {
    LayHand(t.Frm, t.View, player, dorvil, face);
}
