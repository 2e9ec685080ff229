// A table of figures reached by Tab tells a screen reader the cell the
// arrows start from. Qt makes the first cell current as the table takes the
// focus, but a screen reader hears only the table's name: the first arrow
// then moves on to the second row, and the first row is never heard.
#pragma once

class QTableView;

void TellCellOnFocus(QTableView* table);
