// Placing and drawing the hint's box.
#include "HintBox.h"

#include "table/TableScale.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
// The instruction line's row, in twips, and the box's margins beside it; the
// player's hand, which a box of several lines stands on, right of the
// discard pile's frame.
constexpr int LineTop = 6960, LineHeight = 255, Side = 240, Inset = 60;
constexpr int HandLeft = 3360, HandTop = 7560;
const FontDesign Font{Face::Serif, 11.25, true};
} // namespace

HintBox::HintBox(QWidget* table) : QLabel(table) {
    setObjectName(QStringLiteral("HintBox"));
    //: For screen readers: the box that shows a hint or the demo's move.
    setAccessibleName(QCoreApplication::translate("HintBox", "Hint"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HintBox::Show(const QString& text, const TableScale& scale) {
    setText(text);
    Place(scale);
    show();
    raise();
}

void HintBox::Place(const TableScale& scale) {
    setFont(scale.Font(Font));
    const int pen = scale.Scaled(1), pad = scale.Scaled(4), above = scale.Scaled(2);
    setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black; border: %1px solid "
                                 "#806000; border-radius: %2px; padding: %3px %2px; }")
                      .arg(pen)
                      .arg(pad)
                      .arg(above));
    const int oneLine = scale.Px(LineHeight + 2 * Inset);
    int left = scale.Px(Side), width = scale.Px(TableScale::DesignWidth - 2 * Side);
    int height = std::max(heightForWidth(width), oneLine);
    int bottom = scale.Px(LineTop + LineHeight + Inset);
    if (height > oneLine) {
        left = scale.Px(HandLeft);
        width = scale.Px(TableScale::DesignWidth - Side) - left;
        height = std::max(heightForWidth(width), oneLine);
        bottom = scale.Px(HandTop) - pen;
    }
    setGeometry(left, bottom - height, width, height);
}
