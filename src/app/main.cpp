// meldora [--seed N]: opens the card table.
#include "FrmMain.h"
#include "Random.h"
#include "ViewMemory.h"
#include "access/TableAccessible.h"
#include "access/TableAids.h"
#include "advice/TableAdvice.h"
#include "review/HandReview.h"
#include "review/PracticeHand.h"
#include "window/GameRecovery.h"
#include "window/Locations.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

namespace {
// Asking for the version or the options needs no display: they print and end
// before any window, even in a terminal with no desktop behind it.
void NoDisplayForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-v" || arg == "--version" || arg == "-h" || arg == "--help" ||
            arg == "--help-all" || arg == "-?")
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
} // namespace

int main(int argc, char** argv) {
    NoDisplayForInformation(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Meldora"));
    QApplication::setApplicationVersion(QStringLiteral(MELDORA_VERSION));
    // Ties the window to the menu entry, so the taskbar shows the game's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.meldora.Meldora"));
    // Every text, the command line's help too, in the language chosen here.
    const Locations where = FindLocations(QApplication::applicationDirPath());
    Translations::Install(where.DataFolder);
    QCommandLineParser parser;
    //: The first line of meldora --help.
    parser.setApplicationDescription(
        QApplication::translate("main", "Meldora - Rummy against Dorvil"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption seedOption(
        QStringLiteral("seed"),
        //: meldora --help: the option --seed N.
        QApplication::translate("main", "Makes every shuffle reproducible."), QStringLiteral("N"));
    parser.addOption(seedOption);
    parser.process(app);
    std::optional<uint64_t> seed;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) parser.showHelp(2);
    }

    InstallTableAccessibility();
    MainWindow window(where.DataFolder, where.DeckPath);
    window.RestoreWindow();
    // What the game shows is remembered on its way to the window, for the
    // recovery file.
    ViewMemory shown(window);
    FrmMain game(shown,
                 TableSettings{where.SaveFolder,
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               MakeRandomSource(seed)});
    GameRecovery recovery(window, game, shown);
    // The keys and the screen reader's voice are there for the first
    // question: the interrupted game's is read as every box is.
    TableAids aids(window, game);
    TableAdvice advice(window, game, aids);
    const bool continued = recovery.OfferInterruptedGame();
    window.Attach(&game);
    HandReview review(window, game);
    PracticeHand practice(window, game, shown, review);
    if (!continued) game.Dispatch([&] { game.Form_Load(); });
    window.show();
    return app.exec();
}
