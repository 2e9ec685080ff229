// The self-play's words: the last moments of a run put into a fault report,
// and the summary lines.
#include "SelfPlayRunner.h"

#include "Scenario.h"

#include <cstdlib>

using namespace SelfPlayParts;

QString SelfPlay::Runner::EntryText(const LogEntry& e) const {
    switch (e.What) {
    case LogEntry::Deal:
        return QStringLiteral("hand %1 is dealt").arg(e.X);
    case LogEntry::Session:
        return QStringLiteral("session %1 starts").arg(e.X);
    case LogEntry::Call:
        return QString(e.C * 2, QLatin1Char(' ')) + QLatin1String(e.Handler) +
               (e.B ? QStringLiteral(" %1").arg(CardText(e.B)) : QString()) +
               (e.C ? QStringLiteral(" (inside a pause or a question)") : QString());
    case LogEntry::Event:
        return EventLine(TableEvent{static_cast<TableEvent::Kind>(e.A), (e.C & 0x80) != 0, e.B,
                                    e.C & 0x7f, e.X});
    case LogEntry::Message:
        return QStringLiteral("message \"%1\" (%2 buttons) -> button %3")
            .arg(e.A < Titles.size() ? Titles[e.A].trimmed() : QStringLiteral("?"))
            .arg(e.B)
            .arg(e.C);
    }
    return {};
}

QString SelfPlay::Runner::Report(const QString& what) const {
    QString text = QStringLiteral("fault: %1\nseed %2, hand %3, session %4, turn %5 of the hand\n"
                                  "last events, oldest first:\n")
                       .arg(what)
                       .arg(Config.Seed)
                       .arg(Result.Hands)
                       .arg(Result.Sessions)
                       .arg(HandTurns);
    for (uint64_t i = Logged > LogSize ? Logged - LogSize : 0; i < Logged; ++i)
        text += QStringLiteral("  ") + EntryText(Log[i % LogSize]) + QLatin1Char('\n');
    return text;
}

QString SummaryLine(const SelfPlayResult& r) {
    const double rate = r.Seconds > 0 ? static_cast<double>(r.Hands) / r.Seconds : 0;
    return QStringLiteral("%1 hands, %2 games, %3 turns, %4 faults, %5 hands/s, %6 won by the "
                          "player, %7 won by Dorvil")
        .arg(r.Hands)
        .arg(r.Games)
        .arg(r.Turns)
        .arg(r.Faults)
        .arg(static_cast<qint64>(rate + 0.5))
        .arg(r.GamesWonByPlayer)
        .arg(r.GamesWonByDorvil);
}

QString ModelLine(const SelfPlayResult& r) {
    return QStringLiteral("the model of the hand followed %1 moves, equalled the table after %2 "
                          "handlers and agreed on %3 drops tried on copies of the table")
        .arg(r.ModelMoves)
        .arg(r.ModelCompared)
        .arg(r.DropsTried);
}

QString WinsLine(const SelfPlayResult& r) {
    auto average = [](int64_t sum, int64_t games) {
        return QString::number(games ? static_cast<double>(sum) / games : 0.0, 'f', 1);
    };
    return QStringLiteral("hands won: %1 by the player, %2 by Dorvil; average margin of a game "
                          "won: %3 by the player, %4 by Dorvil")
        .arg(r.HandsWonByPlayer)
        .arg(r.HandsWonByDorvil)
        .arg(average(r.MarginsOfPlayer, r.GamesWonByPlayer),
             average(r.MarginsOfDorvil, r.GamesWonByDorvil));
}
