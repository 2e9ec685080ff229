// The line of a kept hand, and its replay.
#include "KeptHand.h"

#include <QtEndian>

namespace Review {

namespace {

constexpr uint8_t Version = 1;
constexpr uint8_t ThreeCards = 0x80; // a move of Dorvil's new meld carries three cards

uint32_t Checksum(QByteArrayView bytes) {
    uint32_t h = 2166136261u;
    for (char c : bytes)
        h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    return h;
}

template <class T> void Put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

struct Reader {
    QByteArrayView Bytes;
    qsizetype At = 0;
    bool Short = false;
    template <class T> T Get() {
        if (At + qsizetype(sizeof(T)) > Bytes.size()) {
            Short = true;
            return T{};
        }
        const T v = qFromLittleEndian<T>(Bytes.data() + At);
        At += sizeof(T);
        return v;
    }
};

bool SoundMove(const Model::Move& m) {
    auto card = [](int n) { return n == 0 || Rules::IsCard(n); };
    return m.What <= Model::Move::CallDraw && m.Column <= 6 && card(m.Card) && card(m.Card2) &&
           card(m.Card3);
}

} // namespace

Model::Position KeptHand::Dealt() const {
    return Model::Deal(Pack, Dealer, Score[0], Score[1], Target);
}

uint64_t TableDigest(Rules::Mask player, Rules::Mask dorvil, const Rules::Mask (&columns)[6],
                     Rules::Mask discards) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&](Rules::Mask m) { h = (h ^ m) * 1099511628211ull; };
    mix(player);
    mix(dorvil);
    for (Rules::Mask c : columns)
        mix(c);
    mix(discards);
    return h;
}

uint64_t TableDigest(const Model::Position& p) {
    Rules::Mask pile = p.Face ? Rules::Bit(p.Face) : 0;
    for (int i = 0; i < p.PileCount; ++i)
        pile |= Rules::Bit(p.Pile[i]);
    return TableDigest(p.Held[0], p.Held[1], p.Columns, pile);
}

QByteArray Encode(const KeptHand& h) {
    QByteArray bin;
    bin.reserve(90 + 4 * int(h.Moves.size()));
    Put<uint8_t>(bin, Version);
    Put<int64_t>(bin, h.When);
    Put<uint8_t>(bin, h.Dealer);
    Put<uint8_t>(bin, h.Dorvil);
    Put<int16_t>(bin, h.Score[0]);
    Put<int16_t>(bin, h.Score[1]);
    Put<int16_t>(bin, h.Target);
    bin.append(reinterpret_cast<const char*>(h.Pack), 52);
    Put<uint8_t>(bin, static_cast<uint8_t>(h.End));
    Put<uint8_t>(bin, h.Winner);
    Put<int16_t>(bin, h.Points);
    Put<uint64_t>(bin, h.Final);
    Put<uint16_t>(bin, static_cast<uint16_t>(h.Moves.size()));
    for (const Model::Move& m : h.Moves) {
        const bool three = m.Card2 || m.Card3;
        Put<uint8_t>(bin, uint8_t(m.What | (m.Column << 3) | (three ? ThreeCards : 0)));
        Put<uint8_t>(bin, m.Card);
        if (three) {
            Put<uint8_t>(bin, m.Card2);
            Put<uint8_t>(bin, m.Card3);
        }
    }
    const QByteArray text =
        bin.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return text + ' ' + QByteArray::number(Checksum(text), 16).rightJustified(8, '0');
}

std::optional<KeptHand> Decode(QByteArrayView line) {
    const qsizetype space = line.lastIndexOf(' ');
    if (space < 0 || line.size() - space != 9) return std::nullopt;
    const QByteArrayView text = line.first(space);
    bool ok = false;
    const uint32_t sum = line.sliced(space + 1).toByteArray().toUInt(&ok, 16);
    if (!ok || sum != Checksum(text)) return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(
        text.toByteArray(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return std::nullopt;
    const QByteArray& bytes = decoded.decoded;
    Reader r{bytes};
    KeptHand h;
    if (r.Get<uint8_t>() != Version) return std::nullopt;
    h.When = r.Get<int64_t>();
    const uint8_t dealer = r.Get<uint8_t>(), level = r.Get<uint8_t>();
    h.Dealer = dealer ? Model::Dorvil : Model::Player;
    h.Dorvil = level;
    h.Score[0] = r.Get<int16_t>();
    h.Score[1] = r.Get<int16_t>();
    h.Target = r.Get<int16_t>();
    Rules::Mask seen = 0;
    for (uint8_t& card : h.Pack) {
        card = r.Get<uint8_t>();
        if (!Rules::IsCard(card) || (seen & Rules::Bit(card))) return std::nullopt;
        seen |= Rules::Bit(card);
    }
    const uint8_t end = r.Get<uint8_t>(), winner = r.Get<uint8_t>();
    if (dealer > 1 || level > 2 || end > uint8_t(Model::Ending::Stopped) || winner > 1)
        return std::nullopt;
    h.End = static_cast<Model::Ending>(end);
    h.Winner = winner ? Model::Dorvil : Model::Player;
    h.Points = r.Get<int16_t>();
    h.Final = r.Get<uint64_t>();
    const int count = r.Get<uint16_t>();
    h.Moves.reserve(count);
    for (int i = 0; i < count && !r.Short; ++i) {
        const uint8_t head = r.Get<uint8_t>();
        Model::Move m;
        m.What = static_cast<Model::Move::Kind>(head & 7);
        m.Column = (head >> 3) & 15;
        m.Card = r.Get<uint8_t>();
        if (head & ThreeCards) {
            m.Card2 = r.Get<uint8_t>();
            m.Card3 = r.Get<uint8_t>();
        }
        if (!SoundMove(m)) return std::nullopt;
        h.Moves.push_back(m);
    }
    if (r.Short || r.At != bytes.size()) return std::nullopt;
    return h;
}

Replay PlayAgain(const KeptHand& h) {
    Replay out;
    out.Steps.reserve(h.Moves.size() + 1);
    Model::Position p = h.Dealt();
    out.Steps.push_back(p);
    for (size_t i = 0; i < h.Moves.size(); ++i) {
        const Model::Move& m = h.Moves[i];
        // A player who is not held to the top card may take any card of the
        // pile that shows (the self-play's player does).
        bool legal = p.IsLegal(m);
        if (!legal && m.What == Model::Move::TakeFace && p.ToMove == Model::Player && !p.Drawn)
            for (int k = 0; k < p.PileCount; ++k)
                legal = legal || p.Pile[k] == m.Card;
        if (!legal) {
            out.Fault = QStringLiteral("move %1 is not legal").arg(i + 1);
            return out;
        }
        p.Apply(m);
        out.Steps.push_back(p);
    }
    const Model::Position::Result r = p.Outcome();
    if (r.End != h.End)
        out.Fault = QStringLiteral("the hand does not end as it did");
    else if (h.End == Model::Ending::Out && (r.Winner != h.Winner || r.Points != h.Points))
        out.Fault = QStringLiteral("the replay scores %1 points, the hand scored %2")
                        .arg(r.Points)
                        .arg(h.Points);
    else if (TableDigest(p) != h.Final)
        out.Fault = QStringLiteral("the final table differs");
    out.Matches = out.Fault.isEmpty();
    return out;
}

} // namespace Review
