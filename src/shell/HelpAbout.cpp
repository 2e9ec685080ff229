// The help and about windows.
#include "HelpAbout.h"

#include "SavedRecord.h"
#include "TableWidgets.h"
#include "Twips.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

FrmHelp::FrmHelp(const QIcon& icon)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("Meldora Help"));
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(TableFont(Face::Serif, 9.75, true));
    TxtHelp = new QPlainTextEdit(this);
    TxtHelp->setObjectName(QStringLiteral("TxtHelp"));
    TxtHelp->setAccessibleName(QStringLiteral("Rules and Help"));
    TxtHelp->setReadOnly(true);
    TxtHelp->setFont(TableFont(Face::Serif, 12, true));
    TxtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtHelp->move(Px(90), Px(90));
    resize(Px(10455), Px(6270));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FrmHelp::LoadText(const QString& folder) {
    QFile file(folder + QStringLiteral("/mnuag.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        TxtHelp->setPlainText(QStringLiteral("The help file mnuag.txt could not be read."));
        return;
    }
    TxtHelp->setPlainText(SavedRecord::DecodeText(file.read(4 * 1024 * 1024)));
}

// The text box always takes the whole client size from (90, 90) twips on, so
// its right and bottom edges lie just past the window's.
void FrmHelp::resizeEvent(QResizeEvent*) {
    TxtHelp->resize(width(), height());
}

namespace {
QLabel* AboutLabel(QWidget* parent, const char* name, QRect twips, const QString& text,
                   double points) {
    return MakeLabel(QLatin1String(name), parent, PxRect(twips), text,
                     TableFont(Face::Serif, points, true), Qt::black, Qt::AlignCenter, true);
}

QPushButton* AboutButton(QWidget* parent, const char* name, QRect twips, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    button->setGeometry(PxRect(twips));
    button->setFont(TableFont(Face::Serif, 9, true, true));
    button->setStyleSheet(QStringLiteral("background-color: rgb(192,255,192);"));
    return button;
}
} // namespace

frmAbout::frmAbout(QWidget* parent, const QIcon& icon)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Meldora"));
    setWindowIcon(icon);
    setFixedSize(Px(5730), Px(3555));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(PxRect(240, 240, 540, 540));
    picIcon->setPixmap(icon.pixmap(32, 32));
    AboutLabel(this, "lblTitle", {1080, 120, 3975, 495}, QStringLiteral("Meldora"), 12);
    AboutLabel(this, "lblVersion", {1080, 840, 3975, 375},
               QStringLiteral("Version %1.%2.%3").arg(2).arg(0).arg(10), 10.5);
    AboutLabel(this, "lblDescription", {840, 1440, 4335, 615},
               QStringLiteral("Meldora - an enjoyable and fast  moving game of Rummy"), 10.5);
    new LineWidget(QStringLiteral("Line1_1"), this, QPoint(Px(0), Px(2280)),
                   QPoint(Px(5760), Px(2280)), QColor(128, 128, 128), 3);
    new LineWidget(QStringLiteral("Line1_0"), this, QPoint(Px(105), Px(2280)),
                   QPoint(Px(5654), Px(2280)), Qt::white, 2);
    AboutLabel(this, "lblDisclaimer", {120, 2640, 3975, 855},
               QStringLiteral("A game for fun: the money owed is only kept score, never paid."),
               10.5);
    QPushButton* ok = AboutButton(this, "cmdOK", {4200, 2640, 1335, 375}, QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept); // Esc rejects: closes too
    QPushButton* info =
        AboutButton(this, "cmdSysInfo", {4200, 3120, 1335, 375}, QStringLiteral("&System Info..."));
    info->setAutoDefault(false);
    connect(info, &QPushButton::clicked, this, [this] { cmdSysInfo(); });
}

QString frmAbout::FindSystemInfoTool() {
    for (const char* tool : {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"}) {
        QString path = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!path.isEmpty()) return path;
    }
    return {};
}

void frmAbout::cmdSysInfo() {
    QString tool = FindSystemInfoTool();
    if (!tool.isEmpty() && QProcess::startDetached(tool, {})) return;
    QMessageBox::information(this, QStringLiteral("Meldora"),
                             QStringLiteral("System Information Is Unavailable At This Time"));
}
