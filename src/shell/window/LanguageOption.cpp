// The Language submenu of the Options menu.
#include "LanguageOption.h"

#include "Translations.h"
#include "UserSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>

namespace {
// A language's name in itself, as a menu item begins: "Deutsch", "Français".
// English is named without a country (Qt would say "American English").
QString OwnName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}
} // namespace

LanguageOption::LanguageOption(QMenu* options, QWidget* window)
    : QObject(options), Window(window), Group(new QActionGroup(this)) {
    //: Options menu: the submenu of the program's languages.
    QMenu* menu = options->addMenu(tr("Lan&guage"));
    menu->setObjectName(QStringLiteral("MnuLanguage"));
    menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    const QString choice = UserSettings().value(Translations::ChoiceKey).toString();
    QStringList codes{QString(), QStringLiteral("en")};
    for (const QString& code : Translations::Available())
        if (!codes.contains(code)) codes << code;
    for (const QString& code : codes) {
        //: The Language submenu: the desktop's language.
        QAction* item = menu->addAction(code.isEmpty() ? tr("System default") : OwnName(code));
        item->setObjectName(QStringLiteral("MnuLanguage_") +
                            (code.isEmpty() ? QStringLiteral("System") : code));
        item->setData(code);
        item->setCheckable(true);
        item->setChecked(code == choice);
        //: The status tip of the Language submenu's items.
        item->setStatusTip(tr("Takes effect at the next start"));
        Group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { Choose(code); });
    }
    // A choice kept that is no longer shipped falls back to the desktop's.
    if (!Group->checkedAction()) Group->actions().constFirst()->setChecked(true);
    //: The Language submenu's last line, which cannot be chosen.
    QAction* note = menu->addAction(tr("Takes effect at the next start"));
    note->setObjectName(QStringLiteral("MnuLanguageNote"));
    note->setEnabled(false);
}

void LanguageOption::Choose(const QString& code) {
    UserSettings settings;
    const bool changed = settings.value(Translations::ChoiceKey).toString() != code;
    for (QAction* item : Group->actions())
        item->setChecked(item->data().toString() == code);
    if (!changed) return;
    settings.setValue(Translations::ChoiceKey, code);
    emit Chosen(code);
    //: The message once a language is chosen.
    QMessageBox::information(Window, tr("Language"),
                             tr("The new language takes effect when Meldora starts again."));
}
