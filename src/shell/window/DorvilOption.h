// The Options menu's choice of how Dorvil plays, Classic or Sharp, kept in
// the user's configuration; and what tells the player which Dorvil sits at
// the table: a note under Dorvil's name while Sharp plays or is about to, and
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
    // game when the two are joined (SharpChosen).
    DorvilOption(QMenu* options, TableLayout& layout, QWidget* table);
    bool SharpChosen() const;
    void Choose(bool sharp);
    // Told as each hand is dealt which Dorvil plays it.
    void Seated(bool sharp);
    // The frame whose tool tip tells which Dorvil plays; the note and the
    // tool tip are brought up to date.
    void ShowOn(QWidget* statistics);

  signals:
    void Chosen(bool sharp); // every choice made in the menu

  private:
    void Show();

  private:
    QAction* Classic;
    QAction* Sharp;
    QLabel* NoteLabel;
    QWidget* Statistics = nullptr;
    bool Dealt = false;
    bool SharpAtTable = false;
};
