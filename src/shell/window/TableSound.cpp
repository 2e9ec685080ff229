// Loading the sound module on the first sound, and playing through it.
#include "TableSound.h"

#include "SoundOption.h"
#include "modules/Modules.h"

#include <QTimer>

TableSound::TableSound(QObject* parent, const QString& folder, const SoundOption& sound)
    : QObject(parent), Folder(folder), Switch(sound) {
    connect(&sound, &SoundOption::Switched, this, &TableSound::Switched);
}

TableSound::~TableSound() = default;

void TableSound::Play(Sound sound) {
    if (Silenced || !Switch.On()) return;
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

void TableSound::UseOutput(std::unique_ptr<SoundOutput> output) {
    Output = std::move(output);
    Asked = true;
}

void TableSound::Load() {
    if (Output) return;
    if (auto* module = LoadModule<SoundModule>(QStringLiteral("meldora-sound.so")))
        Output = module->Open(Folder);
    if (Output && Waiting && !Silenced && Switch.On()) Output->Play(*Waiting);
    Waiting.reset();
}

void TableSound::Switched(bool on) {
    if (on) return;
    Waiting.reset();
    if (Output) Output->Stop();
}
