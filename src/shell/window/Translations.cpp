// Choosing the language and installing its translations.
#include "Translations.h"

#include "UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {
QString Current = QStringLiteral("en");
QStringList Found;

// "de-DE", "de_DE.UTF-8" and "de_DE@euro" all become "de_DE".
QString Normalised(QString tag) {
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    return tag.section(QRegularExpression(QStringLiteral("[.@]")), 0, 0);
}

bool Load(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
} // namespace

namespace Translations {

const QString ChoiceKey = QStringLiteral("Options/Language");

QString FolderIn(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/translations");
}

QStringList Shipped(const QString& folder) {
    QStringList codes;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("meldora_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(8, file.size() - 8 - 3);
    return codes;
}

QString Choose(const QStringList& wanted, const QStringList& shipped) {
    const QString english = QStringLiteral("en");
    for (const QString& tag : wanted) {
        const QString whole = Normalised(tag);
        const QString language = whole.section(QLatin1Char('_'), 0, 0).toLower();
        if (shipped.contains(whole)) return whole;
        if (language == english) return english;
        if (shipped.contains(language)) return language;
    }
    return english;
}

QString Install(const QString& dataFolder) {
    const QString folder = FolderIn(dataFolder);
    Found = Shipped(folder);
    const QString choice = UserSettings().value(ChoiceKey).toString();
    const QStringList wanted =
        choice.isEmpty() ? QLocale::system().uiLanguages() : QStringList{choice};
    Current = Choose(wanted, Found);
    // A translation that does not load leaves the program in English.
    if (Current == QLatin1String("en") || !Load(QStringLiteral("meldora_") + Current, folder))
        return Current = QStringLiteral("en");
    Load(QStringLiteral("qtbase_") + Current, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Numbers, dates and money in the language's way; a desktop of the same
    // language keeps its own country's.
    const QLocale language(Current), desktop = QLocale::system();
    QLocale::setDefault(desktop.language() == language.language()
                            ? QLocale(language.language(), desktop.territory())
                            : language);
    return Current;
}

QString InUse() {
    return Current;
}

QStringList Available() {
    return Found;
}

} // namespace Translations
