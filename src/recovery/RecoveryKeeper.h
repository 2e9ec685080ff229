// The recovery file kept without waiting for the disk: at a point of rest the
// table is put into words at once (a fraction of a millisecond), and the
// write, the sync and the rename happen on a thread of the keeper's own, in
// the order asked; a table still waiting to be written is replaced by a
// newer one, and a removal is never overtaken by an older write. The window
// and the self-play keep their game through one of these.
#pragma once

#include "Recovery.h"

#include <QByteArray>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class RecoveryKeeper {
  public:
    explicit RecoveryKeeper(QString folder);
    ~RecoveryKeeper(); // what was asked is done first
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // At a point of rest: the game in progress to be written (Written: asked
    // for), or the file to be removed when no game is in progress (Removed);
    // Unchanged when the table is the one last asked for.
    Recovery::Kept Keep(FrmMain& table, const ViewMemory& memory);
    // Leaving on purpose, or declining to continue.
    void Remove();
    // Returns once everything asked is done; false when a write or a
    // removal failed since the last call.
    bool Finish();

  private:
    const QString Folder;
    std::mutex Lock;
    std::condition_variable Wake, Done;
    std::optional<QByteArray> Waiting; // bytes to write; empty bytes: remove
    QByteArray LastAsked;              // what the file holds once all is done
    bool Busy = false, Stopping = false, FailedSince = false;
    std::thread Worker;

    void Ask(QByteArray bytes);
    void Work();
};
