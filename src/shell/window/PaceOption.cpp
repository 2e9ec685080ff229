// The Pace submenu of the Options menu and its setting.
#include "PaceOption.h"

#include "UserSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {
const QString Key = QStringLiteral("Options/Pace");
}

PaceOption::PaceOption(QMenu* options) : QObject(options) {
    //: Options menu: the submenu that chooses how fast the cards move.
    QMenu* menu = options->addMenu(tr("&Pace"));
    menu->setObjectName(QStringLiteral("MnuPace"));
    menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    auto* group = new QActionGroup(this);
    //: Options menu, Pace: every pause and card move as long as the table has always had them.
    Normal = menu->addAction(tr("&Normal"));
    Normal->setObjectName(QStringLiteral("MnuPaceNormal"));
    //: Options menu, Pace: the deal, the player's moves and Dorvil's turn three times as fast.
    Quick = menu->addAction(tr("&Quick"));
    Quick->setObjectName(QStringLiteral("MnuPaceQuick"));
    for (QAction* a : {Normal, Quick}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    Current =
        UserSettings().value(Key).toString() == QLatin1String("Quick") ? Pace::Quick : Pace::Normal;
    (Current == Pace::Quick ? Quick : Normal)->setChecked(true);
    connect(Normal, &QAction::triggered, this, [this] { Choose(Pace::Normal); });
    connect(Quick, &QAction::triggered, this, [this] { Choose(Pace::Quick); });
}

void PaceOption::Choose(Pace pace) {
    (pace == Pace::Quick ? Quick : Normal)->setChecked(true);
    if (pace == Current) return;
    Current = pace;
    UserSettings().setValue(Key, pace == Pace::Quick ? QStringLiteral("Quick")
                                                     : QStringLiteral("Normal"));
    emit Changed(pace);
}
