// Where the program's files lie, wherever it was put: its data (sounds, the
// rules text), the card decks, and the first folder for the saved files.
#pragma once

#include "Translations.h"
#include "table/CardDeck.h"

#include <QList>
#include <QString>
#include <optional>

struct Locations {
    // The sounds and mnuag.txt: beside the program when it runs from where it
    // was built, else ../share/meldora beside its bin folder, else meldora in
    // the XDG data folders. The program's folder when none of them has them.
    QString DataFolder;
    // The folder that Scores.dat and Names2.dat go to before the user's data
    // folder: the program's folder only when the data lies beside it. An
    // installed program's folder is never written, and an installed copy never
    // touches the statistics of a copy run from its build folder.
    QString SaveFolder;
    // svg-standard's standard.svgz in the XDG data folders; empty when none.
    QString DeckPath;
};

Locations FindLocations(const QString& programFolder);

// The one line that tells, on standard error, that the standard deck is not
// installed; `instead` says what the table shows in its place.
QString MissingDeckLine(const QString& instead);

// The card decks of the XDG data folders: each folder carddecks/NAME whose
// index.desktop names an SVG file that is there, by its name in `language`
// (de, pt_BR, de_DE.UTF-8, sr@latin; by default the language the program
// speaks) where the index has one, sorted by name. A folder in two data
// folders counts once, from the first where it is whole.
QList<DeckEntry> FindDecks(const QString& language = Translations::InUse());
// The deck in folder carddecks/`folder`, when it is installed whole as above.
std::optional<DeckEntry> FindDeck(const QString& folder,
                                  const QString& language = Translations::InUse());
// The deck that the program was made with, and the default.
inline const QString StandardDeck = QStringLiteral("svg-standard");
