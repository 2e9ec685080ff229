// The file of kept hands beside History.csv: a header line and one line per
// hand, the newest last, the last Limit hands kept. It is always written
// whole, aside and then renamed, so a crash leaves the old file; reading
// skips and counts damaged lines and never fails the game.
#pragma once

#include "KeptHand.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace Review {

inline const QString KeptHandsName = QStringLiteral("Hands.txt");
constexpr int Limit = 1000;
// Longer lines are never hands: a hand of the longest kind stays far below.
constexpr qsizetype MaxLine = 16384;

// The file beside a history file; empty when there is none.
QString KeptHandsBeside(const QString& historyFile);

struct KeptHandsRead {
    bool Opened = false;
    std::vector<KeptHand> Hands; // oldest first
    int Damaged = 0;
};
KeptHandsRead ReadKeptHands(const QString& path);

// Adds an encoded hand (Encode) after the sound lines already kept, the
// oldest dropped beyond `limit`.
bool KeepHand(const QString& path, const QByteArray& line, int limit = Limit);
// Leaves the file with no hand.
bool ClearKeptHands(const QString& path);

} // namespace Review
