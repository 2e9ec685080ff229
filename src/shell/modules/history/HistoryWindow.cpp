// The Game History window: reading the history, its figures in a table that
// a screen reader can walk, its two charts with a summary in words beside
// each, and a friendly page while there is no game to tell about.
#include "HistoryWindow.h"

#include "CellFocus.h"
#include "DorvilTable.h"
#include "History.h"
#include "HistoryCharts.h"
#include "HistoryFigures.h"
#include "KeptHands.h"
#include "KeptHandsList.h"
#include "modules/Modules.h"

#include <QBoxLayout>
#include <QChartView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <algorithm>
#include <climits>

namespace {
// A chart view lets go of the chart it showed without deleting it.
void ReplaceChart(QChartView* view, QChart* chart) {
    QChart* shown = view->chart();
    view->setChart(chart);
    delete shown;
}

// A label a screen reader reads by its text, selectable so a figure can be copied.
QLabel* TextLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // a path or a name is shown as it is
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void SetLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

// A count as the translations take it.
int N(qint64 count) {
    return int(std::clamp<qint64>(count, 0, INT_MAX));
}

// Counts in words. English, the source language, has one text for one and
// another for every other count; each is translated with every plural form
// of the translation's language (%Ln is the count).
QString Hands(qint64 n) {
    return n == 1 ? QCoreApplication::translate("HistoryWindow", "%Ln hand", nullptr, 1)
                  : QCoreApplication::translate("HistoryWindow", "%Ln hands", nullptr, N(n));
}
QString Games(qint64 n) {
    return n == 1 ? QCoreApplication::translate("HistoryWindow", "%Ln game", nullptr, 1)
                  : QCoreApplication::translate("HistoryWindow", "%Ln games", nullptr, N(n));
}
} // namespace

