// Plays a scenario file headless through the game's own logic: a position is
// set up, the player's actions are carried out, Dorvil plays his turns, and
// every event and message box is written out, then the final table.
#pragma once

#include "TableView.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace Hint {
struct Advice;
}

struct ScenarioResult {
    int ExitCode = 0; // 0 after a run, 2 for a malformed scenario
    QString Output;
    QString Error; // "line N: ..." for a malformed scenario
};

ScenarioResult RunScenario(const QByteArray& text, std::optional<uint64_t> seed);

// "AD" for card 1, "10H" for card 36, "KS" for 52; 0 when the text is no card.
int ParseCard(const QString& text);
QString CardText(int n);
// One line of the runner's output for a table event, without its line end.
QString EventLine(const TableEvent& e);
// The move a hint advises, in the runner's words: "take face 7C", "take stock",
// "lay 5H in column 2 (meld 5H 6H 7H)", "lay off 8H on column 3",
// "take back column 2", "discard KS", "call draw", or "none".
QString HintLine(const Hint::Advice& advice);
