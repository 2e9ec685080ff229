// The table checks of the self-play. They read the table only; they run
// after every handler and at every pause, so the common case allocates
// nothing and formats nothing.
#include "Invariants.h"

#include "FrmMain.h"

#include <QFile>
#include <QRegularExpression>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace {

Rules::Mask MaskOf(const int* cards, int count) {
    Rules::Mask m = 0;
    for (int i = 0; i < count; ++i)
        m |= Rules::Bit(cards[i]);
    return m;
}

QString Problem(const char* format, int a = 0, int b = 0, int c = 0) {
    return QString::asprintf(format, a, b, c);
}

struct Census {
    int InPlace[10] = {};
    int InColumn[7] = {};
    int Column[7][14]; // the cards of each column, ascending; filled up to InColumn[c]
};

// The card's six column flags as the bytes of one word: they lie side by side.
uint64_t ColumnBytes(const CardRecord& card) {
    uint32_t low = 0;
    uint16_t high = 0;
    std::memcpy(&low, &card.InColumn(1), 4);
    std::memcpy(&high, &card.InColumn(5), 2);
    return low | uint64_t{high} << 32;
}

// One pass over the cards, with no branch for the common card that lies in
// no column: this runs at every pause of every hand.
QString TakeCensus(const FrmMain& f, Census& s) {
    unsigned badPlace = 0;
    for (int n = 1; n <= 52; ++n) {
        const CardRecord& card = f.Cards(n);
        const unsigned place = static_cast<unsigned>(card.Place);
        badPlace |= place > 9 ? 1u : (0x21Eu >> place & 1u) ^ 1u; // places 1, 2, 3, 4, 9
        ++s.InPlace[place > 9 ? 0 : place];
        const uint64_t bytes = ColumnBytes(card);
        if ((bytes != 0) != (place == Where::InMeld) || (bytes & (bytes - 1)) != 0) {
            int columns = 0;
            for (int c = 1; c <= 6; ++c)
                columns += card.InColumn(c) ? 1 : 0;
            return Problem("card %d has place %d but lies in %d columns", n, card.Place, columns);
        }
        if (bytes == 0) continue;
        const int c = 1 + std::countr_zero(bytes) / 8;
        if (s.InColumn[c] == 13) return Problem("column %d holds more than 13 cards", c);
        s.Column[c][s.InColumn[c]++] = n;
    }
    if (badPlace)
        for (int n = 1; n <= 52; ++n) {
            const int place = f.Cards(n).Place;
            if (place < 1 || place > 9 || (place > 4 && place < 9))
                return Problem("card %d has no place (%d)", n, place);
        }
    return {};
}

// Counts against places: exact at rest; in flight, at most two counts each
// off by one card.
QString CompareCounts(const FrmMain& f, const Census& s, Moment when) {
    const int held[3] = {s.InPlace[Where::PlayerHand], s.InPlace[Where::DorvilHand],
                         s.InPlace[Where::Stock]};
    const int counted[3] = {f.PlayerCount, f.OppCount, f.StockCount};
    static const char* const what[3] = {"the player holds %d cards, PlayerCount says %d",
                                        "Dorvil holds %d cards, OppCount says %d",
                                        "the stock holds %d cards, StockCount says %d"};
    int off = 0;
    for (int i = 0; i < 3; ++i) {
        const int d = counted[i] - held[i];
        if (d == 0) continue;
        if (when == Moment::AtRest || std::abs(d) > 1 || ++off > 2)
            return Problem(what[i], held[i], counted[i]);
    }
    for (int c = 1; c <= 6; ++c) {
        const int d = f.Melds(c).Count - s.InColumn[c];
        if (d == 0) continue;
        if (when == Moment::AtRest || d != 1 || ++off > 2)
            return Problem("column %d holds %d cards, its count says %d", c, s.InColumn[c],
                           f.Melds(c).Count);
    }
    return {};
}

QString CheckColumnAtRest(const FrmMain& f, const Census& s, int c) {
    const MeldColumn& m = f.Melds(c);
    const int count = s.InColumn[c];
    const int* cards = s.Column[c];
    if (m.InUse != (count > 0))
        return Problem("column %d: in use %d with %d cards", c, m.InUse, count);
    if (m.Done != (count >= 3))
        return Problem("column %d: complete %d with %d cards", c, m.Done, count);
    if (count == 0) return {};
    if (m.Low != cards[0] || m.High != cards[count - 1])
        return Problem("column %d: lowest and highest say %d and %d", c, m.Low, m.High);
    for (int k = 1; k <= count; ++k) {
        int found = 0;
        for (int i = 0; i < count; ++i)
            found += cards[i] == m.Slot(k) ? 1 : 0;
        if (found != 1)
            return Problem("column %d: slot %d holds card %d, not in it", c, k, m.Slot(k));
    }
    if (count < 2) return {};
    const bool set = Rules::ShapeOf(MaskOf(cards, count)) == Rules::Shape::Set;
    if (m.IsSet != set || m.IsRun != !set)
        return Problem("column %d: marked set %d run %d", c, m.IsSet, m.IsRun);
    if (!set && m.RunSuit != f.Cards(cards[0]).Suit)
        return Problem("column %d: run marked with suit %d, not %d", c, m.RunSuit,
                       f.Cards(cards[0]).Suit);
    return {};
}

