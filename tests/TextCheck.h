// The check that every text of a window fits its place, read from the
// widgets' geometry and fonts as Qt draws them: no text wider than its widget
// or past the edge of what holds it, no text shortened with an ellipsis
// unless its tool tip or accessible name carries it whole; and on the table,
// no two texts over each other, across a meld column's line or under a card.
// Each fault is one line naming the widget and what is wrong.
#pragma once

#include <QStringList>

class QWidget;

// Every text of `window` and its children that is shown now.
QStringList TextFaults(QWidget* window);
// The texts of the card table, each against the others and the cards.
QStringList TableFaults(QWidget* table);
