// The Sound entry of the Options menu and its setting.
#include "SoundOption.h"

#include "UserSettings.h"

#include <QAction>
#include <QMenu>

namespace {
const QString Key = QStringLiteral("Options/Sound");
}

SoundOption::SoundOption(QMenu* options) : QObject(options) {
    //: Options menu: the game's sounds on (checked) or off; Ctrl+M switches.
    Action = options->addAction(tr("S&ound"));
    Action->setObjectName(QStringLiteral("MnuSound"));
    Action->setShortcut(Qt::CTRL | Qt::Key_M); // M for mute, as in players and games
    Action->setCheckable(true);
    Action->setChecked(UserSettings().value(Key, true).toBool());
    connect(Action, &QAction::toggled, this, [this](bool on) {
        UserSettings().setValue(Key, on);
        emit Switched(on);
    });
}

bool SoundOption::On() const {
    return Action->isChecked();
}

void SoundOption::Switch(bool on) {
    Action->setChecked(on);
}
