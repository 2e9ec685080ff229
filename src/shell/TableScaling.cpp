// The table fitted to the window: one scale for every control, card, font
// and picture, the table centred with navy margins, the status bar docked
// along the window's bottom, card pictures drawn afresh once a resize has
// settled, full screen, and the window's size and place kept between starts.
#include "MainWindow.h"

#include "DeluxeBox.h"
#include "FollowMouse.h"
#include "FrmMain.h"
#include "HelpAbout.h"
#include "ImageList.h"
#include "TableWidgets.h"
#include "UserSettings.h"
#include "WindowState.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace {
// Long enough to span the gaps between the resize events of a dragged window
// edge, short enough to pass unnoticed once the edge is let go.
constexpr int SettleMs = 150;
} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Backdrop && event->type() == QEvent::Resize) FitTable();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && FullScreen)
        FullScreen->setChecked(isFullScreen());
    QMainWindow::changeEvent(event);
}

void MainWindow::FitTable() {
    const QSize area = Backdrop->size();
    const TableScale scale = TableScale::Fitting(area);
    if (!(scale == Layout.Scale())) Rescale(scale);
    const QSize table = scale.TableSize();
    Client->setGeometry(QRect(
        QPoint((area.width() - table.width()) / 2, (area.height() - table.height()) / 2), table));
    // The status bar is the window's, as on any desktop window: along its
    // whole bottom edge, at the table's scale so its text matches the table's.
    const int height = scale.Px(StatusPanels::DesignHeight);
    StatusBar1->setGeometry(0, area.height() - height, area.width(), height);
    StatusBar1->raise();
}

void MainWindow::Rescale(const TableScale& scale) {
    Layout.Rescale(scale);
    Images->SetPointerScale(scale);
    for (int n = 1; n <= 52; ++n) {
        CardPicture* card = Card(n);
        if (!card) continue;
        // Until the resize settles the card shows its picture smoothly scaled.
        card->setFixedSize(scale.Px(CardDesign));
        card->move(scale.Px(CardTwips[static_cast<size_t>(n)]));
        CardCursorShown[static_cast<size_t>(n)] = 0;
        SetCardPointer(n, 0);
    }
    // The hints are the desktop's own, grown with the table for whoever enlarged it.
    static const QFont designTip = QToolTip::font();
    QFont tip = designTip;
    if (tip.pointSizeF() > 0)
        tip.setPointSizeF(tip.pointSizeF() * scale.Factor());
    else
        tip.setPixelSize(scale.Scaled(tip.pixelSize()));
    QToolTip::setFont(tip);
    if (Deluxe) Deluxe->SetScale(scale);
    if (Help) Help->SetScale(scale);
    if (About) About->SetScale(scale);
    // A card being dragged goes on from its new place under the pointer.
    if (FollowMouse && FollowMouse->Enabled()) FollowMouse->SetEnabled(true);
    if (!Settle) {
        Settle = new QTimer(this);
        Settle->setObjectName(QStringLiteral("SettleTimer"));
        Settle->setSingleShot(true);
        Settle->setInterval(SettleMs);
        connect(Settle, &QTimer::timeout, this, [this] { RenderCards(); });
    }
    Settle->start();
}

void MainWindow::RenderCards() {
    Images->SetCardSize(Layout.Scale().Px(CardDesign), devicePixelRatioF());
    // Each card fetches its picture at the new size when it is painted.
    for (int n = 1; n <= 52; ++n)
        if (Card(n)) Card(n)->update();
}

void MainWindow::RestoreWindow() {
    UserSettings settings;
    const WindowPlacement kept = WindowPlacement::Read(settings);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (kept.Normal.isValid()) {
        if (QScreen* at = QGuiApplication::screenAt(kept.Normal.center())) screen = at;
        if (screen)
            setGeometry(FitToScreen(kept.Normal, screen->availableGeometry(), minimumSizeHint()));
    }
    QSize area = size();
    if (kept.FullScreen) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        if (screen) area = screen->geometry().size();
    } else if (kept.Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        if (screen) area = screen->availableGeometry().size();
    }
    // Laid out at the expected scale now, so that the cards are first drawn
    // at their size; the first resize event corrects any difference.
    const TableScale scale = TableScale::Fitting(area - QSize(0, menuBar()->sizeHint().height()));
    if (!(scale == Layout.Scale())) {
        Rescale(scale);
        RenderCards();
    }
}

void MainWindow::SaveWindow() const {
    UserSettings settings;
    WindowPlacement{normalGeometry(), isFullScreen(), isMaximized()}.Write(settings);
}
