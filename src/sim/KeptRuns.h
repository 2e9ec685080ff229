// Kept hands in the runner: self-play that keeps each settled hand in the
// data folder's file as the window does and plays it again from the file,
// the whole file replayed, and one kept hand's review printed.
#pragma once

#include <QString>
#include <cstdint>

class SelfPlay;

struct KeptTally {
    int64_t Settled = 0; // hands ended at the table, won or drawn
    int64_t Kept = 0;    // of them, written to the file
    int64_t Equal = 0;   // read back and replayed to the same table and points
    int64_t Differ = 0;
    QString First; // the first difference
};

// Keeps every hand `play` settles in `folder`'s file of kept hands.
void KeepHands(SelfPlay& play, const QString& folder, KeptTally& tally);
QString KeptLine(const KeptTally& tally);

// Replays every hand in `folder`'s file; prints a line, and returns 1 on a
// difference. The first `judge` hands have the player's decisions judged,
// and the judged loss is printed.
int CheckKeptFile(const QString& folder, int judge = 0);
// Prints the review of the kept hand `n`, 1 the latest; 2 when there is none.
int PrintReview(const QString& folder, int n);
