// A table that draws nothing and plays nothing, the base of the runner's
// headless tables: it only keeps where the game put each card picture. Each
// headless table overrides what it needs to see or answer.
#pragma once

#include "NullView.h"

class HeadlessView : public NullView {
  public:
    int Left[53] = {}, Top[53] = {};

    void MoveCard(int n, int left, int top) override { Left[n] = left, Top[n] = top; }
    int CardLeft(int n) const override { return Left[n]; }
    int CardTop(int n) const override { return Top[n]; }
};
