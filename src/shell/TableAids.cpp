// The wiring of the keys, the announcements and the accessible groups.
#include "TableAids.h"

#include "Announcer.h"
#include "Keyboard.h"
#include "MainWindow.h"
#include "TableAccessible.h"
#include "TableGroups.h"

TableAids::TableAids(MainWindow& window, FrmMain& game)
    : Groups(std::make_unique<TableGroups>(window, game)),
      Keys(std::make_unique<TableKeys>(window, game, *Groups)),
      Voice(std::make_unique<Announcer>(window)),
      Access(std::make_unique<TableAccessible>(*Groups, *Keys)) {
    Keys->Notice = [this](const QString& hint) { Voice->Say(hint); };
    window.ListenToTable([this](const TableEvent& event) {
        Keys->TableEventSeen(event);
        Voice->TableEventSeen(event);
        Groups->Changed();
    });
    window.ListenToTexts(
        [this](Ctl control, const QString& text) { Voice->TextShown(control, text); });
}

TableAids::~TableAids() = default;
