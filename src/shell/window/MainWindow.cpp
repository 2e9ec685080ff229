// The table window: made from its parts, wired to the game, and carrying the
// game's requests onto the screen and the speaker.
#include "MainWindow.h"

#include "DeckChoice.h"
#include "DorvilOption.h"
#include "FrmMain.h"
#include "GameHistory.h"
#include "NestedPause.h"
#include "PaceOption.h"
#include "SessionEnd.h"
#include "TableControls.h"
#include "TableFit.h"
#include "TableMenus.h"
#include "TableNews.h"
#include "TableSound.h"
#include "Translations.h"
#include "dialogs/MFormDeluxe.h"
#include "dialogs/NameDialog.h"
#include "dialogs/TargetFrame.h"
#include "table/CardPictures.h"
#include "table/FollowMouse.h"
#include "table/ImageList.h"
#include "table/TableArea.h"
#include "table/TableColours.h"
#include "table/TableWidgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>

MainWindow::MainWindow(const QString& programFolder, const QString& deckPath)
    : Folder(programFolder),
      Images(std::make_unique<ImageList>(DeckChoice::StartingDeck(deckPath),
                                         qApp->devicePixelRatio(), deckPath)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Meldora "));
    // Seven sizes of the icon are drawn: after the window has appeared.
    QTimer::singleShot(0, this, [this] { setWindowIcon(Images->WindowIcon()); });
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableColour::Navy);
    pal.setColor(QPalette::WindowText, TableColour::LightCyan);
    setPalette(pal);
    setFont(TableScale().Font({Face::Serif, 11.25, true}));
    Backdrop = new QWidget(this);
    Backdrop->setObjectName(QStringLiteral("TableMargins"));
    //: For screen readers: the margins round the table when the window is larger than it.
    Backdrop->setAccessibleName(tr("Table margins"));
    Backdrop->setAutoFillBackground(true);
    Backdrop->setMinimumSize(TableScale(TableScale::Smallest).TableSize());
    setCentralWidget(Backdrop);
    Client = new TableArea(Backdrop);
    Client->setObjectName(QStringLiteral("ClientArea"));
    //: For screen readers: the table itself.
    Client->setAccessibleName(tr("Card table"));
    Client->setAutoFillBackground(true);
    Client->resize(Layout.Scale().TableSize());
    Menus = new TableMenus(*this, Layout, Client, Folder);
    Parts = std::make_unique<TableControls>(Layout, Client, Backdrop);
    Cards = new CardPictures(Client, Layout, *Images);
    Cards->Make(1);
    Sounds = new TableSound(this, Folder, *Menus->Sound);
    Session = new SessionEnd(this);
    Told = new TableNews(this);
    new DeckChoice(this, Menus->MnuCardDeck, Layout, *Images, *Cards);
    Wire();
    resize(Client->width(), Client->height() + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Fit = new TableFit(*this, Backdrop, Client, Layout, Parts->StatusBar1, *Cards);
}

MainWindow::~MainWindow() = default;

// While a message box or another modal window waits for its answer, the
// window behind it takes no input; a screen reader can still press its menu
// entries and buttons, and those must wait too.
template <class F> void MainWindow::Send(F&& handler, bool playersAction) {
    if (!Game || Quitting || QApplication::activeModalWidget()) return;
    Game->Dispatch(std::forward<F>(handler));
    if (playersAction && !Quitting) emit Told->HandlerDone();
}

void MainWindow::RunHandler(const std::function<void()>& handler) {
    Send(handler);
}

// The call goes through std::invoke rather than `Game->*handler` in the
// lambda: g++ 12's undefined-behaviour sanitizer checks a `->*` call inside a
// lambda against the lambda's enclosing class and stops the program.
template <class R, class... A>
void MainWindow::Call(bool playersAction, R (FrmMain::*handler)(A...), A... args) {
    Send([this, handler, args...] { std::invoke(handler, Game, args...); }, playersAction);
}

