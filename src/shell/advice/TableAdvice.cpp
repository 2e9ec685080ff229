// The Hint and Demo entries of the Play menu.
#include "TableAdvice.h"

#include "AdviceShown.h"
#include "DemoPlayer.h"
#include "FrmMain.h"
#include "access/TableAids.h"
#include "access/TableGroups.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"

#include <QAction>
#include <QMenu>

TableAdvice::TableAdvice(MainWindow& window, FrmMain& game, TableAids& aids)
    : Window(window), Game(game), Display(std::make_unique<AdviceShown>(window, game, aids)),
      Player(std::make_unique<DemoPlayer>(window, game, *Display, aids)) {
    TableMenus& menus = window.MenuEntries();
    auto entry = [&](const char* name, const QString& text, Qt::Key key) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setEnabled(false);
        menus.Play->insertAction(menus.MnuExit, action);
        return action;
    };
    //: Play menu: shows the next step of a good turn.
    HintAction = entry("MnuHint", tr("&Hint"), Qt::Key_H);
    //: Play menu: the computer plays the player's side until a key or a click.
    DemoAction = entry("MnuDemo", tr("&Demo"), Qt::Key_D);
    connect(HintAction, &QAction::triggered, this, &TableAdvice::AskHint);
    connect(DemoAction, &QAction::triggered, Player.get(), &DemoPlayer::Start);
    connect(Player.get(), &DemoPlayer::RunningChanged, this, &TableAdvice::Refresh);
    connect(menus.Play, &QMenu::aboutToShow, this, &TableAdvice::Refresh);
    TableNews& news = window.News();
    connect(&news, &TableNews::HandlerDone, this, &TableAdvice::Refresh);
    connect(&news, &TableNews::TableEventSeen, this, &TableAdvice::Refresh);
    // (a game carried on is laid out by its texts, with no event)
    connect(&news, &TableNews::TextShown, this, &TableAdvice::Refresh);
    connect(&news, &TableNews::MessageBoxMade, Player.get(), &DemoPlayer::MessageBoxMade);
    connect(aids.Groups.get(), &TableGroups::TableChanged, this, &TableAdvice::Refresh);
    // A game carried on was laid out, and asked its question, before the
    // advice existed: take up the table as it stands.
    if (MFormDeluxe* box = window.MessageBox()) Player->MessageBoxMade(box);
    Refresh();
}

TableAdvice::~TableAdvice() = default;

void TableAdvice::AskHint() {
    if (!Display->AtRest() || Player->Running()) return;
    Display->Show(Hint::AtTable(Game));
    emit Window.News().HintTaken();
}

void TableAdvice::Refresh() {
    const bool open = Display->AtRest() && !Player->Running();
    HintAction->setEnabled(open);
    DemoAction->setEnabled(open);
}
