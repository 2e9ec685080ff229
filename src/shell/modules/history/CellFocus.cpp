// Telling a screen reader the current cell of a table as it takes the focus.
#include "CellFocus.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QEvent>
#include <QTableView>
#include <QTimer>

namespace {

class CellTeller : public QObject {
  public:
    explicit CellTeller(QTableView* table) : QObject(table), Table(table) {}

    bool eventFilter(QObject*, QEvent* e) override {
        // After the focus has settled: the view makes its first cell
        // current while it handles the event, and the reader hears the
        // table's own focus after it.
        if (e->type() == QEvent::FocusIn) QTimer::singleShot(0, this, [this] { Tell(); });
        return false;
    }

  private:
    void Tell() {
        const QModelIndex current = Table->currentIndex();
        if (!QAccessible::isActive() || !Table->hasFocus() || !current.isValid()) return;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Table);
        QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
        QAccessibleInterface* cell =
            cells ? cells->cellAt(current.row(), current.column()) : nullptr;
        if (!cell) return;
        QAccessibleEvent focus(Table, QAccessible::Focus);
        focus.setChild(table->indexOfChild(cell));
        QAccessible::updateAccessibility(&focus);
    }

    QTableView* Table;
};

} // namespace

void TellCellOnFocus(QTableView* table) {
    table->installEventFilter(new CellTeller(table));
}
