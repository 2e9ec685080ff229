// meldora [--seed N]: opens the card table.
#include "FrmMain.h"
#include "MainWindow.h"
#include "Random.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Meldora"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.10"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Meldora - Rummy against Dorvil"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption seedOption(QStringLiteral("seed"),
                                  QStringLiteral("Makes every shuffle reproducible."),
                                  QStringLiteral("N"));
    parser.addOption(seedOption);
    parser.process(app);
    std::optional<uint64_t> seed;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) parser.showHelp(2);
    }

    const QString folder = QApplication::applicationDirPath();
    MainWindow window(folder, QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz"));
    FrmMain game(window,
                 TableSettings{folder,
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               MakeRandomSource(seed)});
    window.Attach(&game);
    game.Dispatch([&] { game.Form_Load(); });
    window.show();
    return app.exec();
}
