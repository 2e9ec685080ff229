// The yardstick of the start-up benchmark: a bare Qt window of the table's
// default size with a menu bar and a status bar, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&Play", "&Help", "&About", "&Options"})
        window.menuBar()->addMenu(QLatin1String(menu))->addAction(QStringLiteral("&New Game"));
    window.statusBar()->showMessage(QStringLiteral("Target:- 100"));
    window.resize(784, 654);
    window.show();
    return app.exec();
}
