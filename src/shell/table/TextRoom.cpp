// Shortening texts and placing a row of two headings.
#include "TextRoom.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
const QChar Ellipsis(0x2026);

// As wide as the text is drawn, to the pixel begun.
int Drawn(const QFontMetrics& fm, const QString& text) {
    return fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft, text).width();
}

// The font's own shortening, without a blank left before the ellipsis.
QString Elided(const QString& text, const QFontMetrics& fm, int width) {
    QString cut = fm.elidedText(text, Qt::ElideRight, width);
    if (cut.endsWith(Ellipsis) && cut.size() > 1) cut = cut.chopped(1).trimmed() + Ellipsis;
    return cut;
}
} // namespace

QString FitText(const QString& text, const QString& name, const QFontMetrics& fm, int width) {
    if (Drawn(fm, text) <= width) return text;
    const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name);
    if (at >= 0) {
        const QString before = text.left(at), after = text.mid(at + name.size());
        const int around = Drawn(fm, before + after);
        // Kerning across the joins may want a pixel or two more.
        for (int room = width - around;
             room > fm.horizontalAdvance(Ellipsis) && room > width - around - 8; --room) {
            const QString shown = before + Elided(name, fm, room) + after;
            if (Drawn(fm, shown) <= width) return shown;
        }
    }
    for (int room = width; room > 0 && room > width - 8; --room) {
        const QString shown = Elided(text, fm, room);
        if (Drawn(fm, shown) <= width) return shown;
    }
    return Elided(text, fm, width - 8);
}

RowPlaces FitRow(int left, int right, int gap, const int anchor[2], const int width[2]) {
    RowPlaces row{};
    for (int i = 0; i < 2; ++i) {
        row.Width[i] = std::min(width[i], right - left);
        row.Left[i] = std::clamp(anchor[i] - row.Width[i] / 2, left, right - row.Width[i]);
    }
    int overlap = row.Left[0] + row.Width[0] + gap - row.Left[1];
    if (overlap <= 0) return row;
    // Each gives way by half, and by more when the other reaches the row's end.
    const int roomFirst = row.Left[0] - left, roomSecond = right - row.Width[1] - row.Left[1];
    const int second = std::min(roomSecond, overlap - std::min(roomFirst, (overlap + 1) / 2));
    row.Left[0] -= std::min(roomFirst, overlap - second);
    row.Left[1] += second;
    overlap = row.Left[0] + row.Width[0] + gap - row.Left[1];
    if (overlap > 0) row.Width[0] = std::max(0, row.Width[0] - overlap);
    return row;
}
