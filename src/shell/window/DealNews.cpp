// The news of a deal, passed on from the game to whoever follows the table.
#include "TableNews.h"

#include "MainWindow.h"

void MainWindow::HandDealt() {
    emit News().HandDealt();
}
