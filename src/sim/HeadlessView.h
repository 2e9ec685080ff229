// A table that draws nothing and plays nothing, the base of the runner's
// headless tables: it only keeps where the game put each card picture. Each
// headless table overrides what it needs to see or answer.
#pragma once

#include "TableView.h"

class HeadlessView : public TableView {
  public:
    int Left[53] = {}, Top[53] = {};

    void CreateCardPictures() override {}
    void ShowCardImage(int, int) override {}
    void MoveCard(int n, int left, int top) override { Left[n] = left, Top[n] = top; }
    int CardLeft(int n) const override { return Left[n]; }
    int CardTop(int n) const override { return Top[n]; }
    void BringCardToFront(int) override {}
    void SetCardVisible(int, bool) override {}
    void SetCardPointer(int, int) override {}
    void SetCardToolTip(int, const QString&) override {}
    void SetText(Ctl, const QString&) override {}
    void SetVisible(Ctl, bool) override {}
    void SetPanelText(int, const QString&) override {}
    void EnableMenu(Menu, bool) override {}
    QString TargetText() const override { return {}; }
    void FocusTargetBox() override {}
    void PlaySound(Sound) override {}
    void Pause(int) override {}
    int DeluxeMsg(const QString&, const QString&, const QString&, const QString&, int,
                  const QString&) override {
        return 0;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    void ErrorBox(const QString&) override {}
    void CreateFollower() override {}
    void SetFollowObject(int) override {}
    void SetFollowEnabled(bool) override {}
    void CloseProgram() override {}
};
