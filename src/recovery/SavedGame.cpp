// The recovery file's text: a line naming the format and its version, one
// line for each part of the table ("key value value ..."), the random
// generator's state, and a SHA-256 checksum of all that comes before it.
// One list of the table's parts serves writing and reading alike.
#include "SavedGame.h"

#include "FrmMain.h"
#include "NullView.h"
#include "Random.h"
#include "RestingTable.h"
#include "ViewMemory.h"

#include <QByteArrayList>
#include <QCryptographicHash>
#include <algorithm>
#include <iterator>
#include <limits>
#include <map>

namespace Recovery {

namespace {

constexpr int MaxEvents = 200000; // what one hand records, many times over
constexpr int MaxText = 1 << 17;  // characters of a text shown: a name (at most 64 Ki) and more

// Every part of the table, in the file's order, as the file's version has it.
template <class Table, class V> void VisitTable(Table& f, V& v, int version) {
    v.Text("name", f.PlayerName);
    v.Numbers("target", f.TargetPoints);
    v.Numbers("scores", f.PlayerScore, f.OppScore);
    v.Numbers("statistics", f.PlayerGamesWon, f.OppGamesWon, f.PlayerMoney, f.OppMoney);
    v.Numbers("game", f.GameInPlay, f.GameOver, f.HandOver, f.PlayerDeals, f.SortBySuit);
    v.Numbers("turn", f.PlayerTurn, f.OppTurn, f.PlayerHasDrawn, f.DiscardConfirmed);
    v.Numbers("dorvil", f.DorvilChosen, f.DorvilAtTable, f.OppTookFace, f.Busy(1), f.Busy(2));
    v.Numbers("counts", f.PlayerCount, f.OppCount, f.StockCount, f.FaceCard);
    v.Numbers("melds-made", f.MadeMeld(1), f.MadeMeld(2), f.OpenColumnFound, f.OpenColumn,
              f.ScanIndex);
    v.Numbers("dorvil-run", f.OppRunLow, f.OppRunMid, f.OppRunHigh);
    v.Numbers("hand-points", f.PlayerHandPoints, f.OppHandPoints);
    v.Numbers("drag", f.DragLeft, f.DragTop);
    v.Numbers("sequence", f.HandSerial, f.DeluxeChoice, f.AnimationPause);
    if (version >= 2) v.Numbers("hints", f.HandHints);
    if (version >= 3)
        v.List(
            "dealt", 52, [&](int n) -> auto& { return f.DealtTo[n]; });
    v.List(
        "places", 52, [&](int n) -> auto& { return f.Cards(n).Place; });
    v.List(
        "suits", 52, [&](int n) -> auto& { return f.Cards(n).Suit; });
    v.List(
        "ranks", 52, [&](int n) -> auto& { return f.Cards(n).Rank; });
    v.Grid(
        "columns", 52, 6, [&](int n, int c) -> auto& { return f.Cards(n).InColumn(c); });
    v.List(
        "dropped", 52, [&](int n) -> auto& { return f.DroppedBefore(n); });
    v.Grid(
        "dorvil-list", 52, 3, [&](int i, int k) -> auto& {
            auto& e = f.OppCards(i);
            return k == 1 ? e.Card : k == 2 ? e.Suit : e.Rank;
        });
    v.List(
        "pair-ranks", 13, [&](int r) -> auto& { return f.OppPairRank(r); });
    v.List(
        "triple-ranks", 13, [&](int r) -> auto& { return f.OppTripleRank(r); });
    v.List(
        "quad-ranks", 13, [&](int r) -> auto& { return f.OppQuadRank(r); });
    v.List(
        "meld-low", 6, [&](int c) -> auto& { return f.Melds(c).Low; });
    v.List(
        "meld-high", 6, [&](int c) -> auto& { return f.Melds(c).High; });
    v.List(
        "meld-count", 6, [&](int c) -> auto& { return f.Melds(c).Count; });
    v.List(
        "meld-in-use", 6, [&](int c) -> auto& { return f.Melds(c).InUse; });
    v.List(
        "meld-done", 6, [&](int c) -> auto& { return f.Melds(c).Done; });
    v.List(
        "meld-run", 6, [&](int c) -> auto& { return f.Melds(c).IsRun; });
    v.List(
        "meld-set", 6, [&](int c) -> auto& { return f.Melds(c).IsSet; });
    v.List(
        "meld-suit", 6, [&](int c) -> auto& { return f.Melds(c).RunSuit; });
    v.Grid(
        "meld-slots", 6, 13, [&](int c, int k) -> auto& { return f.Melds(c).Slot(k); });
    v.Events("hand-log", f.HandLog);
}

template <class Picture, class V> void VisitPicture(Picture& p, V& v) {
    v.Numbers("shown-made", p.PicturesCreated, p.FollowerCreated, p.FollowObject, p.Following,
              p.DorvilSeated);
    auto card = [&](int n) -> auto& {
        return p.Cards[static_cast<size_t>(n)];
    };
    v.List(
        "shown-left", 52, [&](int n) -> auto& { return card(n).Left; });
    v.List(
        "shown-top", 52, [&](int n) -> auto& { return card(n).Top; });
    v.List(
        "shown-image", 52, [&](int n) -> auto& { return card(n).Image; });
    v.List(
        "shown-visible", 52, [&](int n) -> auto& { return card(n).Visible; });
    v.List(
        "shown-pointer", 52, [&](int n) -> auto& { return card(n).Pointer; });
    v.Texts(
        "shown-tips", 52, [&](int n) -> auto& { return card(n).Tip; });
    v.Stack("shown-stacking", p.Stacking);
    const int controls = TablePicture::Controls;
    v.Texts(
        "shown-texts", controls, [&](int i) -> auto& { return p.Texts[size_t(i - 1)]; });
    v.List(
        "shown-controls", controls, [&](int i) -> auto& { return p.Shown[size_t(i - 1)]; });
    v.Texts(
        "shown-panels", 4, [&](int i) -> auto& { return p.Panels[size_t(i)]; });
    v.List(
        "shown-menus",
        TablePicture::Menus, [&](int i) -> auto& { return p.MenuEnabled[size_t(i - 1)]; });
}

QByteArray Encode(const QString& text) {
    return '=' + text.toUtf8().toPercentEncoding();
}

class Writer {
  public:
    QByteArray Out;

