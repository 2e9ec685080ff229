// The table window: building its controls from the layout in twips, and
// carrying the game's requests onto the screen and the speaker. Fitting the
// table to the window is in TableScaling.cpp.
#include "MainWindow.h"

#include "DeluxeBox.h"
#include "DorvilOption.h"
#include "FollowMouse.h"
#include "FrmMain.h"
#include "HelpAbout.h"
#include "History.h"
#include "ImageList.h"
#include "Modules.h"
#include "NestedPause.h"
#include "SavedRecord.h"
#include "TableAccessible.h"
#include "TableAids.h"
#include "TableWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
const QColor Navy(0, 0, 128);
const QColor LightCyan(192, 255, 255);

// Txtpoints: every typed character passes the numeric key filter.
class TargetBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QString typed = event->text();
        int code =
            event->key() == Qt::Key_Backspace ? 8
            : typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)
                ? typed[0].unicode()
                : -1;
        if (code >= 0) {
            int caret = hasSelectedText() ? selectionStart() : cursorPosition();
            if (ModOnlyNumeric(code, text(), caret) == 0) return;
        }
        QLineEdit::keyPressEvent(event);
    }
};
} // namespace

MainWindow::MainWindow(const QString& programFolder, const QString& deckPath)
    : Folder(programFolder),
      Images(std::make_unique<ImageList>(deckPath, qApp->devicePixelRatio())) {
    InstallTableAccessibility();
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Meldora "));
    // Seven sizes of the icon are drawn: after the window has appeared.
    QTimer::singleShot(0, this, [this] { setWindowIcon(Images->WindowIcon()); });
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Navy);
    pal.setColor(QPalette::WindowText, LightCyan);
    setPalette(pal);
    setFont(TableScale().Font({Face::Serif, 11.25, true}));
    Backdrop = new QWidget(this);
    Backdrop->setObjectName(QStringLiteral("TableMargins"));
    Backdrop->setAccessibleName(QStringLiteral("Table margins"));
    Backdrop->setAutoFillBackground(true);
    Backdrop->setMinimumSize(TableScale(TableScale::Smallest).TableSize());
    setCentralWidget(Backdrop);
    Client = new QWidget(Backdrop);
    Client->setObjectName(QStringLiteral("ClientArea"));
    Client->setAccessibleName(QStringLiteral("Card table"));
    Client->setAutoFillBackground(true);
    Client->resize(Layout.Scale().TableSize());
    BuildMenus();
    BuildTable(Client);
    ListenToTable([this](const TableEvent& e) {
        if (!Game || e.What != TableEvent::HandSettled) return;
        History::RecordSettledHand(*Game, e);
        if (HistoryParts) HistoryParts->Refresh(this);
    });
    resize(Client->width(), Client->height() + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Backdrop->installEventFilter(this); // the table follows the window's size
}

MainWindow::~MainWindow() {
    if (Help) delete Help.data();
}

// While a message box or another modal window waits for its answer, the
// window behind it takes no input; a screen reader can still press its menu
// entries and buttons, and those must wait too.
template <class F> void MainWindow::Send(F&& handler) {
    if (Game && !Quitting && !QApplication::activeModalWidget())
        Game->Dispatch(std::forward<F>(handler));
}

void MainWindow::RunHandler(const std::function<void()>& handler) {
    Send(handler);
}

void MainWindow::Attach(FrmMain* game) {
    Game = game;
    Helpers = std::make_unique<TableAids>(*this, *game);
    Game->SharpChosen = Dorvil->SharpChosen();
    Dorvil->Show();
}