QString CheckDorvilsList(const FrmMain& f) {
    int i = 0;
    for (int n = 1; n <= 52; ++n) {
        if (f.Cards(n).Place != Where::DorvilHand) continue;
        ++i;
        const OppCardEntry& e = f.OppCards(i);
        if (e.Card != n || e.Suit != f.Cards(n).Suit || e.Rank != f.Cards(n).Rank)
            return Problem("Dorvil's hand list names card %d at %d, he holds %d", e.Card, i, n);
    }
    return {};
}

QString CheckNumbers(const FrmMain& f) {
    const int16_t values[6] = {f.PlayerScore, f.OppScore,    f.PlayerGamesWon,
                               f.OppGamesWon, f.PlayerMoney, f.OppMoney};
    static const char* const names[6] = {"player's score", "Dorvil's score", "player's games",
                                         "Dorvil's games", "player's money", "Dorvil's money"};
    for (int i = 0; i < 6; ++i)
        if (values[i] < 0) return QStringLiteral("%1 is %2").arg(names[i]).arg(values[i]);
    if (f.TargetPoints < 25 || f.TargetPoints > 500)
        return Problem("target points %d outside 25..500", f.TargetPoints);
    if (f.FaceCard < 0 || f.FaceCard > 52) return Problem("face card %d", f.FaceCard);
    if (f.OppCount < 0 || f.OppCount > 52 || f.PlayerCount < 0 || f.PlayerCount > 52)
        return Problem("hand counts %d and %d", f.PlayerCount, f.OppCount);
    return {};
}

} // namespace

QString CheckTable(const FrmMain& f, Moment when) {
    Census s;
    QString problem = TakeCensus(f, s);
    if (problem.isEmpty()) problem = CompareCounts(f, s, when);
    if (problem.isEmpty()) problem = CheckNumbers(f);
    if (!problem.isEmpty()) return problem;
    int open = 0;
    for (int c = 1; c <= 6; ++c) {
        if (!Rules::IsMeld(MaskOf(s.Column[c], s.InColumn[c])))
            return Problem("column %d is neither a set nor a run", c);
        if ((s.InColumn[c] == 1 || s.InColumn[c] == 2) && ++open > 1)
            return QStringLiteral("two columns hold an open meld");
        if (when == Moment::AtRest) {
            problem = CheckColumnAtRest(f, s, c);
            if (!problem.isEmpty()) return problem;
        }
    }
    if (when == Moment::InFlight) return {};
    if (f.FaceCard != 0 && f.Cards(f.FaceCard).Place == Where::Stock)
        return Problem("the face card %d lies in the stock", f.FaceCard);
    if (f.PlayerTurn && f.OppTurn) return QStringLiteral("both sides' turn at once");
    if (f.TakingCard) return QStringLiteral("a card is still on its way into the hand");
    if (f.GameInPlay && !f.HandOver && !f.GameOver && !f.PlayerTurn)
        return QStringLiteral("the table rests with nobody to play");
    return CheckDorvilsList(f);
}

namespace {
// Every scalar of the table that a check reads.
struct Scalars {
    int PlayerCount, OppCount, StockCount, FaceCard;
    int16_t Numbers[7];
    bool Flags[6];
};
static_assert(sizeof(Scalars) == 36, "no padding in the gathered scalars");
} // namespace

