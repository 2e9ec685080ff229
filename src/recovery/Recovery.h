// The recovery file: the game in progress written beside Scores.dat at every
// point of rest, so that a crash, a kill or a power cut loses nothing, and
// read back at the next start. The window and the self-play call the same
// functions here, and keep the file through a RecoveryKeeper.
#pragma once

#include "SavedGame.h"

#include <QString>
#include <optional>

class FrmMain;
class ViewMemory;

namespace Recovery {

inline const QString FileName = QStringLiteral("Recovery.dat");
// The recovery file in `folder` (FrmMain::SavedFilesFolder(), where Scores.dat goes).
QString FilePath(const QString& folder);

// Nothing of the game moves or waits: no handler is running (so no pause and
// no message box is open), no card taken by the player is on its way, no card
// follows the pointer, and the program is not closing.
bool AtPointOfRest(const FrmMain& table, const ViewMemory& memory);
// A game is in progress: dealt, and neither won nor abandoned.
bool WorthKeeping(const FrmMain& table);

enum class Kept {
    NotAtRest, // nothing done: call again at the next point of rest
    Written,
    Unchanged, // the file already holds this very table
    Removed,   // nothing to recover: no file is left
    Failed,    // no folder, or the write failed; an older file may be left
};
// At a point of rest: writes the game in progress (aside, then renamed into
// place), or removes the file when no game is in progress.
Kept KeepRecovery(const QString& folder, FrmMain& table, const ViewMemory& memory);
// Leaving on purpose (Exit, "Bye for Now") or declining to continue: the
// game is not to come back.
bool RemoveRecovery(const QString& folder);
// The file's bytes written aside, synced and renamed into place.
bool WriteRecovery(const QString& folder, const QByteArray& bytes);

// At start-up: the game the file in `folder` holds, checked whole; nothing
// when there is no file. A file that cannot be taken back is set aside
// (renamed to Recovery.dat.damaged, or .damaged.2 and on, never over an
// older one) with one line on standard error. A write a crash cut short
// left beside it is removed.
std::optional<SavedGame> ReadRecovery(const QString& folder);

} // namespace Recovery
