// The window's parts that need large libraries, the sound (the audio system)
// and the Game History window (Qt Charts), are modules loaded on first use:
// the table appears without waiting for the dynamic linker to bring them in.
#pragma once

#include "TableView.h"

#include <QPluginLoader>
#include <QtPlugin>
#include <functional>
#include <memory>

class QWidget;

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void Play(Sound sound) = 0;
    // The sound playing, if any, stops.
    virtual void Stop() = 0;
};

class SoundModule {
  public:
    virtual ~SoundModule() = default;
    // The four sounds, read from the wave files in `folder`.
    virtual std::unique_ptr<SoundOutput> Open(const QString& folder) = 0;
};

class HistoryModule {
  public:
    virtual ~HistoryModule() = default;
    // Opens the Game History window over `parent`, or brings the open one
    // forward; `historyFile` says where the history is at each reading, and
    // `review` opens the review of kept hand n (1 the latest).
    virtual void Open(QWidget* parent, std::function<QString()> historyFile,
                      std::function<void(int)> review) = 0;
    // Reads the history again into the window open over `parent`, if any.
    virtual void Refresh(QWidget* parent) = 0;
};

#define MELDORA_SOUND_MODULE "org.meldora.Meldora.SoundModule/2"
#define MELDORA_HISTORY_MODULE "org.meldora.Meldora.HistoryModule/2"
Q_DECLARE_INTERFACE(SoundModule, MELDORA_SOUND_MODULE)
Q_DECLARE_INTERFACE(HistoryModule, MELDORA_HISTORY_MODULE)

// The module file `name` loaded from beside the program (a build folder) or
// from the installed module folder; nullptr, with one line on standard error,
// when neither holds a module that loads.
QObject* LoadModuleFile(const QString& name);

// The module of interface T: one linked into the program (the tests link
// them in), else the file `name`.
template <class T> T* LoadModule(const QString& name) {
    for (QObject* linked : QPluginLoader::staticInstances())
        if (auto* module = qobject_cast<T*>(linked)) return module;
    return qobject_cast<T*>(LoadModuleFile(name));
}
