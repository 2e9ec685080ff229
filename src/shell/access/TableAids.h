// Everything that opens the table to the keyboard and to screen readers: the
// table seen as groups, the keys, the announcements and the accessible
// interfaces, made by the program once the game is attached to the window,
// and listening to the window's news.
#pragma once

#include <memory>

class Announcer;
class FrmMain;
class MainWindow;
class TableAccessible;
class TableGroups;
class TableKeys;

struct TableAids {
    TableAids(MainWindow& window, FrmMain& game);
    ~TableAids();
    std::unique_ptr<TableGroups> Groups;
    std::unique_ptr<TableKeys> Keys;
    std::unique_ptr<Announcer> Voice;
    std::unique_ptr<TableAccessible> Access;
};
