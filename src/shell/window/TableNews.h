// What the window tells whoever follows the table (the keys, the screen
// readers, the history of games, the recovery file, advice): every event the
// game records, every text it writes, its message box when first made, each
// handler of the player's that has run to its end, advice the player took,
// and the program closing.
// Signals, so that any number may listen.
#pragma once

#include "TableView.h"

#include <QObject>

class MFormDeluxe;

class TableNews : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  signals:
    void TableEventSeen(const TableEvent& event); // in the order the game records them
    // A hand is dealt and its face card turned, before its first turn.
    void HandDealt();
    void TextShown(Ctl control, const QString& text);
    void MessageBoxMade(MFormDeluxe* box); // the game's message box, made on first use
    // A handler of the player's (a click, a drop, a key, a menu command) has
    // run to its end; hovering is none.
    void HandlerDone();
    // The player took advice: a hint asked for, or a move the demo made.
    void HintTaken();
    // The program closes: `chosen` when the player chose to leave (Exit,
    // "Bye for Now", a close from the window's frame), not when the program
    // or the desktop closed it (the end of a session).
    void ProgramClosing(bool chosen);
};
