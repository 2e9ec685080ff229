// The table's colours as designed: the navy cloth and the light cyan of its
// texts, shared by the window's controls and every part drawn on the table.
#pragma once

#include <QColor>

namespace TableColour {
inline const QColor Navy(0, 0, 128);
inline const QColor LightCyan(192, 255, 255);
} // namespace TableColour
