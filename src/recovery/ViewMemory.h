// The table as shown: a TableView that passes every call on to the real view
// (the window, or a headless table) and remembers what the game last put on
// the screen, so that a recovered game can lay the same table out again.
#pragma once

#include "TableView.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Everything the game has put on the screen that the screen cannot be asked
// about. A value never set stays unset and is not laid out again.
struct TablePicture {
    static constexpr int Controls = static_cast<int>(Ctl::FramTarget) + 1;
    static constexpr int Menus = static_cast<int>(Menu::MnuOptions) + 1;
    static constexpr int TargetFrame = 0; // in Stacking, beside the cards 1..52

    struct TextShown {
        bool Set = false;
        QString Text;
        bool operator==(const TextShown&) const = default;
    };
    struct CardShown {
        int Left = 0, Top = 0; // twips, as the real view gives them back
        int Image = 0;         // 1..53; 0 never set
        int Visible = -1;      // 0 or 1; -1 never set
        int Pointer = 0;       // the custom pointer's image 54..56; 0 never set
        TextShown Tip;
        bool operator==(const CardShown&) const = default;
    };

    bool PicturesCreated = false, FollowerCreated = false;
    std::array<CardShown, 53> Cards; // 1..52
    // Card pictures (and the target frame, which comes to the front when it
    // is shown) in the order they were last brought to the front, bottom first.
    std::vector<int> Stacking;
    std::array<TextShown, Controls> Texts;
    std::array<int, Controls> Shown{}; // 0 or 1; -1 never set
    std::array<TextShown, 5> Panels;   // 1..4
    std::array<int, Menus> MenuEnabled{};
    int FollowObject = 0; // the card the drag-follow helper was last given
    bool Following = false;
    int DorvilSeated = -1; // DorvilLevel; -1 never told
    bool operator==(const TablePicture&) const = default;

    TablePicture();
};

class ViewMemory : public TableView {
  public:
    explicit ViewMemory(TableView& real) : Real(real) {}

    // What the game has shown, the card positions read back from the real
    // view: while a card is dragged, or moved by the keys before its release,
    // the window places it itself.
    TablePicture Picture() const;
    // Shows `picture` on the real view (and remembers it) as the game showed it.
    void LayOut(const TablePicture& picture);
    // The drag-follow helper is on: a card follows the pointer.
    bool Dragging() const { return Shown.Following; }

    void CreateCardPictures() override;
    void ShowCardImage(int n, int image) override;
    void MoveCard(int n, int left, int top) override { Real.MoveCard(n, left, top); }
    int CardLeft(int n) const override { return Real.CardLeft(n); }
    int CardTop(int n) const override { return Real.CardTop(n); }
    void BringCardToFront(int n) override;
    void SetCardVisible(int n, bool visible) override;
    void SetCardPointer(int n, int image) override;
    void SetCardToolTip(int n, const QString& tip) override;
    void SetText(Ctl control, const QString& text) override;
    void SetVisible(Ctl control, bool visible) override;
    void SetPanelText(int panel, const QString& text) override;
    void EnableMenu(Menu menu, bool enabled) override;
    QString TargetText() const override { return Real.TargetText(); }
    void FocusTargetBox() override { Real.FocusTargetBox(); }
    void PlaySound(Sound sound) override { Real.PlaySound(sound); }
    void Pause(int ms) override { Real.Pause(ms); }
    int DeluxeMsg(const QString& text, const QString& caption0, const QString& caption1,
                  const QString& caption2, int icon, const QString& title) override {
        return Real.DeluxeMsg(text, caption0, caption1, caption2, icon, title);
    }
    std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                    const QString& preset) override {
        return Real.InputBox(prompt, title, preset);
    }
    void ErrorBox(const QString& text) override { Real.ErrorBox(text); }
    void CreateFollower() override;
    void SetFollowObject(int n) override;
    void SetFollowEnabled(bool enabled) override;
    void CloseProgram() override { Real.CloseProgram(); }
    void Record(const TableEvent& event) override { Real.Record(event); }
    void NewHandStarting() override { Real.NewHandStarting(); }
    void HandDealt() override { Real.HandDealt(); }
    void DorvilSeated(int level) override;
    void Think(const std::function<void()>& work) override { Real.Think(work); }

  private:
    TableView& Real;
    TablePicture Shown;                 // all but the stacking, which Fronted keeps
    std::array<uint64_t, 53> Fronted{}; // when each item came to the front; 0 never
    uint64_t Clock = 0;

    TablePicture::CardShown& Card(int n);
    void ToFront(int item);
};
