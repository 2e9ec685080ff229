// Play This Deal Again: a kept deal played once more as a practice hand. The
// game in progress is captured as its recovery file holds it, the kept pack
// is dealt by the table's own deal with Dorvil of the kept hand's level, and
// when the practice hand ends (its end box answered, or New Game or Call
// Draw asked for) the game is laid back exactly where it stood. A practice
// hand is asked for at a point of rest only: a request made while something
// moves or a box waits is kept for the next one. While it lasts, a line on
// the table says that it is practice; nothing counts it.
#pragma once

#include "KeptHand.h"
#include "SavedGame.h"

#include <QObject>
#include <optional>

class FrmMain;
class HandReview;
class MainWindow;
class QLabel;
class ViewMemory;

class PracticeHand : public QObject {
    Q_OBJECT
  public:
    PracticeHand(MainWindow& window, FrmMain& game, ViewMemory& shown, HandReview& review);
    ~PracticeHand() override;
    // `hand` dealt again now when the table is at rest, else at its next rest.
    void Ask(const Review::KeptHand& hand);
    bool Waiting() const { return Asked.has_value(); }
    QLabel* Line() const { return Told; }

  private:
    void AtRest();
    void Begin(const Review::KeptHand& hand);
    void Place();
    bool eventFilter(QObject* watched, QEvent* event) override;

    MainWindow& Window;
    FrmMain& Game;
    ViewMemory& Shown;
    std::optional<Review::KeptHand> Asked;
    std::optional<Recovery::SavedGame> Saved; // the game in progress
    QLabel* Told;
};
