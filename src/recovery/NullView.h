// A table view that shows nothing: the scratch table a recovery file is read
// into, to be checked whole before the real table is touched, and the base
// of the runner's headless tables.
#pragma once

#include "TableView.h"

class NullView : public TableView {
  public:
    void CreateCardPictures() override {}
    void ShowCardImage(int, int) override {}
    void MoveCard(int, int, int) override {}
    int CardLeft(int) const override { return 0; }
    int CardTop(int) const override { return 0; }
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
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void ErrorBox(const QString&) override {}
    void CreateFollower() override {}
    void SetFollowObject(int) override {}
    void SetFollowEnabled(bool) override {}
    void CloseProgram() override {}
};
