// Where the program's files lie, wherever it was put: its data (sounds, the
// rules text), the card deck, and the first folder for the saved files.
#pragma once

#include <QString>

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

// The one line that tells, on standard error, why plain faces stand in.
QString MissingDeckLine();
