// The user's configuration (~/.config/Meldora/Meldora.conf): the options and
// window state that the saved game files do not hold. The organisation is
// named here rather than on the application, because naming it there would
// move the saved game files to another data folder.
#pragma once

#include <QSettings>

class UserSettings : public QSettings {
  public:
    UserSettings() : QSettings(QStringLiteral("Meldora"), QStringLiteral("Meldora")) {}
};