    template <class... T> void Numbers(const char* key, const T&... values) {
        Out += key;
        ((Out += ' ', Out += QByteArray::number(static_cast<qlonglong>(values))), ...);
        Out += '\n';
    }
    template <class Get> void List(const char* key, int count, Get get) {
        Out += key;
        for (int i = 1; i <= count; ++i)
            Out += ' ', Out += QByteArray::number(static_cast<qlonglong>(get(i)));
        Out += '\n';
    }
    template <class Get> void Grid(const char* key, int rows, int columns, Get get) {
        List(key, rows * columns,
             [&](int i) { return get(1 + (i - 1) / columns, 1 + (i - 1) % columns); });
    }
    void Text(const char* key, const QString& text) { Out += key + (' ' + Encode(text)) + '\n'; }
    template <class Get> void Texts(const char* key, int count, Get get) {
        Out += key;
        for (int i = 1; i <= count; ++i)
            Out += ' ', Out += get(i).Set ? Encode(get(i).Text) : QByteArray("-");
        Out += '\n';
    }
    void Stack(const char* key, const std::vector<int>& items) {
        List(key, static_cast<int>(items.size()) + 1,
             [&](int i) { return i == 1 ? static_cast<int>(items.size()) : items[size_t(i - 2)]; });
    }
    void Events(const char* key, const std::vector<TableEvent>& log) {
        Out += key + (' ' + QByteArray::number(qlonglong(log.size())));
        for (const TableEvent& e : log)
            for (int value : {int(e.What), int(e.ByDorvil), e.Card, e.Column, e.Count})
                Out += ' ', Out += QByteArray::number(value);
        Out += '\n';
    }
};

class Reader {
  public:
    explicit Reader(const std::map<QByteArray, QByteArray>& lines) : Lines(lines) {}
    QString Error; // the first entry that did not read

