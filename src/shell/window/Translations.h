// The language the program speaks: the one chosen in the Options menu, else
// the desktop's first language that Meldora has a translation for, else
// English, the language its texts are written in. The translations, Meldora's
// own and Qt's (for Qt's dialogs and buttons), are installed at start-up,
// before any window, and stay for the whole run.
#pragma once

#include <QString>
#include <QStringList>

namespace Translations {

// The key of the user's configuration that holds the choice: a language's
// code ("de"), or empty for the desktop's language.
extern const QString ChoiceKey;

// The folder of the translation files (meldora_de.qm...) in a data folder.
QString FolderIn(const QString& dataFolder);

// The codes of the translations in `folder`: "de" for meldora_de.qm.
QStringList Shipped(const QString& folder);

// The language to speak for a list of wanted languages, best first ("de",
// "de-DE", "fr_FR.UTF-8"...): the first that is English or shipped, by its
// whole code or by its language; "en" when none is.
QString Choose(const QStringList& wanted, const QStringList& shipped);

// Chooses the language from the user's choice or the desktop's languages,
// installs its translations from the data folder's translations and Qt's,
// and makes its locale the default one (numbers, dates and money written its
// way). Returns the language's code.
QString Install(const QString& dataFolder);

// The language in use ("en" until Install) and the shipped ones, as Install
// found them.
QString InUse();
QStringList Available();

} // namespace Translations