// The parts of the table a check reads, as byte ranges: the arrays whole,
// padding included (a table that differs only in padding is merely checked
// again), and the scalars gathered into one record.
struct LastCheckedTable::Parts {
    const unsigned char* At[4];
    size_t Size[4];
    Scalars Gathered;
    explicit Parts(const FrmMain& f)
        : At{reinterpret_cast<const unsigned char*>(&f.Cards(1)),
             reinterpret_cast<const unsigned char*>(&f.OppCards(1)),
             reinterpret_cast<const unsigned char*>(&f.Melds(1)),
             reinterpret_cast<const unsigned char*>(&Gathered)},
          Size{sizeof(CardRecord) * 52, sizeof(OppCardEntry) * 52, sizeof(MeldColumn) * 6,
               sizeof(Scalars)},
          Gathered{} {
        Gathered =
            Scalars{f.PlayerCount,
                    f.OppCount,
                    f.StockCount,
                    f.FaceCard,
                    {f.PlayerScore, f.OppScore, f.PlayerGamesWon, f.OppGamesWon, f.PlayerMoney,
                     f.OppMoney, f.TargetPoints},
                    {f.PlayerTurn, f.OppTurn, f.TakingCard, f.GameInPlay, f.HandOver, f.GameOver}};
    }
};

bool LastCheckedTable::Covers(const FrmMain& f, Moment when) const {
    if (Bytes.empty() || (when == Moment::AtRest && !AtRest)) return false;
    const Parts parts(f);
    const unsigned char* kept = Bytes.data();
    for (int i = 0; i < 4; ++i) {
        if (std::memcmp(kept, parts.At[i], parts.Size[i]) != 0) return false;
        kept += parts.Size[i];
    }
    return true;
}

void LastCheckedTable::Passed(const FrmMain& f, Moment when) {
    const Parts parts(f);
    Bytes.clear();
    for (int i = 0; i < 4; ++i)
        Bytes.insert(Bytes.end(), parts.At[i], parts.At[i] + parts.Size[i]);
    AtRest = when == Moment::AtRest;
}

std::optional<SavedStatistics> ReadStatisticsStrictly(const QByteArray& contents) {
    static const QRegularExpression record(QStringLiteral(
        "\\A(\\d{1,5}),(\\d{1,5}),(\\d{1,5}),(\\d{1,5}),\"([^\"\\r\\n]*)\"\\r\\n\\z"));
    const QRegularExpressionMatch m = record.match(QString::fromUtf8(contents));
    if (!m.hasMatch()) return std::nullopt;
    int16_t numbers[4];
    for (int i = 0; i < 4; ++i) {
        const int v = m.captured(i + 1).toInt();
        if (v > 32767) return std::nullopt;
        numbers[i] = static_cast<int16_t>(v);
    }
    return SavedStatistics{numbers[0], numbers[1], numbers[2], numbers[3], m.captured(5)};
}

std::optional<QString> ReadNameStrictly(const QByteArray& contents) {
    static const QRegularExpression record(QStringLiteral("\\A\"([^\"\\r\\n]*)\"\\r\\n\\z"));
    const QRegularExpressionMatch m = record.match(QString::fromUtf8(contents));
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1);
}

namespace {
// Bytes of a file as a message shows them: printable ASCII, the rest escaped.
QString Printable(const QByteArray& bytes) {
    QString text;
    for (char c : bytes.left(200)) {
        auto b = static_cast<unsigned char>(c);
        text += b >= 0x20 && b < 0x7f ? QString(QLatin1Char(c))
                                      : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    return text;
}

QByteArray ReadAll(const QString& path, bool* exists) {
    QFile file(path);
    *exists = file.open(QIODevice::ReadOnly);
    return *exists ? file.read(1 << 16) : QByteArray();
}
} // namespace

QString CheckSavedFiles(const FrmMain& f, const QString& folder, bool tolerateDamage,
                        bool sameName) {
    bool exists = false;
    QByteArray bytes = ReadAll(folder + QStringLiteral("/Scores.dat"), &exists);
    const auto saved = ReadStatisticsStrictly(bytes);
    if (exists && !saved && !tolerateDamage)
        return QStringLiteral("Scores.dat is not one whole record: ") + Printable(bytes);
    if (saved &&
        (saved->PlayerGamesWon != f.PlayerGamesWon || saved->OppGamesWon != f.OppGamesWon ||
         saved->OppMoney != f.OppMoney || saved->PlayerMoney != f.PlayerMoney))
        return QStringLiteral("Scores.dat holds %1, the table %2,%3,%4,%5")
            .arg(Printable(bytes))
            .arg(f.PlayerGamesWon)
            .arg(f.OppGamesWon)
            .arg(f.OppMoney)
            .arg(f.PlayerMoney);
    bytes = ReadAll(folder + QStringLiteral("/Names2.dat"), &exists);
    const auto name = ReadNameStrictly(bytes);
    if (exists && !name && !tolerateDamage)
        return QStringLiteral("Names2.dat is not one whole record: ") + Printable(bytes);
    if (sameName && name && *name != f.PlayerName)
        return QStringLiteral("Names2.dat holds %1, the table the name '%2'")
            .arg(Printable(bytes), f.PlayerName);
    return {};
}
