// Sound effects are made on the first sound, not at start-up, so that the
// table appears without waiting for the audio system.
#include "SoundPlayer.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(const QString& folder) : Folder(folder) {}

SoundPlayer::~SoundPlayer() {
    for (QSoundEffect* effect : Effects)
        delete effect;
}

void SoundPlayer::Load() {
    Loaded = true;
    static const char* const files[4] = {"Card.wav", "down.wav", "Shuffle.wav", "ringout.wav"};
    for (size_t i = 0; i < Effects.size(); ++i) {
        QString path = Folder + QLatin1Char('/') + QLatin1String(files[i]);
        if (!QFile::exists(path)) continue;
        Effects[i] = new QSoundEffect;
        Effects[i]->setSource(QUrl::fromLocalFile(path));
    }
}

void SoundPlayer::Play(Sound sound) {
    if (!Loaded) Load();
    QSoundEffect* effect = Effects[static_cast<size_t>(sound)];
    if (Last && Last != effect) Last->stop();
    Last = effect;
    if (effect) {
        effect->stop();
        effect->play();
    }
}

void SoundPlayer::Stop() {
    if (Last) Last->stop();
}

// The sound module: the only part of the game that needs Qt Multimedia.
class SoundPlugin : public QObject, public SoundModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MELDORA_SOUND_MODULE)
    Q_INTERFACES(SoundModule)

  public:
    std::unique_ptr<SoundOutput> Open(const QString& folder) override {
        return std::make_unique<SoundPlayer>(folder);
    }
};

#include "SoundPlayer.moc"
