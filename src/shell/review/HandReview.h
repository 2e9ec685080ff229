// Every hand kept and open to review: each settled hand is followed from its
// deal and added to the file of kept hands beside History.csv, the writing
// done off the window's thread; the Play menu's Review Hand (R), and R in
// the box that ends a hand, open the review of the last hand. The review's
// lines are told to the screen reader. A practice hand is neither followed
// nor kept: the hand in progress it interrupted is followed on when it comes
// back.
#pragma once

#include "HandKeeper.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <memory>

class FrmMain;
class MainWindow;
class MFormDeluxe;
class Notices;
class QAction;
class ReviewWindow;

class HandReview : public QObject {
    Q_OBJECT
  public:
    HandReview(MainWindow& window, const FrmMain& game);
    ~HandReview() override;

    QAction* ReviewAction;
    // The kept hand `n`, 1 the latest; false when there is none. Over the
    // box that ends a hand, the review is modal as the box is.
    bool Open(int n = 1, bool overBox = false);
    ReviewWindow* Shown() const;
    // Waits until every hand handed over is written.
    void Written() { Writer.waitForDone(); }
    // Waits until the review open has its judgement.
    void Judged() { Judging.waitForDone(); }

  signals:
    // A review window opened (before it shows).
    void WindowOpened(ReviewWindow* window);

  private:
    void Seen(const TableEvent& event);
    void BoxMade(MFormDeluxe* box);

    MainWindow& Table;
    const FrmMain& Game;
    Review::HandKeeper Keeper;
    QThreadPool Writer;  // one thread, so the hands are written in order
    QThreadPool Judging; // the judgement of a review, off the window's thread
    int Opened = 0;      // reviews opened, so a late judgement finds its own
    int KeptHand = -1;   // the table's serial of the last hand kept
    QPointer<ReviewWindow> Window;
    std::unique_ptr<Notices> Told;
};
