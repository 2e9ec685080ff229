// Placing and drawing a focus frame.
#include "FocusFrame.h"

#include "table/TableScale.h"

#include <QCoreApplication>
#include <QPainter>

FocusFrame::FocusFrame(QWidget* table, const QString& name, bool faint)
    : QWidget(table), Dashed(faint) {
    setObjectName(name);
    //: For screen readers: the frame round what the keys act on.
    setAccessibleName(QCoreApplication::translate("FocusFrame", "Keyboard focus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusFrame::Surround(const QRect& area, const TableScale& scale) {
    if (area.isEmpty()) {
        hide();
        return;
    }
    Pen = scale.Scaled(2);
    const int margin = scale.Scaled(4);
    setGeometry(area.adjusted(-margin, -margin, margin, margin));
    update();
    show();
    if (parentWidget()->children().constLast() != this) raise();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF box = QRectF(rect()).adjusted(Pen, Pen, -Pen, -Pen);
    const QColor yellow(255, 255, 0);
    if (Dashed) {
        p.setPen(QPen(yellow, Pen, Qt::DashLine));
        p.drawRect(box);
        return;
    }
    p.setPen(QPen(Qt::black, Pen + 2));
    p.drawRect(box);
    p.setPen(QPen(yellow, Pen));
    p.drawRect(box);
}
