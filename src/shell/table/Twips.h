// The table at its design size: TableScale's conversions at scale 1, for
// checks of the layout as designed.
#pragma once

#include "TableScale.h"

inline int Px(int twips) {
    return TableScale().Px(twips);
}
inline QRect PxRect(int left, int top, int width, int height) {
    return TableScale().Px(QRect(left, top, width, height));
}
inline QRect PxRect(const QRect& twips) {
    return TableScale().Px(twips);
}
inline QFont TableFont(Face face, double points, bool bold = false, bool italic = false,
                       bool underline = false) {
    return TableScale().Font({face, points, bold, italic, underline});
}
