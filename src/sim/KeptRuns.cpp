// Kept hands in the runner.
#include "KeptRuns.h"

#include "FrmMain.h"
#include "HandKeeper.h"
#include "Judgement.h"
#include "KeptHands.h"
#include "ReviewText.h"
#include "SelfPlay.h"

#include <QDir>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

QString FileIn(const QString& folder) {
    return QDir(folder).filePath(Review::KeptHandsName);
}

void Print(const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

} // namespace

void KeepHands(SelfPlay& play, const QString& folder, KeptTally& tally) {
    auto keeper = std::make_shared<Review::HandKeeper>();
    const QString path = FileIn(folder);
    play.ListenToDeals([&play, keeper] { keeper->Dealt(*play.Table()); });
    // Taken up as the window takes up a game carried on after a crash.
    play.ListenToRestores([&play, keeper] { keeper->Resumed(*play.Table()); });
    play.ListenToTable([&play, keeper, path, &tally](const TableEvent& e) {
        const FrmMain* table = play.Table();
        if (!table) return;
        std::optional<Review::KeptHand> hand = keeper->Seen(*table, e);
        if (e.What == TableEvent::HandWon || e.What == TableEvent::DrawCalled) ++tally.Settled;
        if (!hand) return;
        const QByteArray line = Review::Encode(*hand);
        if (!Review::KeepHand(path, line)) return;
        ++tally.Kept;
        const Review::KeptHandsRead read = Review::ReadKeptHands(path);
        QString why;
        if (read.Hands.empty() || Review::Encode(read.Hands.back()) != line)
            why = QStringLiteral("the hand read back is not the hand kept");
        else
            why = Review::PlayAgain(read.Hands.back()).Fault;
        if (why.isEmpty()) {
            ++tally.Equal;
            return;
        }
        ++tally.Differ;
        if (tally.First.isEmpty())
            tally.First = QStringLiteral("hand %1: %2").arg(tally.Settled).arg(why);
    });
}

QString KeptLine(const KeptTally& t) {
    QString line = QStringLiteral("kept hands: %1 ended at the table, %2 kept, %3 replayed from the file to "
                                  "the same table and points, %4 differences")
                       .arg(t.Settled)
                       .arg(t.Kept)
                       .arg(t.Equal)
                       .arg(t.Differ);
    if (!t.First.isEmpty()) line += QStringLiteral("; first: ") + t.First;
    return line;
}

int CheckKeptFile(const QString& folder, int judge) {
    const Review::KeptHandsRead read = Review::ReadKeptHands(FileIn(folder));
    int equal = 0, differ = 0, judged = 0;
    double sum = 0, squares = 0;
    int64_t decisions = 0, good = 0;
    for (const Review::KeptHand& h : read.Hands) {
        const Review::Replay replay = Review::PlayAgain(h);
        ++(replay.Matches ? equal : differ);
        if (!replay.Matches || judged >= judge) continue;
        ++judged;
        const Review::Judgement j = Review::Judge(h, replay.Steps);
        for (const Review::Decision& d : j.Decisions) {
            sum += d.Cost();
            squares += d.Cost() * d.Cost();
            good += d.Cost() <= j.Margin;
        }
        decisions += int64_t(j.Decisions.size());
    }
    Print(QStringLiteral("%1: %2 hands, %3 replayed to the same table and points, %4 differences, "
                         "%5 damaged entries skipped")
              .arg(FileIn(folder))
              .arg(read.Hands.size())
              .arg(equal)
              .arg(differ)
              .arg(read.Damaged));
    if (decisions) {
        const double mean = sum / double(decisions);
        const double sd = std::sqrt(std::max(0.0, squares / double(decisions) - mean * mean));
        Print(QStringLiteral("judged %1 hands, %2 decisions of the player: judged loss %3 +- %4 "
                             "points a decision (95%), %5 points a hand; %6% good")
                  .arg(judged)
                  .arg(decisions)
                  .arg(mean, 0, 'f', 3)
                  .arg(1.96 * sd / std::sqrt(double(decisions)), 0, 'f', 3)
                  .arg(sum / judged, 0, 'f', 2)
                  .arg(100.0 * double(good) / double(decisions), 0, 'f', 1));
    }
    return differ ? 1 : 0;
}

int PrintReview(const QString& folder, int n) {
    const Review::KeptHandsRead read = Review::ReadKeptHands(FileIn(folder));
    if (n < 1 || n > int(read.Hands.size())) {
        std::fprintf(stderr, "meldora-sim: %s holds %d hands\n",
                     FileIn(folder).toUtf8().constData(), int(read.Hands.size()));
        return 2;
    }
    const Review::KeptHand& h = read.Hands[read.Hands.size() - n];
    const Review::Replay replay = Review::PlayAgain(h);
    QElapsedTimer clock;
    clock.start();
    const Review::Judgement judgement = Review::Judge(h, replay.Steps);
    const qint64 ms = clock.elapsed();
    const QStringList judged = Review::JudgedLines(h, replay.Steps, judgement);
    Print(Review::HandLine(h));
    Print(Review::SummaryLine(judgement));
    for (size_t i = 0; i + 1 < replay.Steps.size(); ++i) {
        Print(QStringLiteral("%1. ").arg(i + 1) + Review::MoveLine(replay.Steps[i], h.Moves[i]));
        if (!judged.value(int(i)).isEmpty()) Print(QStringLiteral("    ") + judged[int(i)]);
    }
    Print(Review::EndLine(h));
    if (!replay.Matches) Print(QStringLiteral("The replay differs: ") + replay.Fault);
    std::fprintf(stderr, "judged %d decisions in %lld ms\n", int(judgement.Decisions.size()), ms);
    return replay.Matches ? 0 : 1;
}
