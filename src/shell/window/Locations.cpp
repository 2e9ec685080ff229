// Finding the program's data, its deck and its saves folder: the build folder,
// an installed tree under any prefix, or the XDG data folders.
#include "Locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// The rules text marks a data folder: it is the one file every copy ships.
const QString Marker = QStringLiteral("mnuag.txt");
const QString DeckFile = QStringLiteral("carddecks/svg-standard/standard.svgz");

bool HoldsData(const QString& folder) {
    return QFileInfo(folder + QLatin1Char('/') + Marker).isFile();
}
} // namespace

Locations FindLocations(const QString& programFolder) {
    Locations found;
    found.DeckPath = QStandardPaths::locate(QStandardPaths::GenericDataLocation, DeckFile);
    if (HoldsData(programFolder)) {
        found.DataFolder = found.SaveFolder = programFolder;
        return found;
    }
    const QString shared = QDir::cleanPath(programFolder + QStringLiteral("/../share/meldora"));
    if (HoldsData(shared)) {
        found.DataFolder = shared;
        return found;
    }
    const QString xdg = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                               QStringLiteral("meldora/") + Marker);
    found.DataFolder = xdg.isEmpty() ? programFolder : QFileInfo(xdg).absolutePath();
    return found;
}

QString MissingDeckLine() {
    return QStringLiteral("meldora: no card deck (%1) in the data folders %2; "
                          "plain card faces stand in")
        .arg(DeckFile, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)
                           .join(QLatin1Char(':')));
}
