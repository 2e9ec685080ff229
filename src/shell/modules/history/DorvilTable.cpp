// The table of the games against each Dorvil: its rows, its figures, and
// what a screen reader says of each.
#include "DorvilTable.h"

#include "HistoryCharts.h"
#include "HistoryFigures.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace {
// The table is as tall as its rows shown: the row of the games whose Dorvil
// is not recorded shows only in a history that has some.
void FitHeight(QTableWidget* table) {
    int rows = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        rows += table->isRowHidden(row) ? 0 : table->verticalHeader()->sectionSize(row);
    table->setFixedHeight(rows + table->horizontalHeader()->sizeHint().height() +
                          2 * table->frameWidth());
}
} // namespace

QTableWidget* MakeDorvilTable(QWidget* parent, int width) {
    auto* table = new QTableWidget(HistoryFigures::NotRecorded + 1, 3, parent);
    table->setObjectName(QStringLiteral("HistoryDorvils"));
    //: For screen readers: the table of the games against each Dorvil.
    table->setAccessibleName(
        QCoreApplication::translate("HistoryWindow", "Games against each Dorvil"));
    table->setAccessibleDescription(
        //: For screen readers: what the table of the games against each Dorvil holds.
        QCoreApplication::translate("HistoryWindow",
                                    "Games you won and lost, and the money, against each Dorvil."));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrows move from figure to figure; Tab goes on to the charts.
    table->setTabKeyNavigation(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    //: The rows of the table of the games against each Dorvil, 380 pixels wide with
    //: three columns of figures: keep each heading short.
    table->setVerticalHeaderLabels({QCoreApplication::translate("HistoryWindow", "Classic Dorvil"),
                                    QCoreApplication::translate("HistoryWindow", "Sharp Dorvil"),
                                    QCoreApplication::translate("HistoryWindow", "Expert Dorvil"),
                                    //: The row of the games recorded before the history
                                    //: named the Dorvil who played them.
                                    QCoreApplication::translate("HistoryWindow", "Not recorded")});
    //: The columns of the table of the games against each Dorvil: games the player won,
    //: games he lost, and the money he won (or lost). Keep each heading short.
    table->setHorizontalHeaderLabels({QCoreApplication::translate("HistoryWindow", "Won"),
                                      QCoreApplication::translate("HistoryWindow", "Lost"),
                                      QCoreApplication::translate("HistoryWindow", "Money")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    //: The tool tip of the row "Not recorded".
    const QString unnamed = QCoreApplication::translate(
        "HistoryWindow", "Games recorded before the history named the Dorvil who played them");
    table->verticalHeaderItem(HistoryFigures::NotRecorded)->setToolTip(unnamed);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFixedWidth(width);
    table->setRowHidden(HistoryFigures::NotRecorded, true);
    FitHeight(table);
    return table;
}

void ShowDorvilTable(QTableWidget* table, const HistoryFigures& f) {
    const QLocale locale;
    for (int row = 0; row <= HistoryFigures::NotRecorded; ++row) {
        const DorvilTally& against = f.Against[row];
        const qint64 cents = against.Money;
        const QString money = against.Games() == 0 ? QStringLiteral("-") : SignedMoney(cents);
        const QString cells[3] = {locale.toString(against.Won), locale.toString(against.Lost),
                                  money};
        QString saidMoney = Money(0);
        if (against.Games() == 0)
            //: For screen readers, the money against a Dorvil not met yet.
            saidMoney = QCoreApplication::translate("HistoryWindow", "nothing yet");
        else if (cents > 0)
            //: For screen readers, the money won against a Dorvil: %1 an amount of money.
            saidMoney =
                QCoreApplication::translate("HistoryWindow", "you won %1").arg(Money(cents));
        else if (cents < 0)
            //: For screen readers, the money lost against a Dorvil: %1 an amount of money.
            saidMoney =
                QCoreApplication::translate("HistoryWindow", "you lost %1").arg(Money(cents));
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setData(Qt::AccessibleTextRole,
                          QCoreApplication::translate("HistoryWindow", "%1, %2: %3")
                              .arg(table->verticalHeaderItem(row)->text(),
                                   table->horizontalHeaderItem(column)->text(),
                                   column == 2 ? saidMoney : cells[column]));
            table->setItem(row, column, item);
        }
    }
    table->setRowHidden(HistoryFigures::NotRecorded,
                        f.Against[HistoryFigures::NotRecorded].Games() == 0);
    FitHeight(table);
}
