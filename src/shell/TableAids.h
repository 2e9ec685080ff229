// Everything that opens the table to the keyboard and to screen readers, made
// when the game is attached to the window and told the window's news.
#pragma once

#include <memory>

class MainWindow;
class FrmMain;
class TableGroups;
class TableKeys;
class Announcer;
class TableAccessible;

struct TableAids {
    TableAids(MainWindow& window, FrmMain& game);
    ~TableAids();
    std::unique_ptr<TableGroups> Groups;
    std::unique_ptr<TableKeys> Keys;
    std::unique_ptr<Announcer> Voice;
    std::unique_ptr<TableAccessible> Access;
};
