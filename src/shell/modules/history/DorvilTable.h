// The Game History window's table of the games against each Dorvil: games
// won and lost and the money, for Classic, Sharp and Expert Dorvil, and for
// the games recorded before the history named him. A screen reader walks it
// cell by cell as it walks the table of figures.
#pragma once

class HistoryFigures;
class QTableWidget;
class QWidget;

QTableWidget* MakeDorvilTable(QWidget* parent, int width);
void ShowDorvilTable(QTableWidget* table, const HistoryFigures& figures);
