// The Options menu's choice of how Dorvil plays, Classic or Sharp, kept in
// the user's configuration; and what tells the player which Dorvil sits at
// the table: a note under Dorvil's name while Sharp plays or is about to, and
// the statistics frame's tool tip. A new choice takes effect when the next
// hand is dealt, and both say so until then.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class TableLayout;

class DorvilOption : public QObject {
  public:
    // `choose` hands every choice, and the remembered one at start-up, to the game.
    DorvilOption(QMenu* options, TableLayout& layout, QWidget* table,
                 std::function<void(bool sharp)> choose);
    bool SharpChosen() const;
    void Choose(bool sharp);
    // Told as each hand is dealt which Dorvil plays it.
    void Seated(bool sharp);
    // Brings the note and the tool tip up to date (the table is built by now).
    void Show();

  private:
    QAction* Classic;
    QAction* Sharp;
    QLabel* NoteLabel;
    std::function<void(bool)> Tell;
    bool Dealt = false;
    bool SharpAtTable = false;
};
