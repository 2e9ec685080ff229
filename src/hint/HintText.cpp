// The hint's sentences, all in one place: each a whole sentence with its
// card names and numbers filled in, so that it can be translated as one.
#include "Hint.h"

#include "FrmMain.h"

#include <algorithm>

namespace Hint {

namespace {

QString RankName(int n) {
    static const char* const names[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                        "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    return QLatin1String(names[(n - 1) % 13]);
}

QString RankPlural(int n) {
    static const char* const names[] = {"Aces",  "Twos",   "Threes", "Fours", "Fives",
                                        "Sixes", "Sevens", "Eights", "Nines", "Tens",
                                        "Jacks", "Queens", "Kings"};
    return QLatin1String(names[(n - 1) % 13]);
}

QString SuitName(int n) {
    static const char* const names[] = {"Diamonds", "Clubs", "Hearts", "Spades"};
    return QLatin1String(names[(n - 1) / 13]);
}

QString NewMeld(const Advice& a) {
    std::vector<int> m = a.Planned;
    std::sort(m.begin(), m.end());
    const QString column = QString::number(a.Column);
    const bool set = (m.front() - 1) % 13 == (m.back() - 1) % 13;
    if (set && m.size() == 3)
        return QStringLiteral("Lay the %1 of %2, %3 and %4 as a meld in column %5.")
            .arg(RankPlural(m[0]), SuitName(m[0]), SuitName(m[1]), SuitName(m[2]), column);
    if (set)
        return QStringLiteral("Lay the four %1 as a meld in column %2.")
            .arg(RankPlural(m[0]), column);
    if (m.size() == 3)
        return QStringLiteral("Lay the %1, %2 and %3 of %4 as a meld in column %5.")
            .arg(RankName(m[0]), RankName(m[1]), RankName(m[2]), SuitName(m[0]), column);
    return QStringLiteral("Lay the %1 to the %2 of %3 as a meld in column %4.")
        .arg(RankName(m.front()), RankName(m.back()), SuitName(m[0]), column);
}

} // namespace

QString Sentence(const Advice& a) {
    const QString card = FrmMain::CardName(a.Card);
    const QString column = QString::number(a.Column);
    switch (a.What) {
    case Advice::None:
        return {};
    case Advice::TakeFace:
        switch (a.Why) {
        case Advice::CompletesRun:
            return QStringLiteral("Take the %1 from the discard pile: it completes your run of %2.")
                .arg(card, SuitName(a.Card));
        case Advice::CompletesSet:
            return QStringLiteral("Take the %1 from the discard pile: it completes your set of %2.")
                .arg(card, RankPlural(a.Card));
        case Advice::FitsTable:
            return QStringLiteral("Take the %1 from the discard pile: it can be laid off on "
                                  "column %2.")
                .arg(card, column);
        case Advice::StockEmpty:
            return QStringLiteral("Take the %1 from the discard pile: the stock is empty.")
                .arg(card);
        default:
            return QStringLiteral("Take the %1 from the discard pile: it brings your hand closer "
                                  "to a meld.")
                .arg(card);
        }
    case Advice::TakeStock:
        return QStringLiteral("Take a card from the stock.");
    case Advice::Meld:
        if (a.Why == Advice::Completes)
            return QStringLiteral("Lay the %1 in column %2 to complete your meld.")
                .arg(card, column);
        if (a.Why == Advice::GoesOn)
            return QStringLiteral("Lay the %1 in column %2 to go on with your meld.")
                .arg(card, column);
        return NewMeld(a);
    case Advice::LayOff:
        return QStringLiteral("Lay the %1 off on column %2.").arg(card, column);
    case Advice::TakeBack:
        return QStringLiteral("Take back the open meld in column %1: your hand cannot complete it.")
            .arg(column);
    case Advice::Discard:
        if (a.Why == Advice::GoesOut) return QStringLiteral("Discard the %1 and go out.").arg(card);
        return QStringLiteral("Discard the %1.").arg(card);
    case Advice::CallDraw:
        if (a.Why == Advice::TooLong)
            return QStringLiteral("Call a draw: the stock has been drawn through again and again, "
                                  "and this hand may never end.");
        return QStringLiteral("Call a draw: no more cards can be laid on the table, so this hand "
                              "cannot end.");
    }
    return {};
}

} // namespace Hint