HistoryWindow::HistoryWindow(QWidget* parent, std::function<QString()> historyFile,
                             std::function<void(int)> review)
    : QDialog(parent), HistoryFile(std::move(historyFile)), OpenReview(std::move(review)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("Game History"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    Summary = TextLabel(this, "HistorySummary");
    QFont big = Summary->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    Summary->setFont(big);
    layout->addWidget(Summary);
    Damaged = TextLabel(this, "HistoryDamaged");
    Damaged->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    layout->addWidget(Damaged);
    Pages = new QStackedWidget(this);
    Pages->setObjectName(QStringLiteral("HistoryPages"));
    // A screen reader names it as Tab enters the figures: unnamed, it says
    // only "layered pane".
    //: For screen readers: the part of the window below the summary.
    Pages->setAccessibleName(tr("Figures and charts"));
    auto* page = new QWidget(Pages);
    page->setObjectName(QStringLiteral("HistoryStory"));
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(0, 0, 0, 0);
    BuildFigures(page);
    BuildCharts(page);
    Pages->addWidget(page);
    Pages->addWidget(BuildEmptyState());
    layout->addWidget(Pages, 1);
    FileNote = TextLabel(this, "HistoryFile");
    FileNote->setStyleSheet(QStringLiteral("color: #505050;"));
    layout->addWidget(FileNote);
    layout->addLayout(BuildButtons());
    resize(980, 660);
}

QLayout* HistoryWindow::BuildButtons() {
    auto* buttons = new QHBoxLayout;
    //: A button: saves the history as a CSV file.
    ExportButton = new QPushButton(tr("&Export..."), this);
    ExportButton->setObjectName(QStringLiteral("HistoryExport"));
    //: A button: empties the history after asking.
    ClearButton = new QPushButton(tr("C&lear History"), this);
    ClearButton->setObjectName(QStringLiteral("HistoryClear"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("HistoryClose"));
    close->setDefault(true);
    close->setFocus(); // Enter or Esc closes; Tab reaches the figures and charts
    for (QPushButton* b : {ExportButton, ClearButton, close})
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    buttons->addWidget(ExportButton);
    buttons->addWidget(ClearButton);
    if (OpenReview) {
        //: A button: the list of hands kept for review.
        auto* hands = new QPushButton(tr("&Hands..."), this);
        hands->setObjectName(QStringLiteral("HistoryHands"));
        hands->setAccessibleName(tr("Hands"));
        buttons->addWidget(hands);
        connect(hands, &QPushButton::clicked, this, [this] {
            KeptHandsList list(this, Review::KeptHandsBeside(HistoryFile()));
            if (list.exec() == QDialog::Accepted && list.Chosen()) OpenReview(list.Chosen());
        });
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    connect(ExportButton, &QPushButton::clicked, this, [this] { AskExport(); });
    connect(ClearButton, &QPushButton::clicked, this, [this] { AskClear(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

void HistoryWindow::BuildFigures(QWidget* page) {
    auto* column = new QVBoxLayout;
    Figures = new QTableWidget(7, 2, page);
    Figures->setObjectName(QStringLiteral("HistoryFigures"));
    //: For screen readers: the table of figures.
    Figures->setAccessibleName(tr("Figures"));
    Figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrows move from figure to figure; Tab goes on to the buttons.
    Figures->setTabKeyNavigation(false);
    Figures->setSelectionMode(QAbstractItemView::SingleSelection);
    //: The rows of the table of figures, which is 380 pixels wide with two columns of figures:
    //: keep each heading short.
    Figures->setVerticalHeaderLabels({tr("Games won"), tr("Win rate"), tr("Hands won"),
                                      tr("Average points a hand won"), tr("Longest winning streak"),
                                      tr("Current winning streak"), tr("Biggest win")});
    Figures->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(Figures->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section == 0) FitNameHeading();
    });
    Figures->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Figures->setFixedWidth(380);
    const int rows = Figures->verticalHeader()->defaultSectionSize() * Figures->rowCount();
    Figures->setFixedHeight(rows + Figures->horizontalHeader()->sizeHint().height() +
                            2 * Figures->frameWidth());
    column->addWidget(Figures);
    column->addSpacing(8);
    Dorvils = MakeDorvilTable(page, Figures->width());
    TellCellOnFocus(Figures);
    TellCellOnFocus(Dorvils);
    column->addWidget(Dorvils);
    // What the charts show, in words, beside them.
    auto heading = [page](const char* name, const QString& text) {
        QLabel* label = TextLabel(page, name);
        SetLabel(label, text);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    };
    MoneySummary = TextLabel(page, "MoneySummary");
    MarginSummary = TextLabel(page, "MarginSummary");
    column->addSpacing(12);
    //: The heading over the words that tell what the chart of the money owed shows.
    column->addWidget(heading("MoneyHeading", tr("Money owed")));
    column->addWidget(MoneySummary);
    column->addSpacing(8);
    //: The heading over the words that tell what the chart of the games' margins shows.
    column->addWidget(heading("MarginHeading", tr("Margins")));
    column->addWidget(MarginSummary);
    column->addStretch(1);
    static_cast<QBoxLayout*>(page->layout())->addLayout(column);
}

void HistoryWindow::BuildCharts(QWidget* page) {
    auto* charts = new QVBoxLayout;
    MoneyChart = new QChartView(page);
    MoneyChart->setObjectName(QStringLiteral("MoneyChart"));
    MoneyChart->setAccessibleName(tr("Chart of the money owed game after game"));
    MarginChart = new QChartView(page);
    MarginChart->setObjectName(QStringLiteral("MarginChart"));
    MarginChart->setAccessibleName(tr("Chart of the games' margins"));
    for (QChartView* view : {MoneyChart, MarginChart}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(420, 220);
        view->setFocusPolicy(Qt::TabFocus); // a screen reader reaches its summary
        charts->addWidget(view, 1);
    }
    static_cast<QBoxLayout*>(page->layout())->addLayout(charts, 1);
}

QWidget* HistoryWindow::BuildEmptyState() {
    auto* page = new QWidget(Pages);
    page->setObjectName(QStringLiteral("HistoryEmptyPage"));
    auto* layout = new QVBoxLayout(page);
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("HistoryEmptyPicture"));
    picture->setPixmap(EmptyHistoryPicture(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    //: For screen readers: the picture of the empty history.
    picture->setAccessibleName(tr("Two cards face down"));
    EmptyText = TextLabel(page, "HistoryEmpty");
    EmptyText->setAlignment(Qt::AlignCenter);
    EmptyText->setTextFormat(Qt::RichText);
    layout->addStretch(1);
    layout->addWidget(picture);
    layout->addWidget(EmptyText);
    layout->addStretch(2);
    return page;
}

void HistoryWindow::Refresh() {
    HistoryFigures figures;
    const QString file = HistoryFile();
    HistoryReadResult read =
        History::Read(file, [&figures](const HandRecord& record) { figures.Add(record); });
    RecordCount = read.Records;
    ShowSummary(figures, read.Damaged);
    const bool story = figures.GamesPlayed() > 0;
    Pages->setCurrentIndex(story ? 0 : 1);
    if (story) {
        ShowFigures(figures);
        ShowDorvilTable(Dorvils, figures);
        ShowMoneyChart(figures);
        ShowMarginChart(figures);
    }
    SetLabel(FileNote, file.isEmpty() ? tr("No folder can be written: hands are not recorded.")
                                      //: %1 is the history file's path.
                                      : tr("The history is kept in %1").arg(file));
    ExportButton->setEnabled(RecordCount > 0);
    ClearButton->setEnabled(RecordCount > 0 || read.Damaged > 0);
}

void HistoryWindow::ShowSummary(const HistoryFigures& f, qint64 damaged) {
    SetLabel(Damaged, damaged == 0   ? QString()
                      : damaged == 1 ? tr("%Ln damaged line of the history file could "
                                          "not be read and was skipped.",
                                          nullptr, 1)
                                     : tr("%Ln damaged lines of the history file could "
                                          "not be read and were skipped.",
                                          nullptr, N(damaged)));
    if (f.GamesPlayed() == 0) {
        SetLabel(Summary, QString());
        //: The page shown while no game is in the history: rich text, keep the tags.
        QString text = tr("<p style='font-size:large'><b>No games in the history yet</b></p>");
        text += f.Hands == 0
                    ? tr("<p>Every hand you play against Dorvil is remembered here.<br>Once a "
                         "game is won, this window tells how the rivalry goes:<br>the money owed "
                         "game after game, the margins of the wins,<br>and the winning "
                         "streaks.</p>")
                : f.Hands == 1 ? tr("<p>%Ln hand of your first game is recorded.<br>The "
                                    "figures and charts appear once a game is won.</p>",
                                    nullptr, 1)
                               : tr("<p>%Ln hands of your first game are recorded.<br>The "
                                    "figures and charts appear once a game is won.</p>",
                                    nullptr, N(f.Hands));
        EmptyText->setText(text);
        EmptyText->setAccessibleName(QTextDocumentFragment::fromHtml(text).toPlainText());
        return;
    }
    //: The line at the top: %1 the games ("3 games"), %2 the hands ("12 hands"), %3 the day of
    //: the first hand, %4 who owes whom.
    QString summary = tr("%1 and %2 since %3. %4")
                          .arg(Games(f.GamesPlayed()), Hands(f.Hands), DayText(f.FirstWhen),
                               OwedSentence(f.NetOwed()));
    // The help taken, told only to a player who took some.
    if (f.HintsAsked > 0)
        //: After the summary: %1 the hands in which advice was taken ("2 hands").
        summary += QLatin1Char(' ') +
                   (f.HintsAsked == 1 ? tr("You took %Ln hint, in %1.", nullptr, 1)
                                      : tr("You took %Ln hints, in %1.", nullptr, N(f.HintsAsked)))
                       .arg(Hands(f.HandsWithHints));
    SetLabel(Summary, summary);
}

void HistoryWindow::ShowFigures(const HistoryFigures& f) {
    //: The heading of the player's column when the history has no name.
    const QString name = f.PlayerName.trimmed().isEmpty() ? tr("You") : f.PlayerName;
    Figures->setHorizontalHeaderLabels({name, QStringLiteral("Dorvil")});
    Figures->horizontalHeaderItem(0)->setToolTip(name);
    FitNameHeading();
    const QLocale locale;
    for (int side = 0; side < 2; ++side) {
        const auto who = static_cast<HistoryFigures::Who>(side);
        const BiggestWin& best = f.Biggest[side];
        const QString cells[7] = {locale.toString(f.GamesWon[side]),
                                  //: A win rate; %1 the number, as the language writes
                                  //: it before its per cent sign.
                                  tr("%1%").arg(locale.toString(100.0 * f.WinRate(who), 'f', 1)),
                                  locale.toString(f.HandsWon[side]),
                                  locale.toString(f.AveragePoints(who), 'f', 1),
                                  Games(f.LongestStreak[side]), Games(f.CurrentStreak[side]),
                                  best.Game == 0     ? QStringLiteral("-")
                                  : best.Margin == 1 ? tr("%Ln point", nullptr, 1)
                                                     : tr("%Ln points", nullptr, best.Margin)};
        for (int row = 0; row < 7; ++row) {
            auto* item = new QTableWidgetItem(cells[row]);
            item->setTextAlignment(Qt::AlignCenter);
            //: For screen readers, a figure shown as "-": there is none yet.
            QString said = row == 6 && best.Game == 0 ? tr("none") : cells[row];
            if (row == 6 && best.Game != 0) {
                //: When the biggest win was: %1 the game's number, %2 the day. Begins with a
                //: small letter: it follows the figure, and starts a tool tip with a capital.
                const QString when =
                    tr("in game %1, on %2").arg(locale.toString(best.Game), DayText(best.When));
                item->setToolTip(when.at(0).toUpper() + when.mid(1));
                said += QLatin1Char(' ') + when;
            }
            const QString heading = Figures->verticalHeaderItem(row)->text();
            //: For screen readers, a figure: %1 the row, %2 whose, %3 the figure.
            item->setData(
                Qt::AccessibleTextRole,
                tr("%1, %2: %3").arg(heading, side == 0 ? name : QStringLiteral("Dorvil"), said));
            Figures->setItem(row, side, item);
        }
    }
    //: For screen readers; %1 is the player's name.
    Figures->setAccessibleDescription(tr("Games, hands and wins of %1 and of Dorvil.").arg(name));
}

// A long name is shortened at its end, and told whole as the heading's tool tip.
void HistoryWindow::FitNameHeading() {
    QTableWidgetItem* heading = Figures->horizontalHeaderItem(0);
    if (!heading) return;
    QHeaderView* header = Figures->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    heading->setText(header->fontMetrics().elidedText(heading->toolTip(), Qt::ElideRight,
                                                      header->sectionSize(0) - 2 * margin));
}

void HistoryWindow::ShowMoneyChart(const HistoryFigures& f) {
    const QString text = MoneyChartSummary(f);
    ReplaceChart(MoneyChart, MakeMoneyChart(f.Games));
    MoneyChart->setAccessibleDescription(text);
    SetLabel(MoneySummary, text);
}

void HistoryWindow::ShowMarginChart(const HistoryFigures& f) {
    const QString text = MarginChartSummary(f);
    ReplaceChart(MarginChart, MakeMarginChart(f.Games, f.PlayerName));
    MarginChart->setAccessibleDescription(text);
    SetLabel(MarginSummary, text);
}

bool HistoryWindow::ExportTo(const QString& target, QString* error) {
    return History::Export(HistoryFile(), target, error);
}

void HistoryWindow::AskExport() {
    QFileDialog dialog(this, tr("Export History"),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           //: The file name the export suggests.
                           QLatin1Char('/') + tr("Meldora history.csv"),
                       //: The file dialog's filters: keep the patterns in brackets.
                       tr("CSV files (*.csv);;All files (*)"));
    dialog.setObjectName(QStringLiteral("HistoryExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString target = dialog.selectedFiles().constFirst();
    QString error;
    if (ExportTo(target, &error))
        //: %1 the hands ("12 hands"), %2 the file.
        SetLabel(FileNote, tr("Exported %1 to %2").arg(Hands(RecordCount), target));
    else
        QMessageBox::warning(this, tr("Export History"),
                             //: %1 the file, %2 why.
                             tr("The history could not be saved to %1.\n%2").arg(target, error));
}

void HistoryWindow::AskClear() {
    QMessageBox ask(QMessageBox::Warning, tr("Clear History"),
                    tr("Clear the whole history of games and the hands kept for review? They "
                       "cannot be brought back.\n\nThe games won and the money owed in the "
                       "Statistics frame stay as they are."),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("HistoryClearQuestion"));
    QPushButton* clear = ask.addButton(tr("C&lear History"), QMessageBox::AcceptRole);
    ask.setDefaultButton(ask.addButton(QMessageBox::Cancel));
    ask.exec();
    if (ask.clickedButton() != clear) return;
    const bool cleared = History::Clear(HistoryFile());
    if (!Review::ClearKeptHands(Review::KeptHandsBeside(HistoryFile())) || !cleared)
        QMessageBox::warning(this, tr("Clear History"),
                             tr("The history file could not be written."));
    Refresh();
}

// The window's open history window. The class has no meta-object of its own,
// so findChild would take any other dialog of the window (the message box, the
// about box) for it.
static HistoryWindow* OpenedOver(QWidget* parent) {
    for (QObject* child : parent->children())
        if (auto* window = dynamic_cast<HistoryWindow*>(child)) return window;
    return nullptr;
}

void HistoryWindow::Open(QWidget* parent, std::function<QString()> historyFile,
                         std::function<void(int)> review) {
    auto* window = OpenedOver(parent);
    if (!window) window = new HistoryWindow(parent, std::move(historyFile), std::move(review));
    window->Refresh();
    window->show();
    window->raise();
    window->activateWindow();
}

void HistoryWindow::RefreshOver(QWidget* parent) {
    if (auto* window = OpenedOver(parent)) window->Refresh();
}

// The history module: the only part of the game that needs Qt Charts.
class HistoryPlugin : public QObject, public HistoryModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MELDORA_HISTORY_MODULE)
    Q_INTERFACES(HistoryModule)

  public:
    void Open(QWidget* parent, std::function<QString()> historyFile,
              std::function<void(int)> review) override {
        HistoryWindow::Open(parent, std::move(historyFile), std::move(review));
    }
    void Refresh(QWidget* parent) override { HistoryWindow::RefreshOver(parent); }
};

#include "HistoryWindow.moc"
