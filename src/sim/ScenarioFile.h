// The scenario file: its set-up directives and the player's actions, read
// and checked line by line.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>

struct ScenarioError {
    int Line;
    QString What;
};

// The position before the first action.
struct ScenarioSetup {
    std::optional<uint64_t> Seed;
    QString Name = QStringLiteral("Player");
    QList<int> Player, Dorvil, Discard, StockDraws;
    int Face = 0;
    std::map<int, QList<int>> Columns; // in the order the cards were placed
    std::map<int, int> ColumnLine;
    bool MadePlayer = false, MadeDorvil = false;
    int ScoreP = 0, ScoreD = 0;
    int Target = 100;
    bool DorvilFirst = false;
    bool SharpDorvil = false;
    int StockDrawsLine = 0;
};

struct ScenarioAction {
    int Line;
    QString Text; // as written, blanks folded
    QStringList Words;
};

struct ScenarioFile {
    ScenarioSetup Setup;
    QList<ScenarioAction> Actions;
};

// Throws ScenarioError naming the line of the first fault.
ScenarioFile ParseScenario(const QByteArray& text);

// A scenario is a short text: files beyond this are refused unread, and so
// are lines beyond MaxScenarioLine characters.
constexpr qint64 MaxScenarioBytes = 4 << 20;
constexpr int MaxScenarioLine = 1000;

// The bytes of the scenario file at `path` ("-" for standard input), or why
// they cannot be a scenario.
struct ScenarioBytes {
    QByteArray Text;
    QString Error;
};
ScenarioBytes ReadScenarioBytes(const QString& path);
