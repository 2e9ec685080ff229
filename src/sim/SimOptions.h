// The command line of meldora-sim, read in one place: either one scenario
// file, or a self-play run with its count, seed, data folder and the policy
// that plays the player's side.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct SimOptions {
    enum Mode { Scenario, SelfPlay, Review, CheckKept } Run = Scenario;
    std::optional<uint64_t> Seed;
    QString File;       // the scenario; "-" for standard input
    int64_t Hands = 0;  // self-play: hands to deal
    QString DataFolder; // self-play: where Scores.dat and Names2.dat are read and written
    QString Player = QStringLiteral("random");
    int Dorvil = 0;         // self-play: --dorvil classic (0), sharp (1) or expert (2)
    bool Restore = false;   // self-play: --restore, the game saved and taken up again
    bool KeepGame = false;  // self-play: --recovery, the game kept in --data and taken up
    double DropTrials = -1; // self-play: --drop-trials, the chance at a point of rest; -1 default
    bool KeepHands = false;  // self-play: --keep-hands, each hand kept in --data and replayed
    int ReviewHand = 0;      // --review N: the kept hand N of --data, 1 the latest
    int Judge = 0;           // --check-kept --judge N: the player's decisions judged in N hands
    bool Help = false;      // --help: the usage is printed, nothing is played
    QString Error;          // set when the arguments cannot be used
};

SimOptions ParseSimOptions(const QStringList& args);
QString SimUsage();
QString SimHelp(); // the usage and what the runner does
