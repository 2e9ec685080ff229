// The table's sounds. The sound module is loaded once the event loop runs,
// so that the window does not wait for the audio system; until then the
// latest sound asked for waits (a new sound stops the one playing anyway).
#pragma once

#include "TableView.h"

#include <QObject>
#include <memory>
#include <optional>

class SoundOutput;

class TableSound : public QObject {
    Q_OBJECT
  public:
    // The wave files lie in `folder`.
    TableSound(QObject* parent, const QString& folder);
    ~TableSound() override;
    void Play(Sound sound);
    // Nothing more is heard: the program is closing.
    void Silence() { Silenced = true; }

  private:
    void Load();

    QString Folder;
    std::unique_ptr<SoundOutput> Output;
    std::optional<Sound> Waiting;
    bool Asked = false;
    bool Silenced = false;
};
