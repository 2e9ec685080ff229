// Where the table window stood when it was last closed: its size and place
// when neither full screen nor maximised, and whether it was either. Kept in
// the user's configuration, and fitted to the screens of a later start.
#pragma once

#include <QRect>

class QSettings;

struct WindowPlacement {
    QRect Normal; // invalid when nothing usable was kept
    bool FullScreen = false;
    bool Maximized = false;

    static WindowPlacement Read(QSettings& settings);
    void Write(QSettings& settings) const;
};

// `wanted` shrunk to fit `available` (but not below `minimum`) and moved
// wholly onto it.
QRect FitToScreen(const QRect& wanted, const QRect& available, QSize minimum);
