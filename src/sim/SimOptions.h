// The command line of meldora-sim, read in one place: either one scenario
// file, or a self-play run with its count, seed, data folder and the policy
// that plays the player's side.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct SimOptions {
    enum Mode { Scenario, SelfPlay } Run = Scenario;
    std::optional<uint64_t> Seed;
    QString File;       // the scenario; "-" for standard input
    int64_t Hands = 0;  // self-play: hands to deal
    QString DataFolder; // self-play: where Scores.dat and Names2.dat are read and written
    QString Player = QStringLiteral("random");
    bool SharpDorvil = false; // self-play: --dorvil sharp
    bool Restore = false;     // self-play: --restore, the game saved and taken up again
    bool KeepGame = false;    // self-play: --recovery, the game kept in --data and taken up
    bool Help = false;        // --help: the usage is printed, nothing is played
    QString Error;            // set when the arguments cannot be used
};

SimOptions ParseSimOptions(const QStringList& args);
QString SimUsage();
QString SimHelp(); // the usage and what the runner does
