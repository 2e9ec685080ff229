// Reading, writing and fitting the window's remembered placement.
#include "WindowState.h"

#include <QSettings>
#include <algorithm>

namespace {
const QString NormalKey = QStringLiteral("Window/Geometry");
const QString FullScreenKey = QStringLiteral("Window/FullScreen");
const QString MaximizedKey = QStringLiteral("Window/Maximized");
} // namespace

WindowPlacement WindowPlacement::Read(QSettings& settings) {
    WindowPlacement kept;
    const QVariant normal = settings.value(NormalKey);
    // A hand-edited or damaged entry is ignored rather than trusted.
    if (normal.canConvert<QRect>()) {
        const QRect rect = normal.toRect();
        if (rect.width() > 0 && rect.height() > 0 && rect.width() < 100000 &&
            rect.height() < 100000)
            kept.Normal = rect;
    }
    kept.FullScreen = settings.value(FullScreenKey, false).toBool();
    kept.Maximized = settings.value(MaximizedKey, false).toBool();
    return kept;
}

void WindowPlacement::Write(QSettings& settings) const {
    if (Normal.isValid()) settings.setValue(NormalKey, Normal);
    settings.setValue(FullScreenKey, FullScreen);
    settings.setValue(MaximizedKey, Maximized);
}

QRect FitToScreen(const QRect& wanted, const QRect& available, QSize minimum) {
    QSize size = wanted.size().boundedTo(available.size()).expandedTo(minimum);
    const int x =
        std::max(available.left(),
                 std::min(wanted.left(), available.left() + available.width() - size.width()));
    const int y =
        std::max(available.top(),
                 std::min(wanted.top(), available.top() + available.height() - size.height()));
    return {QPoint(x, y), size};
}
