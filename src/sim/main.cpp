// meldora-sim [--seed N] FILE: plays one scenario headless.
#include "Scenario.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    std::optional<uint64_t> seed;
    QString path;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
            bool ok = false;
            seed = args[++i].toULongLong(&ok);
            if (!ok) {
                std::fprintf(stderr, "meldora-sim: --seed wants a whole number\n");
                return 2;
            }
        } else if (path.isEmpty()) {
            path = args[i];
        } else {
            path.clear();
            break;
        }
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: meldora-sim [--seed N] FILE   (FILE may be - for stdin)\n");
        return 2;
    }
    QFile file;
    bool opened = path == QLatin1String("-")
                      ? file.open(stdin, QIODevice::ReadOnly)
                      : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        std::fprintf(stderr, "meldora-sim: cannot read %s\n", qPrintable(path));
        return 2;
    }
    ScenarioResult result = RunScenario(file.readAll(), seed);
    if (result.ExitCode != 0) {
        std::fprintf(stderr, "%s\n", result.Error.toUtf8().constData());
        return result.ExitCode;
    }
    std::fputs(result.Output.toUtf8().constData(), stdout);
    return 0;
}