    template <class... T> void Numbers(const char* key, T&... values) {
        const QList<QByteArray> tokens = Take(key, sizeof...(T));
        int i = 0;
        if (!tokens.isEmpty()) (Assign(key, tokens[i++], values), ...);
    }
    template <class Get> void List(const char* key, int count, Get get) {
        const QList<QByteArray> tokens = Take(key, count);
        for (int i = 1; i <= tokens.size(); ++i)
            Assign(key, tokens[i - 1], get(i));
    }
    template <class Get> void Grid(const char* key, int rows, int columns, Get get) {
        const QList<QByteArray> tokens = Take(key, rows * columns);
        for (int i = 0; i < tokens.size(); ++i)
            Assign(key, tokens[i], get(1 + i / columns, 1 + i % columns));
    }
    void Text(const char* key, QString& text) {
        const QList<QByteArray> tokens = Take(key, 1);
        if (!tokens.isEmpty()) Decode(key, tokens[0], text);
    }
    template <class Get> void Texts(const char* key, int count, Get get) {
        const QList<QByteArray> tokens = Take(key, count);
        for (int i = 1; i <= tokens.size(); ++i) {
            auto& shown = get(i);
            shown.Set = tokens[i - 1] != "-";
            shown.Text.clear();
            if (shown.Set) Decode(key, tokens[i - 1], shown.Text);
        }
    }
    void Stack(const char* key, std::vector<int>& items) {
        const QList<QByteArray> tokens = Counted(key, 1, 53);
        items.assign(size_t(std::max<qsizetype>(tokens.size() - 1, 0)), 0);
        for (size_t i = 0; i < items.size(); ++i)
            Assign(key, tokens[qsizetype(i) + 1], items[i]);
    }
    void Events(const char* key, std::vector<TableEvent>& log) {
        const QList<QByteArray> tokens = Counted(key, 5, MaxEvents);
        log.assign(size_t(std::max<qsizetype>(tokens.size() - 1, 0) / 5), TableEvent{});
        for (size_t i = 0; i < log.size(); ++i) {
            int what = 0;
            const qsizetype at = 1 + 5 * qsizetype(i);
            Assign(key, tokens[at], what);
            // Only a kind the game records may become one: any other value
            // is no TableEvent::Kind at all.
            if (what < TableEvent::Takes || what > TableEvent::HandSettled)
                return Fail(key, QStringLiteral("holds an event of kind %1").arg(what));
            log[i].What = static_cast<TableEvent::Kind>(what);
            Assign(key, tokens[at + 1], log[i].ByDorvil);
            Assign(key, tokens[at + 2], log[i].Card);
            Assign(key, tokens[at + 3], log[i].Column);
            Assign(key, tokens[at + 4], log[i].Count);
        }
    }

  private:
    const std::map<QByteArray, QByteArray>& Lines;

