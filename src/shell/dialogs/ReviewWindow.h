// The review of a kept hand: the table as it was, both hands face up, moved
// through move by move (Right and Left, Home and End, Space to play it
// through at the table's pace), each move told in a line under the table
// with its judgement, and a summary of the judgement at the top. The table
// is drawn to the window's size, at any scale.
#pragma once

#include "KeptHand.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class ImageList;
class QLabel;
class QPushButton;
class QTimer;

class ReviewTable : public QWidget {
    Q_OBJECT
  public:
    ReviewTable(ImageList& images, QWidget* parent);
    void Show(const Model::Position& p);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    ImageList& Images;
    Model::Position Shown;
};

class ReviewWindow : public QDialog {
    Q_OBJECT
  public:
    // `judged` holds a line for each move (empty for none), `summary` the
    // judgement's summary; both may come later (Judge).
    ReviewWindow(QWidget* parent, ImageList& images, Review::KeptHand hand, int pauseMs);
    void Judge(const QStringList& judged, const QString& summary);
    const Review::KeptHand& Hand() const { return Kept; }
    int At() const { return Step; } // moves made so far, 0 at the deal
    void GoTo(int step);
    QString Line() const;      // what is told of the step shown
    void OfferPlayAgain();     // the button shows: someone deals it again
    QWidget* MoveLine() const; // where each step's line is written, for the screen reader's notices

  signals:
    // The line of each step shown, for the screen reader.
    void Told(const QString& line);
    void PlayAgainAsked();

  private:
    void TogglePlay();
    void Refresh();

    Review::KeptHand Kept;
    std::vector<Model::Position> Steps;
    QStringList Judged;
    int Step = 0;
    ReviewTable* Table;
    QLabel *Summary, *MoveText, *JudgedText;
    QPushButton *First, *Back, *Forward, *Last, *Play, *Again;
    QTimer* Player;
};
