// The view memory: every call passes on to the real view; what it shows is
// remembered, and laid out again the same way on a fresh view.
#include "ViewMemory.h"

#include <algorithm>

TablePicture::TablePicture() {
    Shown.fill(-1);
    MenuEnabled.fill(-1);
}

TablePicture::CardShown& ViewMemory::Card(int n) {
    if (n < 1 || n > 52) throw std::out_of_range("card picture " + std::to_string(n));
    return Shown.Cards[static_cast<size_t>(n)];
}

// The game brings cards to the front hundreds of times a hand, and the order
// is asked for only when the table is kept: each item keeps the time it was
// last brought forward, and the order is read from those times.
void ViewMemory::ToFront(int item) {
    Fronted.at(static_cast<size_t>(item)) = ++Clock;
}

TablePicture ViewMemory::Picture() const {
    TablePicture picture = Shown;
    for (int item = 0; item <= 52; ++item)
        if (Fronted[static_cast<size_t>(item)]) picture.Stacking.push_back(item);
    std::sort(picture.Stacking.begin(), picture.Stacking.end(), [this](int a, int b) {
        return Fronted[static_cast<size_t>(a)] < Fronted[static_cast<size_t>(b)];
    });
    for (int n = 1; n <= 52; ++n) {
        picture.Cards[static_cast<size_t>(n)].Left = Real.CardLeft(n);
        picture.Cards[static_cast<size_t>(n)].Top = Real.CardTop(n);
    }
    return picture;
}

void ViewMemory::CreateCardPictures() {
    Shown.PicturesCreated = true;
    Real.CreateCardPictures();
}

void ViewMemory::ShowCardImage(int n, int image) {
    Card(n).Image = image;
    Real.ShowCardImage(n, image);
}

void ViewMemory::BringCardToFront(int n) {
    Card(n);
    ToFront(n);
    Real.BringCardToFront(n);
}

void ViewMemory::SetCardVisible(int n, bool visible) {
    Card(n).Visible = visible ? 1 : 0;
    Real.SetCardVisible(n, visible);
}

void ViewMemory::SetCardPointer(int n, int image) {
    if (image != 0) Card(n).Pointer = image;
    Real.SetCardPointer(n, image);
}

void ViewMemory::SetCardToolTip(int n, const QString& tip) {
    Card(n).Tip = {true, tip};
    Real.SetCardToolTip(n, tip);
}

void ViewMemory::SetText(Ctl control, const QString& text) {
    Shown.Texts.at(static_cast<size_t>(control)) = {true, text};
    Real.SetText(control, text);
}

void ViewMemory::SetVisible(Ctl control, bool visible) {
    Shown.Shown.at(static_cast<size_t>(control)) = visible ? 1 : 0;
    if (visible && control == Ctl::FramTarget) ToFront(TablePicture::TargetFrame);
    Real.SetVisible(control, visible);
}

void ViewMemory::SetPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > 4) throw std::out_of_range("status panel " + std::to_string(panel));
    Shown.Panels[static_cast<size_t>(panel)] = {true, text};
    Real.SetPanelText(panel, text);
}

void ViewMemory::EnableMenu(Menu menu, bool enabled) {
    Shown.MenuEnabled.at(static_cast<size_t>(menu)) = enabled ? 1 : 0;
    Real.EnableMenu(menu, enabled);
}

void ViewMemory::CreateFollower() {
    Shown.FollowerCreated = true;
    Real.CreateFollower();
}

void ViewMemory::SetFollowObject(int n) {
    Card(n);
    Shown.FollowObject = n;
    Real.SetFollowObject(n);
}

void ViewMemory::SetFollowEnabled(bool enabled) {
    Shown.Following = enabled;
    Real.SetFollowEnabled(enabled);
}

void ViewMemory::DorvilSeated(int level) {
    Shown.DorvilSeated = level;
    Real.DorvilSeated(level);
}

// Pictures first, then texts and controls, then the stacking from the bottom
// up: showing the target frame brings it to the front, so it is shown in its
// place among the cards.
void ViewMemory::LayOut(const TablePicture& p) {
    if (p.PicturesCreated) CreateCardPictures();
    if (p.FollowerCreated) CreateFollower();
    for (int n = 1; n <= 52; ++n) {
        const TablePicture::CardShown& c = p.Cards[static_cast<size_t>(n)];
        if (c.Image != 0) ShowCardImage(n, c.Image);
        MoveCard(n, c.Left, c.Top);
        if (c.Visible >= 0) SetCardVisible(n, c.Visible == 1);
        if (c.Pointer != 0) SetCardPointer(n, c.Pointer);
        if (c.Tip.Set) SetCardToolTip(n, c.Tip.Text);
    }
    for (int i = 0; i < TablePicture::Controls; ++i) {
        const auto control = static_cast<Ctl>(i);
        if (p.Texts[static_cast<size_t>(i)].Set)
            SetText(control, p.Texts[static_cast<size_t>(i)].Text);
        const int shown = p.Shown[static_cast<size_t>(i)];
        if (shown == 0 || (shown == 1 && control != Ctl::FramTarget))
            SetVisible(control, shown == 1);
    }
    for (int panel = 1; panel <= 4; ++panel)
        if (p.Panels[static_cast<size_t>(panel)].Set)
            SetPanelText(panel, p.Panels[static_cast<size_t>(panel)].Text);
    for (int i = 0; i < TablePicture::Menus; ++i)
        if (p.MenuEnabled[static_cast<size_t>(i)] >= 0)
            EnableMenu(static_cast<Menu>(i), p.MenuEnabled[static_cast<size_t>(i)] == 1);
    Fronted.fill(0);
    for (int item : p.Stacking) {
        if (item != TablePicture::TargetFrame)
            BringCardToFront(item);
        else if (p.Shown[static_cast<size_t>(Ctl::FramTarget)] == 1)
            SetVisible(Ctl::FramTarget, true);
        else
            ToFront(item); // hidden, it keeps its place until it is shown
    }
    if (p.FollowObject != 0) SetFollowObject(p.FollowObject);
    if (p.FollowerCreated) SetFollowEnabled(p.Following);
    if (p.DorvilSeated >= 0) DorvilSeated(p.DorvilSeated);
}
