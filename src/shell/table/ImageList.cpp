// Pictures of the table, drawn at run time: plain card faces where there is
// no deck, and the pointers, button bar and message-box icons painted by
// hand (CardImages.cpp draws the cards from the deck).
#include "ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace {
QPixmap Blank(int w, int h, qreal dpr) {
    QPixmap pm(static_cast<int>(std::ceil(w * dpr)), static_cast<int>(std::ceil(h * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

// A hand with the index finger pointing up; the finger tip is at (12, 1).
QPainterPath PointingHand() {
    QPainterPath p;
    p.moveTo(10, 3);
    p.cubicTo(10, 0, 14, 0, 14, 3);
    p.lineTo(14, 12);
    p.cubicTo(14, 10, 18, 10, 18, 12);
    p.cubicTo(18, 10, 22, 10, 22, 13);
    p.cubicTo(22, 11, 26, 11, 26, 14);
    p.lineTo(26, 22);
    p.cubicTo(26, 27, 23, 30, 19, 30);
    p.lineTo(13, 30);
    p.cubicTo(10, 30, 8, 27, 5, 22);
    p.lineTo(2, 17);
    p.cubicTo(1, 15, 4, 13, 6, 15);
    p.lineTo(10, 19);
    p.closeSubpath();
    return p;
}

// A closed hand seen from above, knuckles forward; centred on (16, 14).
QPainterPath GrabbingHand() {
    QPainterPath p;
    p.moveTo(7, 12);
    for (int i = 0; i < 4; ++i)
        p.cubicTo(7 + 5 * i, 7, 11 + 5 * i, 7, 12 + 5 * i, 12);
    p.cubicTo(27, 9, 29, 11, 28, 15);
    p.lineTo(27, 21);
    p.cubicTo(26, 26, 22, 29, 17, 29);
    p.lineTo(13, 29);
    p.cubicTo(8, 29, 5, 25, 5, 20);
    p.closeSubpath();
    return p;
}
} // namespace

QPixmap ImageList::DrawPlain(int index) const {
    QPixmap pm = Blank(Size.width(), Size.height(), Dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Size.width() / double(CardWidth), Size.height() / double(CardHeight));
    QRectF card(0.5, 0.5, CardWidth - 1, CardHeight - 1);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 4, 4);
    if (index == 53) {
        p.setClipRect(card.adjusted(4, 4, -4, -4));
        p.fillRect(card, QColor(30, 60, 160));
        p.setPen(QPen(QColor(170, 190, 255), 1));
        for (int d = -CardHeight; d < CardWidth + CardHeight; d += 6) {
            p.drawLine(d, 0, d + CardHeight, CardHeight);
            p.drawLine(d, CardHeight, d + CardHeight, 0);
        }
        return pm;
    }
    static const char* const ranks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    static const char16_t suits[] = {u'\u2666', u'\u2663', u'\u2665', u'\u2660'};
    int suit = (index - 1) / 13;
    p.setPen(suit == 0 || suit == 2 ? QColor(200, 0, 0) : Qt::black);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    QString corner =
        QLatin1String(ranks[(index - 1) % 13]) + QLatin1Char('\n') + QChar(suits[suit]);
    p.drawText(QRectF(4, 3, 20, 34), Qt::AlignHCenter | Qt::AlignTop, corner);
    font.setPixelSize(34);
    p.setFont(font);
    p.drawText(card, Qt::AlignCenter, QString(QChar(suits[suit])));
    return pm;
}

void ImageList::SetPointerScale(const TableScale& scale) {
    if (scale == PointerScale) return;
    PointerScale = scale;
    PointersMade = false;
}

QPixmap ImageList::PointerImage(int index) {
    const int side = PointerScale.Scaled(32);
    QPixmap pm = Blank(side, side, Dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(index == 55 ? GrabbingHand() : PointingHand());
    if (index == 56) {
        p.setPen(QPen(QColor(220, 0, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(22, 22), 7.5, 7.5);
        p.drawLine(QPointF(16.7, 27.3), QPointF(27.3, 16.7));
    }
    return pm;
}

const QCursor& ImageList::Pointer(int index) {
    if (!PointersMade) {
        PointersMade = true;
        auto cursor = [this](int image, int hotX, int hotY) {
            const double f = PointerScale.Factor();
            return QCursor(PointerImage(image), static_cast<int>(std::lround(hotX * f)),
                           static_cast<int>(std::lround(hotY * f)));
        };
        Pointers = {cursor(54, 12, 1), cursor(55, 16, 14), cursor(56, 12, 1)};
    }
    return Pointers[static_cast<size_t>(std::clamp(index, 54, 56) - 54)];
}

QPixmap ImageList::ButtonBar(qreal dpr, const TableScale& scale) {
    const int w = scale.Px(1500), h = scale.Px(375), edge = scale.Scaled(1);
    const QString key = QStringLiteral("meldora-bar-%1x%2@%3").arg(w).arg(h).arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    QImage img(static_cast<int>(w * dpr), static_cast<int>(h * dpr), QImage::Format_RGB32);
    // The marbling is a function of the design's coordinates, so it grows with the bar.
    const double unit = dpr * scale.Factor();
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            double u = x / unit, v = y / unit;
            double vein = std::sin(u * 0.21 + 3.0 * std::sin(v * 0.37 + u * 0.045) +
                                   1.5 * std::sin(u * 0.09 - v * 0.6));
            double shade = 0.72 + 0.22 * vein + 0.06 * std::sin(u * 1.7 + v * 2.3);
            line[x] = qRgb(std::clamp(static_cast<int>(215 * shade), 0, 255),
                           static_cast<int>(28 * shade), static_cast<int>(24 * shade));
        }
    }
    pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    for (int i = 0; i < 2; ++i) {
        const int o = i * edge;
        p.fillRect(o, o, w - 2 * o, edge, QColor(255, 170, 160));
        p.fillRect(o, o, edge, h - 2 * o, QColor(255, 170, 160));
        p.fillRect(o, h - o - edge, w - 2 * o, edge, QColor(90, 0, 0));
        p.fillRect(w - o - edge, o, edge, h - 2 * o, QColor(90, 0, 0));
    }
    p.end();
    QPixmapCache::insert(key, pm);
    return pm;
}

// The installed icon's own drawing, at the sizes that title bars, task bars
// and switchers ask for, so the window and the menu entry look alike.
QIcon ImageList::WindowIcon() {
    QSvgRenderer svg(QStringLiteral(":/icons/org.meldora.Meldora.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm = Blank(size, size, 1.0);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap MessageIcon(int icon, qreal dpr, const TableScale& scale) {
    bool face = icon == 4 || icon == 5;
    const int w = face ? 24 : 32, h = face ? 22 : 32;
    QPixmap pm = Blank(scale.Scaled(w), scale.Scaled(h), dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale.Scaled(w) / double(w), scale.Scaled(h) / double(h));
    if (face) {
        p.fillRect(QRect(0, 0, 24, 22), QColor(192, 192, 192));
        p.setPen(Qt::white);
        p.drawLine(0, 0, 23, 0);
        p.drawLine(0, 0, 0, 21);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 21, 23, 21);
        p.drawLine(23, 0, 23, 21);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(icon == 4 ? QColor(255, 230, 0) : QColor(40, 190, 60));
        p.drawEllipse(QRectF(3.5, 2.5, 17, 17));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(9, 8.5), 1.3, 1.6);
        p.drawEllipse(QPointF(15, 8.5), 1.3, 1.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.4));
        if (icon == 4)
            p.drawArc(QRectF(7, 8, 10, 7), -20 * 16, -140 * 16);
        else
            p.drawArc(QRectF(7, 13, 10, 6), 20 * 16, 140 * 16);
        return pm;
    }
    static const struct {
        QColor colour;
        const char* text;
    } signs[] = {{QColor(255, 220, 0), "?"}, {QColor(220, 0, 220), "i"}, {QColor(230, 0, 0), "!"}};
    const auto& sign = signs[std::clamp(icon, 1, 3) - 1];
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(30);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QLatin1String(sign.text));
    QRectF box = path.boundingRect();
    path.translate(16 - box.center().x(), 16 - box.center().y());
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(sign.colour);
    p.drawPath(path);
    return pm;
}
