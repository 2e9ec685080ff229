// The self-play's part of the recovery file. With --recovery the game is
// kept in the data folder at every point of rest, as the window keeps it, and
// a start that finds it there continues the game. With --restore, at random
// points of rest the game goes through its file: written, read back by the
// real reader, and taken up by a fresh table and view while the old ones are
// thrown away; the run must go on exactly as it would have.
#include "SelfPlayRunner.h"

using namespace SelfPlayParts;

namespace {
constexpr double RestoreChance = 0.005; // at each point of rest between moves

// splitmix64, so that the points chosen never touch the game's draws
double Chance(uint64_t& state) {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}
} // namespace

void SelfPlay::Runner::NewTable(const RandomSource& generator) {
    Frm.reset();
    Shown.reset();
    View = std::make_unique<SelfPlayView>(*this);
    Shown = std::make_unique<ViewMemory>(*View);
    Random = generator;
    RandomSource drawn = generator; // the same sequence, each draw counted
    drawn.BeforeDraw = [this] {
        if (++HandDraws > MaxDrawsPerHand)
            Fault(QStringLiteral("a draw from the stock does not end"));
    };
    const QString data = Config.DataFolder;
    Frm = std::make_unique<FrmMain>(*Shown, TableSettings{data, data, std::move(drawn)});
}

void SelfPlay::Runner::KeepGame() {
    if (!Keeper) Keeper = std::make_unique<RecoveryKeeper>(Config.DataFolder);
    if (Keeper->Keep(*Frm, *Shown) == Recovery::Kept::Failed)
        Fault(QStringLiteral("the game could not be put into its recovery file"));
}

void SelfPlay::Runner::LeaveGame() {
    if (!Keeper) return;
    Keeper->Remove();
    if (!Keeper->Finish()) Fault(QStringLiteral("a write of the recovery file failed"));
}

bool SelfPlay::Runner::StartFromSaved() {
    if (!Config.KeepGame) return false;
    if (Keeper && !Keeper->Finish()) Fault(QStringLiteral("a write of the recovery file failed"));
    const std::optional<Recovery::SavedGame> game = Recovery::ReadRecovery(Config.DataFolder);
    if (!game) return false;
    if (!game->RestoreInto(*Frm, *Shown))
        Fault(QStringLiteral("the saved game was not taken up by a fresh table"));
    ++Result.Continued;
    for (const auto& listener : RestoreListeners)
        listener();
    ScoreSeen[0] = Frm->PlayerScore;
    ScoreSeen[1] = Frm->OppScore;
    Check(Moment::AtRest);
    return true;
}

void SelfPlay::Runner::MaybeRestore() {
    if (Chance(RestoreDraws) >= RestoreChance) return;
    if (View->Closed || !Recovery::AtPointOfRest(*Frm, *Shown) || !Recovery::WorthKeeping(*Frm))
        return;
    // A folder of its own: the data folder's file is the keeper's.
    if (!RestoreFolder) {
        RestoreFolder = std::make_unique<QTemporaryDir>();
        if (!RestoreFolder->isValid()) Fault(QStringLiteral("no folder for the recovery file"));
    }
    const QString folder = RestoreFolder->path();
    const Recovery::Kept kept = Recovery::KeepRecovery(folder, *Frm, *Shown);
    if (kept != Recovery::Kept::Written && kept != Recovery::Kept::Unchanged)
        Fault(QStringLiteral("the game at a point of rest was not written to its file"));
    Restore(folder);
}

// After a handler the model followed must be the table's; now and then every
// drop the player could make is tried on a copy of the table.
void SelfPlay::Runner::CheckModel() {
    if (ModelStale) {
        ModelStale = false;
        const QString problem = Modelled.AtRest(*Frm, View->Window.CallDraw);
        if (!problem.isEmpty()) Fault(problem);
    }
    if (Config.DropTrials <= 0 || Chance(TrialDraws) >= Config.DropTrials) return;
    if (!Recovery::AtPointOfRest(*Frm, *Shown) || !Recovery::WorthKeeping(*Frm)) return;
    const QString problem = Modelled.TryDrops(*Frm, *Shown);
    if (!problem.isEmpty()) Fault(problem);
}

void SelfPlay::Runner::Restore(const QString& folder) {
    const std::optional<Recovery::SavedGame> game = Recovery::ReadRecovery(folder);
    if (!game) Fault(QStringLiteral("the recovery file just written does not read back"));
    NewTable(RandomSource(0)); // its state comes from the file
    if (!game->RestoreInto(*Frm, *Shown))
        Fault(QStringLiteral("the saved game was not taken up by a fresh table"));
    const std::optional<Recovery::SavedGame> again = Recovery::SavedGame::Capture(*Frm, *Shown);
    if (!again || again->Bytes() != game->Bytes())
        Fault(QStringLiteral("the table taken up from the file differs from the one saved"));
    ++Result.Restores;
    for (const auto& listener : RestoreListeners)
        listener();
    Check(Moment::AtRest);
}
