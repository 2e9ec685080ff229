// meldora-sim [--seed N] FILE: plays one scenario headless.
// meldora-sim --self-play N [--seed S] [--data DIR] [--player random|greedy|hint]
// [--dorvil classic|sharp|expert] [--restore] [--recovery] [--keep-hands]: plays
// N hands against itself and checks the table throughout.
// meldora-sim --review N --data DIR, --check-kept --data DIR: the kept hands.
#include "History.h"
#include "KeptRuns.h"
#include "Scenario.h"
#include "ScenarioFile.h"
#include "SelfPlay.h"
#include "SimOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 2;
}

int PlayScenario(const SimOptions& o) {
    const QString name = o.File == QLatin1String("-") ? QStringLiteral("(standard input)") : o.File;
    ScenarioBytes file = ReadScenarioBytes(o.File);
    if (!file.Error.isEmpty()) return Fail(name + QStringLiteral(": ") + file.Error);
    ScenarioResult result = RunScenario(file.Text, o.Seed);
    if (result.ExitCode != 0) return Fail(name + QStringLiteral(": ") + result.Error);
    std::fputs(result.Output.toUtf8().constData(), stdout);
    return 0;
}

int PlaySelf(const SimOptions& o) {
    SelfPlayConfig config;
    config.Hands = o.Hands;
    config.Player = o.Player;
    config.Dorvil = o.Dorvil;
    config.Restore = o.Restore;
    config.KeepGame = o.KeepGame;
    if (o.DropTrials >= 0) config.DropTrials = o.DropTrials;
    config.Seed =
        o.Seed ? *o.Seed
               : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    if (!o.DataFolder.isEmpty()) {
        const QFileInfo data(o.DataFolder);
        if (data.exists() && !data.isDir())
            return Fail(o.DataFolder + QStringLiteral(": not a folder"));
        if (!QDir().mkpath(o.DataFolder))
            return Fail(o.DataFolder + QStringLiteral(": cannot be made"));
        config.DataFolder = data.absoluteFilePath();
    }
    SelfPlay play(config);
    // The data folder gets the history of games the window keeps, by the same recorder.
    if (!config.DataFolder.isEmpty())
        play.ListenToTable([&play](const TableEvent& e) {
            if (const FrmMain* table = play.Table()) History::RecordSettledHand(*table, e);
        });
    KeptTally kept;
    if (o.KeepHands) KeepHands(play, config.DataFolder, kept);
    const SelfPlayResult result = play.Run();
    if (!result.FaultReport.isEmpty()) std::fputs(result.FaultReport.toUtf8().constData(), stdout);
    std::printf("seed %llu; %lld sessions; the longest hand took %lld turns\n",
                static_cast<unsigned long long>(config.Seed),
                static_cast<long long>(result.Sessions),
                static_cast<long long>(result.LongestHand));
    if (o.Restore || o.KeepGame)
        std::printf("the table was thrown away and taken up from its recovery file %lld times; "
                    "%lld sessions continued a saved game\n",
                    static_cast<long long>(result.Restores),
                    static_cast<long long>(result.Continued));
    std::printf("%s\n", WinsLine(result).toUtf8().constData());
    std::printf("%s\n", ModelLine(result).toUtf8().constData());
    std::printf("%s\n", SummaryLine(result).toUtf8().constData());
    if (o.KeepHands) std::printf("%s\n", KeptLine(kept).toUtf8().constData());
    return result.Faults > 0 || kept.Differ > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const SimOptions options = ParseSimOptions(app.arguments().mid(1));
    if (options.Help) {
        std::fputs(SimHelp().toUtf8().constData(), stdout);
        return 0;
    }
    if (!options.Error.isEmpty())
        return Fail(QStringLiteral("meldora-sim: ") + options.Error + QLatin1Char('\n') +
                    SimUsage());
    switch (options.Run) {
    case SimOptions::SelfPlay:
        return PlaySelf(options);
    case SimOptions::Review:
        return PrintReview(options.DataFolder, options.ReviewHand);
    case SimOptions::CheckKept:
        return CheckKeptFile(options.DataFolder, options.Judge);
    case SimOptions::Scenario:
        break;
    }
    return PlayScenario(options);
}
