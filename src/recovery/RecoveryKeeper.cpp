// The keeper's thread: one write or removal at a time, the newest asked.
#include "RecoveryKeeper.h"

#include "FrmMain.h"

RecoveryKeeper::RecoveryKeeper(QString folder)
    : Folder(std::move(folder)), Worker([this] { Work(); }) {}

RecoveryKeeper::~RecoveryKeeper() {
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Wake.notify_all();
    Worker.join();
}

Recovery::Kept RecoveryKeeper::Keep(FrmMain& table, const ViewMemory& memory) {
    if (!Recovery::AtPointOfRest(table, memory)) return Recovery::Kept::NotAtRest;
    if (Folder.isEmpty()) return Recovery::Kept::Failed;
    if (!Recovery::WorthKeeping(table)) {
        Remove();
        return Recovery::Kept::Removed;
    }
    std::optional<Recovery::SavedGame> game = Recovery::SavedGame::Capture(table, memory);
    if (!game) return Recovery::Kept::Failed;
    {
        std::lock_guard<std::mutex> guard(Lock);
        if (game->Bytes() == LastAsked) return Recovery::Kept::Unchanged;
    }
    Ask(game->Bytes());
    return Recovery::Kept::Written;
}

void RecoveryKeeper::Remove() {
    Ask(QByteArray());
}

void RecoveryKeeper::Ask(QByteArray bytes) {
    {
        std::lock_guard<std::mutex> guard(Lock);
        LastAsked = bytes;
        Waiting = std::move(bytes);
    }
    Wake.notify_all();
}

bool RecoveryKeeper::Finish() {
    std::unique_lock<std::mutex> guard(Lock);
    Done.wait(guard, [this] { return !Waiting && !Busy; });
    const bool failed = FailedSince;
    FailedSince = false;
    return !failed;
}

void RecoveryKeeper::Work() {
    std::unique_lock<std::mutex> guard(Lock);
    for (;;) {
        Wake.wait(guard, [this] { return Waiting || Stopping; });
        if (!Waiting) return; // stopping, and nothing is left to do
        const QByteArray bytes = std::move(*Waiting);
        Waiting.reset();
        Busy = true;
        guard.unlock();
        const bool done = bytes.isEmpty() ? Recovery::RemoveRecovery(Folder)
                                          : Recovery::WriteRecovery(Folder, bytes);
        guard.lock();
        Busy = false;
        FailedSince = FailedSince || !done;
        Done.notify_all();
    }
}