// Every control the player uses ends in the handler of the game it names.
void MainWindow::Wire() {
    using Handler = void (FrmMain::*)();
    const std::pair<QAction*, Handler> commands[] = {{Menus->MnuNew, &FrmMain::MnuNew_Click},
                                                     {Menus->MnuExit, &FrmMain::MnuExit_Click},
                                                     {Menus->MnuCT, &FrmMain::MnuCT},
                                                     {Menus->MnuPname, &FrmMain::MnuPname},
                                                     {Menus->ErasePoints, &FrmMain::ErasePoints}};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, [this, h = handler] { Call(true, h); });
    const std::pair<PictureButton*, Handler> buttons[] = {
        {Parts->PicDraw, &FrmMain::LblDraw_Click},
        {Parts->PicSortSame, &FrmMain::LblSortSame_Click},
        {Parts->PicSortSuits, &FrmMain::LblSortSuits_Click},
        {Parts->PicTakeBack, &FrmMain::LblTakeBack_Click}};
    for (const auto& [button, handler] : buttons)
        connect(button, &PictureButton::Clicked, this, [this, h = handler] { Call(true, h); });
    connect(Parts->FramTarget, &TargetFrame::Accepted, this,
            [this] { Call(true, &FrmMain::CmdTarget); });
    connect(Cards, &CardPictures::Pressed, this,
            [this](int n) { Call(true, &FrmMain::Cds_MouseDown, n); });
    connect(Cards, &CardPictures::MovedOver, this, // hovering
            [this](int n) { Call(false, &FrmMain::Cds_MouseMove, n); });
    connect(Cards, &CardPictures::Released, this,
            [this](int n) { Call(true, &FrmMain::Cds_MouseUp, n); });
    connect(Cards, &CardPictures::Clicked, this,
            [this](int n) { Call(true, &FrmMain::Cds_Click, n); });
    connect(Menus->Dorvil, &DorvilOption::Chosen, this, [this](int level) {
        if (Game) Game->DorvilChosen = level;
    });
    Menus->Dorvil->ShowOn(Parts->FramStats);
}

void MainWindow::Attach(FrmMain* game) {
    Game = game;
    Game->DorvilChosen = Menus->Dorvil->Level();
    if (Translations::InUse() != QLatin1String("en")) Game->Language = QLocale();
    History = new GameHistory(this, *game);
    connect(Told, &TableNews::TableEventSeen, History, &GameHistory::TableEventSeen);
    connect(Told, &TableNews::HintTaken, History, &GameHistory::HintTaken);
    connect(Menus->MnuHistory, &QAction::triggered, History, &GameHistory::Open);
}

void MainWindow::RestoreWindow() {
    Fit->RestoreWindow();
}

CardPicture* MainWindow::Card(int n) const {
    return Cards->Card(n);
}

void MainWindow::CreateCardPictures() {
    for (int n = 2; n <= 52; ++n)
        Cards->Make(n);
}

void MainWindow::ShowCardImage(int n, int image) {
    Cards->SetImage(n, image, FrmMain::CardName(image == 53 ? 0 : image));
}

void MainWindow::MoveCard(int n, int left, int top) {
    Cards->Move(n, QPoint(left, top));
}

int MainWindow::CardLeft(int n) const {
    return Cards->Twips(n).x();
}
int MainWindow::CardTop(int n) const {
    return Cards->Twips(n).y();
}
void MainWindow::BringCardToFront(int n) {
    Card(n)->raise();
}
void MainWindow::SetCardVisible(int n, bool visible) {
    Card(n)->setVisible(visible);
}
void MainWindow::SetCardPointer(int n, int image) {
    Cards->SetPointer(n, image);
}
void MainWindow::SetCardToolTip(int n, const QString& tip) {
    Cards->SetToolTip(n, tip);
}

void MainWindow::SetText(Ctl control, const QString& text) {
    Parts->SetText(control, text, Game ? Game->PlayerName : QString());
    emit Told->TextShown(control, text);
}

void MainWindow::SetVisible(Ctl control, bool visible) {
    QWidget* widget = Parts->Of(control);
    widget->setVisible(visible);
    if (visible && control == Ctl::FramTarget) widget->raise();
}