    void Fail(const char* key, const QString& what) {
        if (Error.isEmpty()) Error = QStringLiteral("entry '%1' %2").arg(QLatin1String(key), what);
    }
    QList<QByteArray> Take(const char* key, qsizetype count) {
        auto line = Lines.find(QByteArray(key));
        if (line == Lines.end())
            return Fail(key, QStringLiteral("is missing")), QList<QByteArray>();
        QList<QByteArray> tokens = line->second.split(' ');
        if (tokens.size() != count)
            return Fail(key,
                        QStringLiteral("holds %1 values, not %2").arg(tokens.size()).arg(count)),
                   QList<QByteArray>();
        return tokens;
    }
    // A count, then that many items of `width` values each.
    QList<QByteArray> Counted(const char* key, int width, int most) {
        auto line = Lines.find(QByteArray(key));
        if (line == Lines.end())
            return Fail(key, QStringLiteral("is missing")), QList<QByteArray>();
        const QByteArray& value = line->second;
        int count = -1;
        Assign(key, value.left(value.indexOf(' ') < 0 ? value.size() : value.indexOf(' ')), count);
        if (count < 0 || count > most)
            return Fail(key, QStringLiteral("counts %1 items").arg(count)), QList<QByteArray>();
        return Take(key, 1 + qsizetype(count) * width);
    }
    template <class T> void Assign(const char* key, const QByteArray& token, T& value) {
        bool ok = false;
        const qlonglong number = token.toLongLong(&ok);
        using Limits = std::numeric_limits<T>;
        if (!ok || QByteArray::number(number) != token || number < qlonglong(Limits::min()) ||
            number > qlonglong(Limits::max()))
            return Fail(key, QStringLiteral("holds '%1'").arg(QString::fromLatin1(token.left(20))));
        value = static_cast<T>(number);
    }
    void Decode(const char* key, const QByteArray& token, QString& text) {
        const QByteArray encoded = token.mid(1);
        const QByteArray raw = QByteArray::fromPercentEncoding(encoded);
        text = QString::fromUtf8(raw);
        if (!token.startsWith('=') || raw.toPercentEncoding() != encoded || text.toUtf8() != raw ||
            text.size() > MaxText)
            Fail(key, QStringLiteral("holds a text that does not read"));
    }
};

QByteArray Checksum(QByteArrayView content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

QByteArray Header(int version) {
    return FormatName + ' ' + QByteArray::number(version) + '\n';
}

// The lines between the header and the checksum, by key; the generator's
// state apart. Empty, with the reason, when the frame of the file is wrong.
struct Lines {
    std::map<QByteArray, QByteArray> ByKey;
    std::string RandomState;
    QString Error;
    int Version = FormatVersion;
};

Lines SplitFile(const QByteArray& bytes) {
    Lines out;
    auto fail = [&](const QString& why) { return out.Error = why, out; };
    if (bytes.size() > MaxFileSize) return fail(QStringLiteral("it is too large"));
    const qsizetype headerEnd = bytes.indexOf('\n');
    const QByteArray header =
        bytes.left(headerEnd < 0 ? qMin<qsizetype>(bytes.size(), 64) : headerEnd);
    if (!header.startsWith(FormatName + ' '))
        return fail(QStringLiteral("it is not a recovery file"));
    bool ok = false;
    const int version = header.mid(FormatName.size() + 1).toInt(&ok);
    if (!ok || version < 1) return fail(QStringLiteral("it is not a recovery file"));
    if (version > FormatVersion)
        return fail(QStringLiteral("it was written by a newer Meldora (format %1)").arg(version));
    if (header + '\n' != Header(version)) return fail(QStringLiteral("it is not a recovery file"));
    out.Version = version;
    const qsizetype sumAt = bytes.lastIndexOf("\nsha256 ");
    if (!bytes.endsWith('\n') || sumAt < headerEnd || bytes.size() - sumAt != 73)
        return fail(QStringLiteral("it is cut short"));
    if (bytes.mid(sumAt + 8, 64) != Checksum(QByteArrayView(bytes).first(sumAt + 1)))
        return fail(QStringLiteral("its checksum does not match"));
    const QList<QByteArray> lines = bytes.mid(headerEnd + 1, sumAt - headerEnd).split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const qsizetype space = lines[i].indexOf(' ');
        const QByteArray key = space < 0 ? lines[i] : lines[i].left(space);
        const QByteArray value = space < 0 ? QByteArray() : lines[i].mid(space + 1);
        if (key == "random" && out.RandomState.empty() && !value.isEmpty())
            out.RandomState = value.toStdString();
        else if (!out.ByKey.emplace(key, value).second)
            return fail(
                QStringLiteral("entry '%1' comes twice").arg(QString::fromLatin1(key.left(20))));
    }
    if (out.RandomState.empty()) return fail(QStringLiteral("it holds no random generator"));
    return out;
}

// Reads the entries into a table and a picture; the reason when any fails.
QString ReadInto(const Lines& lines, FrmMain& table, TablePicture& picture) {
    Reader reader(lines.ByKey);
    table.HandHints = 0; // a file of the first version: none taken
    std::fill(std::begin(table.DealtTo), std::end(table.DealtTo), int(FrmMain::DealtStock)); // nor its deal
    VisitTable(table, reader, lines.Version);
    VisitPicture(picture, reader);
    if (!reader.Error.isEmpty()) return reader.Error;
    if (table.HandHints < 0) return QStringLiteral("entry 'hints' holds a negative count");
    Writer keys; // the entries that were read, to find any other
    VisitTable(std::as_const(table), keys, lines.Version);
    VisitPicture(std::as_const(picture), keys);
    if (keys.Out.count('\n') != qsizetype(lines.ByKey.size()))
        return QStringLiteral("it holds entries this version does not know");
    return {};
}

} // namespace

std::optional<SavedGame> SavedGame::Capture(FrmMain& table, const ViewMemory& memory) {
    const RandomSource* generator = table.RandomGenerator();
    if (!generator) return std::nullopt;
    Writer out;
    out.Out = Header(FormatVersion);
    VisitTable(std::as_const(table), out, FormatVersion);
    const TablePicture picture = memory.Picture();
    VisitPicture(picture, out);
    out.Out += "random " + QByteArray::fromStdString(generator->State()) + '\n';
    out.Out += "sha256 " + Checksum(out.Out) + '\n';
    SavedGame game;
    game.Content = std::move(out.Out);
    return game;
}

std::optional<SavedGame> SavedGame::Read(const QByteArray& bytes, QString* why) {
    const Lines lines = SplitFile(bytes);
    QString problem = lines.Error;
    if (problem.isEmpty()) {
        NullView view;
        FrmMain scratch(view, TableSettings{});
        TablePicture picture;
        problem = ReadInto(lines, scratch, picture);
        if (problem.isEmpty()) problem = RestingTableProblem(scratch, picture);
        if (problem.isEmpty() && !RandomSource(0).SetState(lines.RandomState))
            problem = QStringLiteral("its random generator's state does not read");
    }
    if (!problem.isEmpty()) {
        if (why) *why = problem;
        return std::nullopt;
    }
    SavedGame game;
    game.Content = bytes;
    return game;
}

bool SavedGame::RestoreInto(FrmMain& table, ViewMemory& memory) const {
    RandomSource* generator = table.RandomGenerator();
    const Lines lines = SplitFile(Content);
    if (!generator || !lines.Error.isEmpty()) return false;
    RandomSource probe(0);
    if (!probe.SetState(lines.RandomState)) return false;
    TablePicture picture;
    if (!ReadInto(lines, table, picture).isEmpty()) return false; // checked when read
    generator->SetState(lines.RandomState);
    table.TakingCard = false;
    memory.LayOut(picture);
    return true;
}

} // namespace Recovery
