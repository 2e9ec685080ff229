// Reading meldora-sim's arguments.
#include "SimOptions.h"

#include "PlayerPolicy.h"

QString SimUsage() {
    return QStringLiteral("usage: meldora-sim [--seed N] FILE   (FILE may be - for stdin)\n"
                          "       meldora-sim --self-play N [--seed S] [--data DIR] "
                          "[--player %1] [--dorvil classic|sharp] [--restore] [--recovery]\n"
                          "       meldora-sim --help")
        .arg(PolicyNames().join(QLatin1Char('|')));
}

QString SimHelp() {
    return SimUsage() +
           QStringLiteral("\n\nPlays a scenario headless and prints every event, message box and "
                          "the final table;\nor, with --self-play, plays N hands against itself "
                          "with the table checked throughout,\nand prints the first fault and a "
                          "summary. --restore saves the game at random points of rest,\nthrows "
                          "the table away and takes the game up from its recovery file; "
                          "--recovery keeps\nthe game in the --data folder and continues it at "
                          "the next start.\n\nA scenario's actions: take face|stock|back, drop CARD "
                          "column C|discard|hand,\nanswer TEXT, sort suits|same, and hint, which "
                          "prints the hint's advice as\n\"hint: MOVE: SENTENCE\".\n");
}

SimOptions ParseSimOptions(const QStringList& args) {
    SimOptions o;
    auto fail = [&](const QString& why) {
        o.Error = why;
        return o;
    };
    bool selfPlay = false, dorvil = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.Help = true;
            return o;
        }
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--seed") || a == QLatin1String("--self-play") ||
            a == QLatin1String("--data") || a == QLatin1String("--player") ||
            a == QLatin1String("--dorvil")) {
            if (!hasValue) return fail(a + QStringLiteral(" wants a value"));
            const QString v = args[++i];
            bool ok = false;
            if (a == QLatin1String("--seed")) {
                o.Seed = v.toULongLong(&ok);
                if (!ok) return fail(QStringLiteral("--seed wants a whole number"));
            } else if (a == QLatin1String("--self-play")) {
                o.Hands = v.toLongLong(&ok);
                if (!ok || o.Hands < 0)
                    return fail(QStringLiteral("--self-play wants a whole number of hands"));
                selfPlay = true;
            } else if (a == QLatin1String("--data")) {
                if (v.isEmpty()) return fail(QStringLiteral("--data wants a folder"));
                o.DataFolder = v;
            } else if (a == QLatin1String("--dorvil")) {
                if (v != QLatin1String("classic") && v != QLatin1String("sharp"))
                    return fail(QStringLiteral("--dorvil wants classic or sharp"));
                o.SharpDorvil = v == QLatin1String("sharp");
                dorvil = true;
            } else {
                if (!PolicyNames().contains(v))
                    return fail(QStringLiteral("--player wants one of: ") +
                                PolicyNames().join(QStringLiteral(", ")));
                o.Player = v;
            }
        } else if (a == QLatin1String("--restore")) {
            o.Restore = true;
        } else if (a == QLatin1String("--recovery")) {
            o.KeepGame = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option ") + a);
        } else if (o.File.isEmpty()) {
            o.File = a;
        } else {
            return fail(QStringLiteral("one scenario file at a time"));
        }
    }
    if (selfPlay) {
        o.Run = SimOptions::SelfPlay;
        if (!o.File.isEmpty()) return fail(QStringLiteral("--self-play plays no scenario file"));
        if (o.KeepGame && o.DataFolder.isEmpty())
            return fail(QStringLiteral("--recovery keeps the game in the --data folder"));
    } else {
        if (!o.DataFolder.isEmpty() || o.Player != QLatin1String("random") || dorvil || o.Restore ||
            o.KeepGame)
            return fail(QStringLiteral("--data, --player, --dorvil, --restore and --recovery go "
                                       "with --self-play"));
        if (o.File.isEmpty()) return fail(QStringLiteral("no scenario file given"));
    }
    return o;
}
