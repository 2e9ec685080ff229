// The menus and their shortcuts, and the windows they open.
#include "TableMenus.h"

#include "DorvilOption.h"
#include "LanguageOption.h"
#include "PaceOption.h"
#include "SoundOption.h"
#include "Translations.h"
#include "dialogs/HelpAbout.h"
#include "table/TableScale.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

TableMenus::TableMenus(QMainWindow& window, TableLayout& layout, QWidget* table,
                       const QString& dataFolder)
    : QObject(&window), Window(window), Layout(layout), DataFolder(dataFolder) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setAccessibleName(tr("Menu bar"));
    // The menu bar keeps the desktop's usual look above the navy table.
    QPalette plain = bar->palette();
    plain.setColor(QPalette::Window, QColor(240, 240, 240));
    plain.setColor(QPalette::WindowText, Qt::black);
    plain.setColor(QPalette::ButtonText, Qt::black);
    bar->setPalette(plain);
    bar->setAutoFillBackground(true);
    bar->setFont(TableScale().Font({Face::Sans, 9})); // the menu bar keeps the desktop's size
    // A menu's name for screen readers is its title without the & of its key.
    auto menu = [bar](const char* name, const QString& text) {
        QMenu* m = bar->addMenu(text);
        m->setObjectName(QLatin1String(name));
        m->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        return m;
    };
    QMenu* play = Play = menu("MnuPlay", tr("&Play"));
    QMenu* help = menu("MnuHelp", tr("&Help"));
    QAction* about = bar->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));
    QMenu* options = menu("MnuOptions", tr("&Options"));
    auto add = [](QMenu* m, const char* name, const QString& text, QKeySequence key) {
        QAction* action = m->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        return action;
    };
    MnuNew = add(play, "MnuNew", tr("&New Game"), Qt::Key_F2);
    MnuExit = add(play, "MnuExit", tr("E&xit"), Qt::CTRL | Qt::Key_X);
    connect(add(help, "MnuRules", tr("Rules and Help"), Qt::Key_F1), &QAction::triggered, this,
            &TableMenus::OpenHelp);
    connect(about, &QAction::triggered, this, &TableMenus::OpenAbout);
    MnuCT = add(options, "MnuCT", tr("&Change Target Points"), Qt::CTRL | Qt::Key_C);
    MnuPname = add(options, "MnuPname", tr("Enter Your Name"), Qt::CTRL | Qt::Key_N);
    ErasePoints = add(options, "ErasePoints", tr("Erase Statistics"), Qt::CTRL | Qt::Key_E);
    Dorvil = new DorvilOption(options, layout, table);
    new LanguageOption(options, &Window);
    //: Options menu: opens the dialog that chooses the cards' look.
    MnuCardDeck = add(options, "MnuCardDeck", tr("Card &Deck..."), Qt::CTRL | Qt::Key_D);
    Sound = new SoundOption(options);
    Pace = new PaceOption(options);
    MnuHistory = add(options, "MnuHistory", tr("Game &History"), Qt::CTRL | Qt::Key_H);
    MnuFullScreen = add(options, "MnuFullScreen", tr("&Full Screen"), Qt::Key_F11);
    MnuFullScreen->setCheckable(true);
    connect(MnuFullScreen, &QAction::triggered, this,
            [this] { Window.setWindowState(Window.windowState() ^ Qt::WindowFullScreen); });
    window.installEventFilter(this); // the check mark follows the window's state
    // Their keys work while the game keeps the Options menu closed (a
    // disabled menu silences the keys of the items in it).
    WindowsOwn = {MnuFullScreen, MnuCardDeck, Sound->Entry()};
    window.addActions(WindowsOwn);
    Menus = {{Menu::MnuPlay, play->menuAction()},
             {Menu::MnuExit, MnuExit},
             {Menu::MnuHelp, help->menuAction()},
             {Menu::MnuAbout, about},
             {Menu::MnuOptions, options->menuAction()}};
}

TableMenus::~TableMenus() {
    if (Help) delete Help.data(); // a window of its own, with no parent to take it
}

void TableMenus::Enable(Menu menu, bool enabled) {
    QAction* action = Menus.at(menu);
    action->setEnabled(enabled);
    if (QMenu* sub = action->menu())
        for (QAction* item : sub->actions())
            if (!WindowsOwn.contains(item)) item->setEnabled(enabled);
}

void TableMenus::CloseWindows() {
    if (About) About->close();
    if (Help) Help->close();
}

bool TableMenus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Window && event->type() == QEvent::WindowStateChange)
        MnuFullScreen->setChecked(Window.isFullScreen());
    return false;
}

void TableMenus::OpenHelp() {
    if (!Help) {
        Help = new FrmHelp(Window.windowIcon(), Layout.Scale());
        Layout.Keep(Help, [this](const TableScale& s) { Help->SetScale(s); });
    }
    Help->LoadText(DataFolder, Translations::InUse());
    Help->show();
    Help->raise();
    Help->activateWindow();
}

void TableMenus::OpenAbout() {
    if (!About) {
        About = new frmAbout(&Window, Window.windowIcon(), Layout.Scale());
        Layout.Keep(About, [this](const TableScale& s) { About->SetScale(s); });
    }
    About->show();
    About->raise();
}
