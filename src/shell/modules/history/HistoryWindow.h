// The Game History window: the figures of every game played against Dorvil
// as text, the games and money against each Dorvil, a line chart of the money owed game after game,
// a chart of the games' margins, and the history file's Export and Clear commands.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>

class HistoryFigures;
class QChartView;
class QLabel;
class QLayout;
class QPushButton;
class QStackedWidget;
class QTableWidget;

class HistoryWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)
  public:
    // `review` opens the review of kept hand n, 1 the latest (none: no Hands button).
    HistoryWindow(QWidget* parent, std::function<QString()> historyFile,
                  std::function<void(int)> review = {});

    // Opens the window over `parent`, or brings the open one forward.
    static void Open(QWidget* parent, std::function<QString()> historyFile,
                     std::function<void(int)> review = {});
    // Reads the history again into the window open over `parent`, if any.
    static void RefreshOver(QWidget* parent);

    // Reads the history file again and shows what it holds.
    void Refresh();
    // Writes the history as CSV to `target`; false with a message on failure.
    bool ExportTo(const QString& target, QString* error = nullptr);

  private:
    QLayout* BuildButtons();
    void BuildFigures(QWidget* page);
    void BuildCharts(QWidget* page);
    QWidget* BuildEmptyState();
    void ShowFigures(const HistoryFigures& figures);
    void FitNameHeading(); // the player's column's heading, to the column's width
    void ShowMoneyChart(const HistoryFigures& figures);
    void ShowMarginChart(const HistoryFigures& figures);
    void ShowSummary(const HistoryFigures& figures, qint64 damaged);
    void AskExport();
    void AskClear();

    std::function<QString()> HistoryFile;
    std::function<void(int)> OpenReview;
    QLabel* Summary = nullptr;
    QLabel* Damaged = nullptr;
    QStackedWidget* Pages = nullptr;
    QLabel* EmptyText = nullptr;
    QTableWidget* Figures = nullptr;
    QTableWidget* Dorvils = nullptr; // games and money against each Dorvil
    QChartView* MoneyChart = nullptr;
    QChartView* MarginChart = nullptr;
    QLabel* MoneySummary = nullptr;
    QLabel* MarginSummary = nullptr;
    QLabel* FileNote = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* ClearButton = nullptr;
    qint64 RecordCount = 0;
};
