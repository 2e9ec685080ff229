// Fitting texts into the room they have: a text too wide is shortened with
// an ellipsis, the player's name first, so that what stands round the name
// (a score, an instruction) stays whole; and two headings of a row are kept
// apart and inside it. Pure functions of the texts' widths, in pixels.
#pragma once

#include <QString>

class QFontMetrics;

// `text` as it fits in `width` pixels: whole when it fits; else with `name`
// (when the text holds it) shortened at its end; else cut at its end.
QString FitText(const QString& text, const QString& name, const QFontMetrics& fm, int width);

// Two texts in a row between `left` and `right`, each wanting `width` and
// centred on its `anchor`: kept within the row, pushed apart to `gap` when
// they would meet, and the first one (the player's, with the name) narrowed
// when even that leaves too little room.
struct RowPlaces {
    int Left[2];
    int Width[2];
};
RowPlaces FitRow(int left, int right, int gap, const int anchor[2], const int width[2]);