void MainWindow::BuildMenus() {
    auto* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    // The menu bar keeps the desktop's usual look above the navy table.
    QPalette plain = bar->palette();
    plain.setColor(QPalette::Window, QColor(240, 240, 240));
    plain.setColor(QPalette::WindowText, Qt::black);
    plain.setColor(QPalette::ButtonText, Qt::black);
    bar->setPalette(plain);
    bar->setAutoFillBackground(true);
    bar->setFont(TableScale().Font({Face::Sans, 9})); // the menu bar keeps the desktop's size
    QMenu* play = bar->addMenu(QStringLiteral("&Play"));
    play->setObjectName(QStringLiteral("MnuPlay"));
    play->setAccessibleName(QStringLiteral("Play"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    help->setAccessibleName(QStringLiteral("Help"));
    QAction* about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));
    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MnuOptions"));
    options->setAccessibleName(QStringLiteral("Options"));
    auto add = [this](QMenu* menu, const char* name, const char* text, QKeySequence key,
                      std::function<void()> run) {
        QAction* action = menu->addAction(QLatin1String(text));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, std::move(run));
        return action;
    };
    add(play, "MnuNew", "&New Game", Qt::Key_F2,
        [this] { Send([this] { Game->MnuNew_Click(); }); });
    QAction* exit = add(play, "MnuExit", "E&xit", Qt::CTRL | Qt::Key_X,
                        [this] { Send([this] { Game->MnuExit_Click(); }); });
    add(help, "MnuRules", "Rules and Help", Qt::Key_F1, [this] {
        if (!Help) Help = new FrmHelp(windowIcon(), Layout.Scale());
        Help->LoadText(Folder);
        Help->show();
        Help->raise();
        Help->activateWindow();
    });
    connect(about, &QAction::triggered, this, [this] {
        if (!About) About = new frmAbout(this, windowIcon(), Layout.Scale());
        About->show();
        About->raise();
    });
    add(options, "MnuCT", "&Change Target Points", Qt::CTRL | Qt::Key_C,
        [this] { Send([this] { Game->MnuCT(); }); });
    add(options, "MnuPname", "Enter Your Name", Qt::CTRL | Qt::Key_N,
        [this] { Send([this] { Game->MnuPname(); }); });
    add(options, "ErasePoints", "Erase Statistics", Qt::CTRL | Qt::Key_E,
        [this] { Send([this] { Game->ErasePoints(); }); });
    Dorvil = new DorvilOption(options, Layout, Client, [this](bool sharp) {
        if (Game) Game->SharpChosen = sharp;
    });
    add(options, "MnuHistory", "Game &History", Qt::CTRL | Qt::Key_H, [this] {
        if (!Game) return;
        if (!HistoryParts)
            HistoryParts = LoadModule<HistoryModule>(QStringLiteral("meldora-history.so"));
        if (HistoryParts)
            HistoryParts->Open(this, [this] { return Game ? Game->HistoryFile() : QString(); });
        else
            QMessageBox::warning(this, QStringLiteral("Game History"),
                                 QStringLiteral("The Game History window could not be loaded."));
    });
    FullScreen = add(options, "MnuFullScreen", "&Full Screen", Qt::Key_F11,
                     [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    FullScreen->setCheckable(true);
    Menus = {{Menu::MnuPlay, play->menuAction()},
             {Menu::MnuExit, exit},
             {Menu::MnuHelp, help->menuAction()},
             {Menu::MnuAbout, about},
             {Menu::MnuOptions, options->menuAction()}};
}

void MainWindow::BuildTable(QWidget* client) {
    const FontDesign serif{Face::Serif, 11.25, true};
    // Lightweight drawings first: the cards always lie above them.
    new ShapeBox(Layout, QStringLiteral("Shape1"), client, QRect(2280, 2160, 7935, 4575),
                 QColor(128, 64, 0), 5, QColor(0, 128, 0));
    QLabel* heading = MakeLabel(
        Layout, QStringLiteral("LblHeading"), client, {2400, 2280, 7695, 255},
        QStringLiteral("   Meld 1           Meld 2         Meld 3         Meld 4           Meld 5 "
                       "         Meld 6      "),
        {Face::Serif, 11.25, true, false, true}, QColor(255, 255, 192), Qt::AlignLeft);
    heading->setAutoFillBackground(true);
    QPalette green = heading->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    heading->setPalette(green);
    const int lineX[5] = {3600, 4920, 6240, 7560, 8880};
    for (int i = 0; i < 5; ++i) {
        int top = i == 2 ? 2280 : 2160, bottom = i == 2 ? 6840 : 6720;
        new LineWidget(Layout, QStringLiteral("Line%1").arg(i + 1), client, QPoint(lineX[i], top),
                       QPoint(lineX[i], bottom), Qt::black);
    }
    auto* info = new AutoLabel(Layout, QStringLiteral("LblInfo"), client,
                               QRect(5730, 6960, 75, 255), QString(), serif, LightCyan, true);
    info->hide();
    Controls[Ctl::LblInfo] = info;
    const FontDesign nameFont{Face::Serif, 12, true, true};
    Controls[Ctl::LblName2] =
        new AutoLabel(Layout, QStringLiteral("LblName_2"), client, QRect(2520, 720, 720, 285),
                      QStringLiteral("Dorvil"), nameFont, LightCyan, false);
    Controls[Ctl::LblName0] =
        new AutoLabel(Layout, QStringLiteral("LblName_0"), client, QRect(2160, 7440, 60, 285),
                      QString(), nameFont, LightCyan, false);

    const FontDesign small{Face::Serif, 8.25, false, false, true};
    auto* deck =
        new CaptionFrame(Layout, QStringLiteral("FramDeck"), client, QRect(120, 1920, 2055, 2535),
                         QStringLiteral("Click to take Stock Card"), small, LightCyan, Navy);
    new ShapeBox(Layout, QStringLiteral("Shape2"), deck, QRect(360, 360, 1335, 1695),
                 QColor(255, 255, 192), 3);
    Controls[Ctl::Lblcardsleft] =
        MakeLabel(Layout, QStringLiteral("Lblcardsleft"), deck, QRect(240, 2160, 1455, 255),
                  QStringLiteral("No. in Stock"), FontDesign{Face::Serif, 9.75, true}, LightCyan,
                  Qt::AlignCenter);
    auto* discard = new CaptionFrame(
        Layout, QStringLiteral("FramDiscard"), client, QRect(120, 4440, 2055, 2415),
        QStringLiteral("Push card on or click take"), small, LightCyan, Navy);
    MakeLabel(Layout, QStringLiteral("LblDis"), discard, QRect(360, 240, 1335, 255),
              QStringLiteral("Discard Pile"), small, LightCyan, Qt::AlignCenter);
    new ShapeBox(Layout, QStringLiteral("Shape3"), discard, QRect(360, 600, 1335, 1695),
                 QColor(255, 255, 192), 3);

    BuildStatistics(client);

    struct ButtonDesign {
        Ctl id;
        const char* name;
        QRect rect;
        const char* label;
        QRect labelRect;
        const char* caption;
        const char* tip;
        void (FrmMain::*click)();
    };
    const ButtonDesign buttons[4] = {{Ctl::PicDraw,
                                      "PicDraw",
                                      {360, 6960, 1545, 420},
                                      "LblDraw",
                                      {90, 0, 1320, 240},
                                      "Call Draw",
                                      "Click to call draw and start new hand",
                                      &FrmMain::LblDraw_Click},
                                     {Ctl::PicSortSame,
                                      "PicSortSame",
                                      {1680, 7680, 1545, 420},
                                      "LblSortSame",
                                      {90, 0, 1320, 240},
                                      "Sort Same",
                                      "Click to sort cards the same",
                                      &FrmMain::LblSortSame_Click},
                                     {Ctl::PicSortSuits,
                                      "PicSortSuits",
                                      {1680, 8280, 1545, 420},
                                      "LblSortSuits",
                                      {120, 0, 1335, 255},
                                      "Sort Suits",
                                      "Click to sort into suits",
                                      &FrmMain::LblSortSuits_Click},
                                     {Ctl::PicTakeBack,
                                      "PicTakeBack",
                                      {5160, 6240, 1545, 420},
                                      "LblTakeBack",
                                      {120, 0, 1320, 240},
                                      "Take Back",
                                      "Click to take back cards melded",
                                      &FrmMain::LblTakeBack_Click}};
    for (const ButtonDesign& b : buttons) {
        auto* button =
            new PictureButton(Layout, QLatin1String(b.name), client, b.rect, QLatin1String(b.label),
                              b.labelRect, QLatin1String(b.caption), QLatin1String(b.tip));
        auto click = b.click;
        button->OnClick = [this, click] { Send([this, click] { (Game->*click)(); }); };
        Controls[b.id] = button;
    }

    MakeCard(1);
    BuildTargetFrame(client);
    // Docked along the window's bottom edge rather than the table's (see FitTable).
    StatusBar1 = new StatusPanels(Layout, Backdrop);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void MainWindow::BuildStatistics(QWidget* client) {
    auto* stats = new CaptionFrame(Layout, QStringLiteral("FramStats"), client,
                                   QRect(8760, 120, 2805, 1635), QStringLiteral("Statistics"),
                                   FontDesign{Face::Serif, 9.75, true}, LightCyan, Navy);
    const FontDesign heading{Face::Serif, 9, true, false, true};
    const FontDesign value{Face::Serif, 9, true};
    struct LabelDesign {
        Ctl id;
        const char* name;
        QRect rect;
        const char* text;
        FontDesign font;
    };
    const LabelDesign labels[] = {
        {Ctl::LblNoWonP, "LblNoWonP", {360, 240, 975, 225}, " Won Player", heading},
        {Ctl::LblNoWonG, "LblNoWonG", {1680, 240, 1035, 225}, " Won Dorvil", heading},
        {Ctl::LblWonP, "LblWonP", {840, 600, 105, 225}, "0", value},
        {Ctl::LblWonG, "LblWonG", {2160, 600, 105, 225}, "0", value},
        {Ctl::LblGowes, "LblGowes", {360, 960, 825, 225}, "Owed You", heading},
        {Ctl::LblOweG,
         "LblOweG",
         {1440, 960, 1185, 195},
         "Owed Dorvil",
         FontDesign{Face::Sans, 8.25, true, false, true}},
        {Ctl::LblMoneyP, "LblMoneyP", {840, 1320, 105, 225}, "0", value},
        {Ctl::LblMoneyG, "LblMoneyG", {2040, 1320, 105, 225}, "0", value}};
    for (const LabelDesign& l : labels)
        Controls[l.id] = new AutoLabel(Layout, QLatin1String(l.name), stats, l.rect,
                                       QLatin1String(l.text), l.font, LightCyan, true);
    new LineWidget(Layout, QStringLiteral("Line6"), stats, QPoint(0, 840), QPoint(2760, 840),
                   LightCyan);
    new LineWidget(Layout, QStringLiteral("Line7"), stats, QPoint(0, 1560), QPoint(2760, 1560),
                   LightCyan);
}

void MainWindow::BuildTargetFrame(QWidget* client) {
    auto* frame =
        new CaptionFrame(Layout, QStringLiteral("FramTarget"), client, QRect(4560, 480, 2775, 3855),
                         QStringLiteral("Target points a game"),
                         FontDesign{Face::Serif, 11.25, true}, LightCyan, Navy);
    frame->setToolTip(QStringLiteral("Set number of points to play to in each game"));
    Txtpoints = new TargetBox(frame);
    Txtpoints->setObjectName(QStringLiteral("Txtpoints"));
    Txtpoints->setAccessibleName(QStringLiteral("Target points"));
    Layout.Place(Txtpoints, {1080, 480, 495, 375}, {Face::Serif, 11.25, true});
    Txtpoints->setMaxLength(3);
    Txtpoints->setToolTip(QStringLiteral("Enter the niumber of points for game Target"));
    auto* ok = new QPushButton(QStringLiteral("&O.K"), frame);
    ok->setObjectName(QStringLiteral("CmdTarget"));
    ok->setAccessibleName(QStringLiteral("O.K"));
    Layout.Place(ok, {840, 3480, 1095, 255}, {Face::Serif, 9.75, true});
    ok->setToolTip(QStringLiteral("Click to Exit"));
    ok->setStyleSheet(QStringLiteral("background-color: rgb(255,224,192); color: black;"));
    connect(ok, &QPushButton::clicked, this, [this] { Send([this] { Game->CmdTarget(); }); });
    MakeLabel(
        Layout, QStringLiteral("Label3"), frame, QRect(120, 840, 2475, 2505),
        QStringLiteral("Enter above how many Target points you wish to play for in each game. "
                       "Default Target points are set to 100 but depending whether you want a "
                       "long or short game enter any number you wish as the Target Points for "
                       "your games. Anything entered below 25 will be set as 25 and any number "
                       "above 500 as 500."),
        FontDesign{Face::Serif, 9, true}, LightCyan, Qt::AlignHCenter | Qt::AlignTop, true);
    frame->hide();
    Controls[Ctl::FramTarget] = frame;
}

void MainWindow::MakeCard(int n) {
    auto* card = new CardPicture(n, Client, [this](int image) { return Images->Image(image); });
    card->OnPress = [this](int i) { Send([this, i] { Game->Cds_MouseDown(i); }); };
    card->OnMove = [this](int i) { Send([this, i] { Game->Cds_MouseMove(i); }); };
    card->OnRelease = [this](int i) { Send([this, i] { Game->Cds_MouseUp(i); }); };
    card->OnClick = [this](int i) { Send([this, i] { Game->Cds_Click(i); }); };
    Cds[static_cast<size_t>(n)] = card;
    CardTwips[static_cast<size_t>(n)] = QPoint(600, 5160);
    card->setFixedSize(Layout.Scale().Px(CardDesign));
    card->move(Layout.Scale().Px(CardTwips[static_cast<size_t>(n)]));
}

void MainWindow::CreateCardPictures() {
    for (int n = 2; n <= 52; ++n)
        if (!Cds[static_cast<size_t>(n)]) MakeCard(n);
}

void MainWindow::ShowCardImage(int n, int image) {
    Card(n)->SetImage(image, FrmMain::CardName(image == 53 ? 0 : image));
}

void MainWindow::MoveCard(int n, int left, int top) {
    CardTwips[static_cast<size_t>(n)] = QPoint(left, top);
    Card(n)->move(Layout.Scale().Px(QPoint(left, top)));
}

int MainWindow::CardLeft(int n) const {
    return CardTwips[static_cast<size_t>(n)].x();
}
int MainWindow::CardTop(int n) const {
    return CardTwips[static_cast<size_t>(n)].y();
}
void MainWindow::BringCardToFront(int n) {
    Card(n)->raise();
}
void MainWindow::SetCardVisible(int n, bool visible) {
    Card(n)->setVisible(visible);
}

void MainWindow::SetCardPointer(int n, int image) {
    int& last = CardPointer[static_cast<size_t>(n)];
    int& shown = CardCursorShown[static_cast<size_t>(n)];
    if (image != 0) last = image;
    if (last != 0 && shown != last) {
        Card(n)->setCursor(Images->Pointer(last));
        shown = last;
    }
}

void MainWindow::SetCardToolTip(int n, const QString& tip) {
    if (Card(n)->toolTip() != tip) Card(n)->setToolTip(tip);
}

void MainWindow::SetText(Ctl control, const QString& text) {
    QWidget* widget = Controls.at(control);
    if (auto* label = dynamic_cast<AutoLabel*>(widget))
        label->SetCaption(text);
    else if (auto* plain = qobject_cast<QLabel*>(widget))
        plain->setText(text), plain->setAccessibleName(text);
    for (const auto& listener : TextListeners)
        listener(control, text);
}

void MainWindow::SetVisible(Ctl control, bool visible) {
    QWidget* widget = Controls.at(control);
    widget->setVisible(visible);
    if (visible && control == Ctl::FramTarget) widget->raise();
}

void MainWindow::SetPanelText(int panel, const QString& text) {
    StatusBar1->SetPanelText(panel, text);
}

void MainWindow::EnableMenu(Menu menu, bool enabled) {
    QAction* action = Menus.at(menu);
    action->setEnabled(enabled);
    // A disabled menu keeps its items' shortcuts from firing too.
    // Full screen is the window's, not the game's: it stays at hand.
    if (QMenu* sub = action->menu())
        for (QAction* item : sub->actions())
            if (item != FullScreen) item->setEnabled(enabled);
}

QString MainWindow::TargetText() const {
    return Txtpoints->text();
}
void MainWindow::FocusTargetBox() {
    Txtpoints->setFocus();
}

void MainWindow::PlaySound(Sound sound) {
    if (Quitting) return;
    if (Sounds) {
        Sounds->Play(sound);
        return;
    }
    WaitingSound = sound;
    if (!SoundsAsked) {
        SoundsAsked = true;
        QTimer::singleShot(0, this, &MainWindow::LoadSounds);
    }
}

void MainWindow::LoadSounds() {
    if (auto* module = LoadModule<SoundModule>(QStringLiteral("meldora-sound.so")))
        Sounds = module->Open(Folder);
    if (Sounds && WaitingSound && !Quitting) Sounds->Play(*WaitingSound);
    WaitingSound.reset();
}

void MainWindow::Pause(int ms) {
    NestedPause(ms, Quitting);
}

int MainWindow::DeluxeMsg(const QString& text, const QString& caption0, const QString& caption1,
                          const QString& caption2, int icon, const QString& title) {
    if (Quitting) return 0;
    if (!Deluxe) {
        Deluxe = new MFormDeluxe(this, [this] { PlaySound(Sound::Ringout); });
        Deluxe->SetScale(Layout.Scale());
    }
    return Deluxe->DeluxeMsg(text, caption0, caption1, caption2, icon, title);
}

QString MainWindow::InputBox(const QString& prompt, const QString& title, const QString& preset) {
    bool ok = false;
    QString text = QInputDialog::getText(this, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

void MainWindow::ErrorBox(const QString& text) {
    QMessageBox::critical(this, QStringLiteral("Meldora"), text);
}

void MainWindow::CreateFollower() {
    FollowMouse = std::make_unique<clsObjectFollowMouse>();
    FollowMouse->SetTimer(Timer1);
    FollowMouse->Moved = [this](QWidget* moved) {
        if (auto* card = dynamic_cast<CardPicture*>(moved))
            CardTwips[static_cast<size_t>(card->Index())] = Layout.Scale().Twips(moved->pos());
    };
}

void MainWindow::SetFollowObject(int n) {
    if (FollowMouse) FollowMouse->SetObject(Card(n));
}

void MainWindow::SetFollowEnabled(bool enabled) {
    if (FollowMouse) FollowMouse->SetEnabled(enabled);
}

void MainWindow::CloseProgram() {
    Quitting = true;
    SaveWindow();
    SetFollowEnabled(false);
    if (Deluxe) Deluxe->hide();
    if (About) About->close();
    if (Help) Help->close();
    hide();
    QCoreApplication::exit(0);
}

void MainWindow::Record(const TableEvent& event) {
    for (const auto& listener : TableListeners)
        listener(event);
}

void MainWindow::DorvilSeated(bool sharp) {
    Dorvil->Seated(sharp);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Quitting || !Game) {
        if (!Quitting) SaveWindow();
        event->accept();
        return;
    }
    bool cancel = true;
    Game->Dispatch([&] { cancel = Game->Form_QueryUnload(event->spontaneous() ? 0 : 1); });
    if (Quitting || !cancel)
        event->accept();
    else
        event->ignore();
}
