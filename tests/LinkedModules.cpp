// The tests carry the game's modules in themselves, so that they run without
// looking for module files, and a test can use the modules' classes directly.
#include <QtPlugin>

Q_IMPORT_PLUGIN(SoundPlugin)
Q_IMPORT_PLUGIN(HistoryPlugin)
