// A game at a point of rest as its recovery file holds it: the whole table
// (every card's place, the melds, both hands, the stock and the pile, scores,
// flags, statistics, what Sharp Dorvil has seen), the random generator's
// state and the table as shown. Bytes read back are checked whole before a
// table is touched.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class FrmMain;
class ViewMemory;

namespace Recovery {

// The first line of a recovery file: the format's name and its version.
// Version 2 adds the advice taken in the hand, version 3 the hand's deal; an
// older file is still read, as a hand in which none was taken and whose
// deal is not known.
inline const QByteArray FormatName = QByteArrayLiteral("Meldora-Recovery");
constexpr int FormatVersion = 3;
// A longer file is never one of ours: it is refused before it is read.
constexpr qint64 MaxFileSize = 16 << 20;

class SavedGame {
  public:
    // The table and what it shows, as the file's bytes; nothing when the
    // table draws from a generator whose state cannot be saved.
    static std::optional<SavedGame> Capture(FrmMain& table, const ViewMemory& memory);
    // The bytes of a file, checked: nothing, and the reason in `why`, when
    // they are cut short, damaged, foreign, of a newer version, too large or
    // not a table the game can have left at a point of rest.
    static std::optional<SavedGame> Read(const QByteArray& bytes, QString* why);

    const QByteArray& Bytes() const { return Content; }
    // Lays the game onto a fresh table and its fresh view memory, and the
    // game goes on from there. False, and nothing touched, when the table's
    // generator cannot take the saved state.
    bool RestoreInto(FrmMain& table, ViewMemory& memory) const;

  private:
    QByteArray Content;
};

} // namespace Recovery
