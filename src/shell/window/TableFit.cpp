// Fitting the table to the window, and the window's remembered placement.
#include "TableFit.h"

#include "UserSettings.h"
#include "WindowState.h"
#include "table/CardPictures.h"
#include "table/TableWidgets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace {
// Long enough to span the gaps between the resize events of a dragged window
// edge, short enough to pass unnoticed once the edge is let go.
constexpr int SettleMs = 150;
} // namespace

TableFit::TableFit(QMainWindow& window, QWidget* margins, QWidget* table, TableLayout& layout,
                   StatusPanels* status, CardPictures& cards)
    : QObject(&window), Window(window), Margins(margins), Table(table), Layout(layout),
      Status(status), Cards(cards) {
    // The hints are the desktop's own, grown with the table for whoever enlarged it.
    Layout.Keep(this, [](const TableScale& scale) {
        static const QFont designTip = QToolTip::font();
        QFont tip = designTip;
        if (tip.pointSizeF() > 0)
            tip.setPointSizeF(tip.pointSizeF() * scale.Factor());
        else
            tip.setPixelSize(scale.Scaled(tip.pixelSize()));
        QToolTip::setFont(tip);
    });
    Margins->installEventFilter(this); // the table follows the window's size
}

bool TableFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Margins && event->type() == QEvent::Resize) Fit();
    return false;
}

void TableFit::Fit() {
    const QSize area = Margins->size();
    const TableScale scale = TableScale::Fitting(area);
    if (!(scale == Layout.Scale())) Rescale(scale);
    const QSize table = scale.TableSize();
    Table->setGeometry(QRect(
        QPoint((area.width() - table.width()) / 2, (area.height() - table.height()) / 2), table));
    // The status bar is the window's, as on any desktop window: along its
    // whole bottom edge, at the table's scale so its text matches the table's.
    const int height = scale.Px(StatusPanels::DesignHeight);
    Status->setGeometry(0, area.height() - height, area.width(), height);
    Status->raise();
}

void TableFit::Rescale(const TableScale& scale) {
    Layout.Rescale(scale);
    if (!Settle) {
        Settle = new QTimer(this);
        Settle->setObjectName(QStringLiteral("SettleTimer"));
        Settle->setSingleShot(true);
        Settle->setInterval(SettleMs);
        connect(Settle, &QTimer::timeout, &Cards, &CardPictures::Render);
    }
    Settle->start();
}

void TableFit::RestoreWindow() {
    UserSettings settings;
    const WindowPlacement kept = WindowPlacement::Read(settings);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (kept.Normal.isValid()) {
        if (QScreen* at = QGuiApplication::screenAt(kept.Normal.center())) screen = at;
        if (screen)
            Window.setGeometry(
                FitToScreen(kept.Normal, screen->availableGeometry(), Window.minimumSizeHint()));
    }
    QSize area = Window.size();
    if (kept.FullScreen) {
        Window.setWindowState(Window.windowState() | Qt::WindowFullScreen);
        if (screen) area = screen->geometry().size();
    } else if (kept.Maximized) {
        Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
        if (screen) area = screen->availableGeometry().size();
    }
    // Laid out at the expected scale now, so that the cards are first drawn
    // at their size; the first resize event corrects any difference.
    const TableScale scale =
        TableScale::Fitting(area - QSize(0, Window.menuBar()->sizeHint().height()));
    if (!(scale == Layout.Scale())) {
        Rescale(scale);
        Cards.Render();
    }
}

void TableFit::SaveWindow() const {
    UserSettings settings;
    WindowPlacement{Window.normalGeometry(), Window.isFullScreen(), Window.isMaximized()}.Write(
        settings);
}
