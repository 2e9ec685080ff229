// The game measures in twips; the window in logical pixels, 15 twips each,
// with Qt's device pixel ratio keeping things sharp on dense screens.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <cmath>

inline int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}
inline QRect PxRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QRect PxRect(const QRect& twips) {
    return PxRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// Metric-compatible stand-ins for the table's two typefaces, sized in pixels
// so that the layout does not depend on the screen's dots per inch.
enum class Face { Serif, Sans };
inline QFont TableFont(Face face, double points, bool bold = false, bool italic = false,
                       bool underline = false) {
    QFont font(face == Face::Serif ? QStringLiteral("Liberation Serif")
                                   : QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
