// The wiring of the keys, the announcements and the accessible groups to the
// window's news.
#include "TableAids.h"

#include "Announcer.h"
#include "TableAccessible.h"
#include "TableGroups.h"
#include "TableKeys.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"
#include "window/TableNews.h"

TableAids::TableAids(MainWindow& window, FrmMain& game)
    : Groups(std::make_unique<TableGroups>(window, game)),
      Keys(std::make_unique<TableKeys>(window, game, *Groups)),
      Voice(std::make_unique<Announcer>(window, game)),
      Access(std::make_unique<TableAccessible>(*Groups, *Keys)) {
    QObject::connect(Keys.get(), &TableKeys::Notice, Voice.get(), &Announcer::Say);
    QObject::connect(&window.News(), &TableNews::TableEventSeen, Keys.get(),
                     &TableKeys::TableEventSeen);
    QObject::connect(&window.News(), &TableNews::TableEventSeen, Voice.get(),
                     &Announcer::TableEventSeen);
    QObject::connect(&window.News(), &TableNews::TableEventSeen, Groups.get(),
                     &TableGroups::Changed);
    QObject::connect(&window.News(), &TableNews::TextShown, Voice.get(), &Announcer::TextShown);
    QObject::connect(&window.News(), &TableNews::MessageBoxMade, Keys.get(),
                     &TableKeys::MessageBoxMade);
    QObject::connect(&window.News(), &TableNews::MessageBoxMade, Voice.get(),
                     &Announcer::MessageBoxMade);
    if (MFormDeluxe* box = window.MessageBox()) { // made before the aids were
        Keys->MessageBoxMade(box);
        Voice->MessageBoxMade(box);
    }
}

TableAids::~TableAids() = default;
