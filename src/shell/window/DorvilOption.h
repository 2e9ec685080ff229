// The Options menu's choice of how Dorvil plays, Classic, Sharp or Expert,
// kept in the user's configuration; and what tells the player which Dorvil
// sits at the table: a note under Dorvil's name while Sharp or Expert plays
// or is about to, and
// the statistics frame's tool tip. A new choice takes effect when the next
// hand is dealt, and both say so until then.
#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class TableLayout;

class DorvilOption : public QObject {
    Q_OBJECT
  public:
    // The pair is added to the Options menu and the note laid on `table`;
    // the remembered choice is read here, and the window hands it to the
    // game when the two are joined (Level). Levels are the table's
    // DorvilLevel: 0 Classic, 1 Sharp, 2 Expert.
    DorvilOption(QMenu* options, TableLayout& layout, QWidget* table);
    int Level() const;
    void Choose(int level);
    // Told as each hand is dealt which Dorvil plays it.
    void Seated(int level);
    // The frame whose tool tip tells which Dorvil plays; the note and the
    // tool tip are brought up to date.
    void ShowOn(QWidget* statistics);

  signals:
    void Chosen(int level); // every choice made in the menu

  private:
    void Show();

  private:
    QAction* Levels[3];
    QLabel* NoteLabel;
    QWidget* Statistics = nullptr;
    bool Dealt = false;
    int AtTable = 0;
};
