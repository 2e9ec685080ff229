// The help and about windows.
#include "HelpAbout.h"

#include "SavedRecord.h"
#include "table/TableWidgets.h"

#include <QCoreApplication>
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

FrmHelp::FrmHelp(const QIcon& icon, const TableScale& scale)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      Scale(scale) {
    setObjectName(QStringLiteral("FrmHelp"));
    //: The title of the rules window.
    setWindowTitle(QCoreApplication::translate("FrmHelp", "Meldora Help"));
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose);
    TxtHelp = new QPlainTextEdit(this);
    TxtHelp->setObjectName(QStringLiteral("TxtHelp"));
    //: For screen readers: the rules text.
    TxtHelp->setAccessibleName(QCoreApplication::translate("FrmHelp", "Rules and Help"));
    TxtHelp->setReadOnly(true);
    TxtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ApplyScale();
    resize(scale.Px(10455), scale.Px(6270));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FrmHelp::SetScale(const TableScale& scale) {
    if (scale == Scale) return;
    const double growth = scale.Factor() / Scale.Factor();
    Scale = scale;
    ApplyScale();
    // The player may have sized the window: it grows or shrinks from there.
    const QPoint centre = geometry().center();
    resize((QSizeF(size()) * growth).toSize());
    move(centre - rect().center());
}

void FrmHelp::ApplyScale() {
    setFont(Scale.Font({Face::Serif, 9.75, true}));
    TxtHelp->setFont(Scale.Font({Face::Serif, 12, true}));
    // The rules' tables of keys, buttons and menus put a tab between a key
    // and what it does: one stop, wider than the keys, lines them up.
    TxtHelp->setTabStopDistance(Scale.Px(1800));
    TxtHelp->move(Scale.Px(90), Scale.Px(90));
}

void FrmHelp::LoadText(const QString& folder, const QString& language) {
    QFile file(folder + QStringLiteral("/mnuag.") + language + QStringLiteral(".txt"));
    if (language.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        file.setFileName(folder + QStringLiteral("/mnuag.txt"));
        if (!file.open(QIODevice::ReadOnly)) {
            //: Shown in the rules window when its text cannot be read.
            TxtHelp->setPlainText(QCoreApplication::translate(
                "FrmHelp", "The help file mnuag.txt could not be read."));
            return;
        }
    }
    TxtHelp->setPlainText(SavedRecord::DecodeText(file.read(4 * 1024 * 1024)));
}

// The text box always takes the whole client size from (90, 90) twips on, so
// its right and bottom edges lie just past the window's.
void FrmHelp::resizeEvent(QResizeEvent*) {
    TxtHelp->resize(width(), height());
}

namespace {
QLabel* AboutLabel(TableLayout& layout, QWidget* parent, const char* name, QRect twips,
                   const QString& text, double points) {
    return MakeLabel(layout, QLatin1String(name), parent, twips, text, {Face::Serif, points, true},
                     Qt::black, Qt::AlignCenter, true);
}

QPushButton* AboutButton(TableLayout& layout, QWidget* parent, const char* name, QRect twips,
                         const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    layout.Place(button, twips, {Face::Serif, 9, true, true});
    button->setStyleSheet(QStringLiteral("background-color: rgb(192,255,192);"));
    return button;
}
} // namespace

frmAbout::frmAbout(QWidget* parent, const QIcon& icon, const TableScale& scale)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Icon(icon) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("frmAbout", "About Meldora"));
    setWindowIcon(icon);
    Layout.Rescale(scale);
    Layout.Keep(this, [this](const TableScale& s) { setFixedSize(s.Px(5730), s.Px(3555)); });
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    Layout.Keep(picIcon, [picIcon, icon](const TableScale& s) {
        picIcon->setGeometry(s.Px(QRect(240, 240, 540, 540)));
        picIcon->setPixmap(icon.pixmap(s.Scaled(32), s.Scaled(32)));
    });
    AboutLabel(Layout, this, "lblTitle", {1080, 120, 3975, 495}, QStringLiteral("Meldora"), 12);
    AboutLabel(
        Layout, this, "lblVersion", {1080, 840, 3975, 375},
        //: %1 is the version number.
        QCoreApplication::translate("frmAbout", "Version %1").arg(QStringLiteral(MELDORA_VERSION)),
        10.5);
    AboutLabel(Layout, this, "lblDescription", {840, 1440, 4335, 615},
               //: Two short lines at most.
               QCoreApplication::translate("frmAbout",
                                           "Meldora - an enjoyable and fast  moving game of Rummy"),
               10.5);
    new LineWidget(Layout, QStringLiteral("Line1_1"), this, QPoint(0, 2280), QPoint(5760, 2280),
                   QColor(128, 128, 128), 3);
    new LineWidget(Layout, QStringLiteral("Line1_0"), this, QPoint(105, 2280), QPoint(5654, 2280),
                   Qt::white, 2);
    AboutLabel(Layout, this, "lblDisclaimer", {120, 2640, 3975, 855},
               //: Three short lines at most.
               QCoreApplication::translate(
                   "frmAbout", "A game for fun: the money owed is only kept score, never paid."),
               10.5);
    QPushButton* ok = AboutButton(Layout, this, "cmdOK", {4200, 2640, 1335, 375},
                                  QCoreApplication::translate("frmAbout", "&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept); // Esc rejects: closes too
    QPushButton* info = AboutButton(Layout, this, "cmdSysInfo", {4200, 3120, 1335, 375},
                                    //: A button: opens the desktop's system information program.
                                    QCoreApplication::translate("frmAbout", "&System Info..."));
    info->setAutoDefault(false);
    connect(info, &QPushButton::clicked, this, [this] { cmdSysInfo(); });
}

void frmAbout::SetScale(const TableScale& scale) {
    if (scale == Layout.Scale()) return;
    const QPoint centre = geometry().center();
    Layout.Rescale(scale);
    if (isVisible()) move(centre - rect().center());
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
    QMessageBox::information(
        this, QStringLiteral("Meldora"),
        QCoreApplication::translate("frmAbout", "System Information Is Unavailable At This Time"));
}
