// Where a card let go over the table lands, by the top-left corner of its
// picture in twips: on the discard pile, in one of the six meld columns, or
// elsewhere (back to the hand). The pointer's handlers read the areas; the
// keys and the self-play's players let a card go at the points given here,
// which lie well inside them.
#pragma once

#include <QPoint>

namespace DropAreas {
inline bool InDiscardArea(int left, int top) {
    return 240 < left && left < 2040 && 4560 < top && top < 6720;
}
inline bool InMeldArea(int left, int top) {
    return 2400 < left && left < 10080 && 2280 < top && top < 6600;
}
// The column whose band holds `left`, 0 for none; band 1 reaches past the
// first dividing line.
inline int ColumnBand(int left) {
    constexpr int bands[6][2] = {{2400, 3840}, {3600, 4920}, {4920, 6240},
                                 {6240, 7560}, {7560, 8880}, {8880, 10080}};
    for (int c = 1; c <= 6; ++c)
        if (bands[c - 1][0] < left && left < bands[c - 1][1]) return c;
    return 0;
}

constexpr QPoint DiscardPoint(1000, 5500);
// Column 1..6.
constexpr QPoint ColumnPoint(int column) {
    constexpr int lefts[6] = {3000, 4320, 5640, 6960, 8280, 9600};
    return {lefts[column - 1], 4000};
}
} // namespace DropAreas
