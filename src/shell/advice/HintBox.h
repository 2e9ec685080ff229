// The sentence of a hint, or of the demo's move, shown over the instruction
// line in a box of its own until the table moves on: the game's voice in the
// place where the game speaks, told apart by the box. A sentence longer than
// the line wraps in a box that stands on the player's hand, right of the
// discard pile's frame, so that it covers neither the frame nor the cards.
#pragma once

#include <QLabel>

class TableScale;

class HintBox : public QLabel {
  public:
    explicit HintBox(QWidget* table);
    void Show(const QString& text, const TableScale& scale);
    void Place(const TableScale& scale); // again, at a new scale
};
