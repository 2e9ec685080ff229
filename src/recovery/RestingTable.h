// What a table left at a point of rest in a game in progress must be, for a
// recovery file that holds it to be taken back: the game's own rules of
// where cards lie and how they are counted, and values in their ranges.
#pragma once

#include <QString>

class FrmMain;
struct TablePicture;

namespace Recovery {
// Empty when the table and its picture can be such a table; else what is wrong.
QString RestingTableProblem(const FrmMain& table, const TablePicture& picture);
} // namespace Recovery
