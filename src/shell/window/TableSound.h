// The table's sounds. The sound module is loaded once the event loop runs,
// so that the window does not wait for the audio system; until then the
// latest sound asked for waits (a new sound stops the one playing anyway).
// While the Sound switch is off nothing is asked of the module, and turning
// it off stops what is playing; the module is never loaded while it stays off.
#pragma once

#include "TableView.h"

#include <QObject>
#include <memory>
#include <optional>

class SoundOption;
class SoundOutput;

class TableSound : public QObject {
    Q_OBJECT
  public:
    // The wave files lie in `folder`; `sound` is the switch.
    TableSound(QObject* parent, const QString& folder, const SoundOption& sound);
    ~TableSound() override;
    void Play(Sound sound);
    // Nothing more is heard: the program is closing.
    void Silence() { Silenced = true; }
    // Plays through `output` instead of the module (the tests listen here).
    void UseOutput(std::unique_ptr<SoundOutput> output);

  private:
    void Load();
    void Switched(bool on);

    QString Folder;
    const SoundOption& Switch;
    std::unique_ptr<SoundOutput> Output;
    std::optional<Sound> Waiting;
    bool Asked = false;
    bool Silenced = false;
};
