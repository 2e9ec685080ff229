// The list of kept hands.
#include "KeptHandsList.h"

#include "CellFocus.h"
#include "KeptHands.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

KeptHandsList::KeptHandsList(QWidget* parent, const QString& keptFile) : QDialog(parent) {
    setObjectName(QStringLiteral("KeptHandsList"));
    //: The title of the list of hands kept for review.
    setWindowTitle(tr("Kept Hands"));
    const Review::KeptHandsRead read = Review::ReadKeptHands(keptFile);
    auto* layout = new QVBoxLayout(this);
    Hands = new QTableWidget(int(read.Hands.size()), 4, this);
    Hands->setObjectName(QStringLiteral("KeptHands"));
    //: For screen readers: the list of hands kept for review.
    Hands->setAccessibleName(tr("Kept hands"));
    Hands->setHorizontalHeaderLabels({tr("Date"), tr("Went out"), tr("Points"), tr("Dorvil")});
    Hands->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Hands->setSelectionBehavior(QAbstractItemView::SelectRows);
    Hands->setSelectionMode(QAbstractItemView::SingleSelection);
    Hands->verticalHeader()->hide();
    Hands->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QLocale locale;
    for (int row = 0; row < int(read.Hands.size()); ++row) {
        const Review::KeptHand& h = read.Hands[read.Hands.size() - 1 - size_t(row)];
        const QString who = h.End != Model::Ending::Out ? tr("No one")
                            : h.Winner == Model::Player ? tr("You")
                                                        : QStringLiteral("Dorvil");
        const QString cells[4] = {
            locale.toString(QDateTime::fromSecsSinceEpoch(h.When), QLocale::ShortFormat), who,
            locale.toString(h.Points), h.Dorvil == 2 ? tr("Expert") : h.Dorvil == 1 ? tr("Sharp") : tr("Classic")};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            // A screen reader reads a row's cells bare: each says what it is.
            //: For screen readers, a cell of the list: %1 its column's heading, %2 the cell.
            item->setData(Qt::AccessibleTextRole,
                          tr("%1: %2").arg(Hands->horizontalHeaderItem(c)->text(), cells[c]));
            Hands->setItem(row, c, item);
        }
    }
    if (Hands->rowCount()) Hands->selectRow(0);
    TellCellOnFocus(Hands);
    layout->addWidget(Hands, 1);
    if (read.Damaged)
        //: Under the list: %n entries of the file could not be read.
        layout->addWidget(new QLabel(
            read.Damaged == 1 ? tr("%n damaged entry was skipped.", nullptr, 1)
                              : tr("%n damaged entries were skipped.", nullptr, read.Damaged),
            this));
    auto* buttons = new QHBoxLayout;
    //: A button: opens the review of the hand chosen in the list.
    auto* open = new QPushButton(tr("&Review"), this);
    open->setObjectName(QStringLiteral("KeptHandsReview"));
    open->setDefault(true);
    open->setEnabled(Hands->rowCount() > 0);
    auto* close = new QPushButton(tr("&Close"), this);
    buttons->addWidget(open);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    auto chosen = [this] {
        if (Hands->currentRow() < 0) return;
        Choice = Hands->currentRow() + 1;
        accept();
    };
    connect(open, &QPushButton::clicked, this, chosen);
    connect(Hands, &QTableWidget::cellDoubleClicked, this, chosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, 420);
}

int KeptHandsList::Count() const {
    return Hands->rowCount();
}