void MainWindow::SetPanelText(int panel, const QString& text) {
    Parts->StatusBar1->SetPanelText(panel, text, Game ? Game->PlayerName : QString());
}

void MainWindow::EnableMenu(Menu menu, bool enabled) {
    Menus->Enable(menu, enabled);
}

QString MainWindow::TargetText() const {
    return Parts->FramTarget->Box()->text();
}
void MainWindow::FocusTargetBox() {
    Parts->FramTarget->Box()->setFocus();
}

void MainWindow::PlaySound(Sound sound) {
    if (!Quitting) Sounds->Play(sound);
}

void MainWindow::Pause(int ms) {
    NestedPause(Menus->Pace->Length(ms), Quitting);
}

int MainWindow::DeluxeMsg(const QString& text, const QString& caption0, const QString& caption1,
                          const QString& caption2, int icon, const QString& title) {
    if (Quitting) return 0;
    if (!Deluxe) {
        Deluxe = new MFormDeluxe(this);
        connect(Deluxe, &MFormDeluxe::Rings, this, [this] { PlaySound(Sound::Ringout); });
        Layout.Keep(Deluxe, [this](const TableScale& s) { Deluxe->SetScale(s); });
        emit Told->MessageBoxMade(Deluxe);
    }
    return Deluxe->DeluxeMsg(text, caption0, caption1, caption2, icon, title);
}

std::optional<QString> MainWindow::InputBox(const QString& prompt, const QString& title,
                                            const QString& preset) {
    NameDialog box(this, prompt, title, preset);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

void MainWindow::ErrorBox(const QString& text) {
    QMessageBox::critical(this, QStringLiteral("Meldora"), text);
}

void MainWindow::CreateFollower() {
    FollowMouse = std::make_unique<clsObjectFollowMouse>();
    auto* timer = new QTimer(FollowMouse.get());
    timer->setObjectName(QStringLiteral("Timer1"));
    FollowMouse->SetTimer(timer);
    connect(FollowMouse.get(), &clsObjectFollowMouse::Moved, this, [this](QWidget* moved) {
        if (auto* card = dynamic_cast<CardPicture*>(moved)) Cards->FollowedPointer(card->Index());
    });
    // A card being dragged goes on from its new place under the pointer.
    Layout.Keep(FollowMouse.get(), [this](const TableScale&) {
        if (FollowMouse->Enabled()) FollowMouse->SetEnabled(true);
    });
}

void MainWindow::SetFollowObject(int n) {
    if (FollowMouse) FollowMouse->SetObject(Card(n));
}

void MainWindow::SetFollowEnabled(bool enabled) {
    if (FollowMouse) FollowMouse->SetEnabled(enabled);
}

void MainWindow::CloseProgram() {
    Quitting = true;
    emit Told->ProgramClosing(!ClosedFromOutside);
    Sounds->Silence();
    Fit->SaveWindow();
    SetFollowEnabled(false);
    if (Deluxe) Deluxe->hide();
    Menus->CloseWindows();
    hide();
    QCoreApplication::exit(0);
}

void MainWindow::Record(const TableEvent& event) {
    emit Told->TableEventSeen(event);
}

void MainWindow::DorvilSeated(int level) {
    Menus->Dorvil->Seated(level);
}

// Every close but the program's own and the session's end is the player's and
// asks; while another box waits, it is refused, as on X11.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (Quitting || !Game) {
        if (!Quitting) Fit->SaveWindow();
        event->accept();
        return;
    }
    ClosedFromOutside = Session->Ending();
    if (!ClosedFromOutside && QApplication::activeModalWidget()) return event->ignore();
    bool cancel = true;
    Game->Dispatch([&] { cancel = Game->Form_QueryUnload(ClosedFromOutside ? 1 : 0); });
    ClosedFromOutside = false;
    event->setAccepted(Quitting || !cancel);
    if (!Quitting) emit Told->HandlerDone();
}
