// Loading the sound module on the first sound, and playing through it.
#include "TableSound.h"

#include "modules/Modules.h"

#include <QTimer>

TableSound::TableSound(QObject* parent, const QString& folder) : QObject(parent), Folder(folder) {}

TableSound::~TableSound() = default;

void TableSound::Play(Sound sound) {
    if (Silenced) return;
    if (Output) {
        Output->Play(sound);
        return;
    }
    Waiting = sound;
    if (!Asked) {
        Asked = true;
        QTimer::singleShot(0, this, &TableSound::Load);
    }
}

void TableSound::Load() {
    if (auto* module = LoadModule<SoundModule>(QStringLiteral("meldora-sound.so")))
        Output = module->Open(Folder);
    if (Output && Waiting && !Silenced) Output->Play(*Waiting);
    Waiting.reset();
}
