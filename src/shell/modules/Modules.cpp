#include "Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

QObject* LoadModuleFile(const QString& name) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The installed folder is given relative to the program, so that a
    // package unpacked under another prefix finds its modules all the same.
    const QStringList folders{programFolder,
                              programFolder + QStringLiteral("/" MELDORA_MODULE_FOLDER)};
    QStringList failures;
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!QFileInfo(path).isFile()) continue;
        QPluginLoader loader(path);
        if (QObject* module = loader.instance()) return module;
        failures << loader.errorString();
    }
    if (failures.isEmpty())
        failures << QStringLiteral("not found in ") + folders.join(QStringLiteral(", "));
    std::fprintf(stderr, "meldora: cannot load %s: %s\n", qPrintable(name),
                 qPrintable(failures.join(QStringLiteral("; "))));
    return nullptr;
}
