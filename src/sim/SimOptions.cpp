// Reading meldora-sim's arguments.
#include "SimOptions.h"

#include "PlayerPolicy.h"

QString SimUsage() {
    return QStringLiteral(
               "usage: meldora-sim [--seed N] FILE   (FILE may be - for stdin)\n"
               "       meldora-sim --self-play N [--seed S] [--data DIR] "
               "[--player %1] [--dorvil classic|sharp|expert] [--restore] [--recovery]\n"
               "                          [--drop-trials CHANCE] [--keep-hands]\n"
               "       meldora-sim --review N --data DIR | --check-kept [--judge N] --data DIR\n"
               "       meldora-sim --help")
        .arg(PolicyNames().join(QLatin1Char('|')));
}

QString SimHelp() {
    return SimUsage() +
           QStringLiteral(
               "\n\nPlays a scenario headless and prints every event, message box and "
               "the final table;\nor, with --self-play, plays N hands against itself "
               "with the table checked throughout,\nand prints the first fault and a "
               "summary. --restore saves the game at random points of rest,\nthrows "
               "the table away and takes the game up from its recovery file; "
               "--recovery keeps\nthe game in the --data folder and continues it at "
               "the next start. The model of the hand follows the\ntable throughout; "
               "--drop-trials sets the chance (0..1) that a point of rest has\nevery "
               "drop tried on a copy of the table against it. --keep-hands keeps every hand in "
               "the --data\nfolder's file of kept hands and plays it again from the "
               "file. --review N prints the\nreview of kept hand N (1 the latest); "
               "--check-kept replays every kept hand.\n\nA scenario's actions: "
               "take face|stock|back, drop CARD "
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
            a == QLatin1String("--dorvil") || a == QLatin1String("--drop-trials") ||
            a == QLatin1String("--review") || a == QLatin1String("--judge")) {
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
            } else if (a == QLatin1String("--review")) {
                o.ReviewHand = v.toInt(&ok);
                if (!ok || o.ReviewHand < 1)
                    return fail(QStringLiteral("--review wants the number of a kept hand"));
                o.Run = SimOptions::Review;
            } else if (a == QLatin1String("--judge")) {
                o.Judge = v.toInt(&ok);
                if (!ok || o.Judge < 0)
                    return fail(QStringLiteral("--judge wants a number of hands"));
            } else if (a == QLatin1String("--data")) {
                if (v.isEmpty()) return fail(QStringLiteral("--data wants a folder"));
                o.DataFolder = v;
            } else if (a == QLatin1String("--drop-trials")) {
                o.DropTrials = v.toDouble(&ok);
                if (!ok || !(o.DropTrials >= 0 && o.DropTrials <= 1))
                    return fail(QStringLiteral("--drop-trials wants a chance from 0 to 1"));
            } else if (a == QLatin1String("--dorvil")) {
                static const QStringList levels{QStringLiteral("classic"), QStringLiteral("sharp"),
                                                QStringLiteral("expert")};
                o.Dorvil = static_cast<int>(levels.indexOf(v));
                if (o.Dorvil < 0)
                    return fail(QStringLiteral("--dorvil wants classic, sharp or expert"));
                dorvil = true;
            } else {
                if (!PolicyNames().contains(v))
                    return fail(QStringLiteral("--player wants one of: ") +
                                PolicyNames().join(QStringLiteral(", ")));
                o.Player = v;
            }
        } else if (a == QLatin1String("--restore")) {
            o.Restore = true;
        } else if (a == QLatin1String("--keep-hands")) {
            o.KeepHands = true;
        } else if (a == QLatin1String("--check-kept")) {
            o.Run = SimOptions::CheckKept;
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
    if (o.Run == SimOptions::Review || o.Run == SimOptions::CheckKept) {
        if (selfPlay || !o.File.isEmpty() || o.DataFolder.isEmpty())
            return fail(QStringLiteral("--review and --check-kept read the --data folder only"));
        return o;
    }
    if (selfPlay) {
        o.Run = SimOptions::SelfPlay;
        if (o.KeepHands && o.DataFolder.isEmpty())
            return fail(QStringLiteral("--keep-hands keeps the hands in the --data folder"));
        if (!o.File.isEmpty()) return fail(QStringLiteral("--self-play plays no scenario file"));
        if (o.KeepGame && o.DataFolder.isEmpty())
            return fail(QStringLiteral("--recovery keeps the game in the --data folder"));
    } else {
        if (!o.DataFolder.isEmpty() || o.Player != QLatin1String("random") || dorvil || o.Restore ||
            o.KeepGame || o.DropTrials >= 0 || o.KeepHands)
            return fail(QStringLiteral("--data, --player, --dorvil, --restore, --recovery and "
                                       "--drop-trials, --keep-hands go with --self-play"));
        if (o.File.isEmpty()) return fail(QStringLiteral("no scenario file given"));
    }
    return o;
}
