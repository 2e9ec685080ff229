// The four wave files, each preloaded once and played asynchronously; a new
// sound stops the one still playing. A missing file or a missing sound device
// gives silence and nothing else.
#pragma once

#include "modules/Modules.h"

#include <QString>
#include <array>
#include <memory>

class QSoundEffect;

class SoundPlayer : public SoundOutput {
  public:
    explicit SoundPlayer(const QString& folder);
    ~SoundPlayer() override;
    void Play(Sound sound) override;
    void Stop() override;

  private:
    void Load();
    QString Folder;
    bool Loaded = false;
    std::array<QSoundEffect*, 4> Effects{};
    QSoundEffect* Last = nullptr;
};
