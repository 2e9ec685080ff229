// Finding the program's data, its decks and its saves folder: the build
// folder, an installed tree under any prefix, or the XDG data folders.
#include "Locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <algorithm>

namespace {
// The rules text marks a data folder: it is the one file every copy ships.
const QString Marker = QStringLiteral("mnuag.txt");
const QString DeckFile = QStringLiteral("carddecks/svg-standard/standard.svgz");

bool HoldsData(const QString& folder) {
    return QFileInfo(folder + QLatin1Char('/') + Marker).isFile();
}

// The desktop entry's rule: lang_COUNTRY@MODIFIER, lang_COUNTRY,
// lang@MODIFIER, lang, then the name without a language.
QString NameIn(const QMap<QString, QString>& names, const QString& language) {
    QString lang = language.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    const QString modifier = language.section(QLatin1Char('@'), 1);
    const QString country = lang.section(QLatin1Char('_'), 1);
    lang = lang.section(QLatin1Char('_'), 0, 0);
    QStringList tried;
    if (!country.isEmpty() && !modifier.isEmpty())
        tried << lang + QLatin1Char('_') + country + QLatin1Char('@') + modifier;
    if (!country.isEmpty()) tried << lang + QLatin1Char('_') + country;
    if (!modifier.isEmpty()) tried << lang + QLatin1Char('@') + modifier;
    tried << lang;
    for (const QString& locale : tried) {
        const QString name = names.value(QStringLiteral("Name[%1]").arg(locale));
        if (!locale.isEmpty() && !name.isEmpty()) return name;
    }
    return names.value(QStringLiteral("Name"));
}

// The deck in `folder` as its index.desktop describes it: the keys of its
// first group, SVG naming a file in the folder that is there.
std::optional<DeckEntry> ReadIndex(const QString& folder, const QString& language) {
    QFile index(folder + QStringLiteral("/index.desktop"));
    if (!index.open(QIODevice::ReadOnly)) return {};
    QMap<QString, QString> names;
    QString svg;
    int groups = 0;
    while (!index.atEnd()) {
        const QString line = QString::fromUtf8(index.readLine(4096)).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            if (++groups > 1) break;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals < 1) continue;
        const QString key = line.left(equals).trimmed(), value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("SVG"))
            svg = value;
        else if (key == QLatin1String("Name") || key.startsWith(QLatin1String("Name[")))
            names.insert(key, value);
    }
    const QString file = folder + QLatin1Char('/') + svg;
    if (svg.isEmpty() || svg.contains(QLatin1Char('/')) || !QFileInfo(file).isFile()) return {};
    const QString folderName = QFileInfo(folder).fileName();
    const QString name = NameIn(names, language);
    return DeckEntry{folderName, name.isEmpty() ? folderName : name, file};
}

// Every whole deck of the data folders; only `only` when it is given.
QList<DeckEntry> Decks(const QString& language, const QString& only = QString()) {
    QList<DeckEntry> found;
    QStringList seen;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QDir decks(data + QStringLiteral("/carddecks"));
        const QStringList folders =
            only.isEmpty() ? decks.entryList(QDir::Dirs | QDir::NoDotAndDotDot) : QStringList{only};
        for (const QString& folder : folders) {
            if (seen.contains(folder)) continue;
            if (auto deck = ReadIndex(decks.filePath(folder), language)) {
                seen << folder;
                found << *deck;
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const DeckEntry& a, const DeckEntry& b) {
        return QString::localeAwareCompare(a.Name, b.Name) < 0;
    });
    return found;
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

QString MissingDeckLine(const QString& instead) {
    return QStringLiteral("meldora: no card deck (%1) in the data folders %2; %3")
        .arg(DeckFile,
             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)
                 .join(QLatin1Char(':')),
             instead);
}

QList<DeckEntry> FindDecks(const QString& language) {
    return Decks(language);
}

std::optional<DeckEntry> FindDeck(const QString& folder, const QString& language) {
    // A name from the settings file is a folder's name, never a path.
    if (folder.isEmpty() || folder.contains(QLatin1Char('/')) ||
        folder.startsWith(QLatin1Char('.')))
        return {};
    const QList<DeckEntry> found = Decks(language, folder);
    if (found.isEmpty()) return {};
    return found.front();
}
