// The hint's sentences, all in one place: each a whole sentence with its
// card names and numbers filled in, so that it can be translated as one.
#include "Hint.h"

#include "FrmMain.h"

#include <QCoreApplication>
#include <algorithm>

namespace Hint {

namespace {

QString NewMeld(const Advice& a) {
    std::vector<int> m = a.Planned;
    std::sort(m.begin(), m.end());
    const QString column = QString::number(a.Column);
    const bool set = (m.front() - 1) % 13 == (m.back() - 1) % 13;
    if (set && m.size() == 3)
        //: A set of three: %1 the rank in the plural (Fours), %2-%4 the suits, %5 the column.
        return QCoreApplication::translate("Hint",
                                           "Lay the %1 of %2, %3 and %4 as a meld in column %5.")
            .arg(FrmMain::RankPlural(m[0]), FrmMain::SuitName(m[0]), FrmMain::SuitName(m[1]),
                 FrmMain::SuitName(m[2]), column);
    if (set)
        //: A set of four: %1 the rank in the plural (Fours), %2 the column.
        return QCoreApplication::translate("Hint", "Lay the four %1 as a meld in column %2.")
            .arg(FrmMain::RankPlural(m[0]), column);
    if (m.size() == 3)
        //: A run of three: %1-%3 the ranks, %4 the suit, %5 the column.
        return QCoreApplication::translate("Hint",
                                           "Lay the %1, %2 and %3 of %4 as a meld in column %5.")
            .arg(FrmMain::RankName(m[0]), FrmMain::RankName(m[1]), FrmMain::RankName(m[2]),
                 FrmMain::SuitName(m[0]), column);
    //: A run of four or more: %1 its lowest rank, %2 its highest, %3 the suit, %4 the column.
    return QCoreApplication::translate("Hint", "Lay the %1 to the %2 of %3 as a meld in column %4.")
        .arg(FrmMain::RankName(m.front()), FrmMain::RankName(m.back()), FrmMain::SuitName(m[0]),
             column);
}

} // namespace

// %1 is always a card's name ("Seven of Hearts", with its article where the
// language puts one), or the column's number where there is no card.
QString Sentence(const Advice& a) {
    const QString card = FrmMain::CardInSentence(a.Card);
    const QString column = QString::number(a.Column);
    switch (a.What) {
    case Advice::None:
        return {};
    case Advice::TakeFace:
        switch (a.Why) {
        case Advice::CompletesRun:
            //: %2 the run's suit (Hearts).
            return QCoreApplication::translate(
                       "Hint", "Take the %1 from the discard pile: it completes your run of %2.")
                .arg(card, FrmMain::SuitName(a.Card));
        case Advice::CompletesSet:
            //: %2 the set's rank in the plural (Fours).
            return QCoreApplication::translate(
                       "Hint", "Take the %1 from the discard pile: it completes your set of %2.")
                .arg(card, FrmMain::RankPlural(a.Card));
        case Advice::FitsTable:
            return QCoreApplication::translate(
                       "Hint",
                       "Take the %1 from the discard pile: it can be laid off on column %2.")
                .arg(card, column);
        case Advice::PlaysBest:
            return QCoreApplication::translate(
                       "Hint",
                       "Take the %1 from the discard pile: it does best as the hand plays out.")
                .arg(card);
        case Advice::StockEmpty:
            return QCoreApplication::translate(
                       "Hint", "Take the %1 from the discard pile: the stock is empty.")
                .arg(card);
        default:
            return QCoreApplication::translate(
                       "Hint",
                       "Take the %1 from the discard pile: it brings your hand closer to a meld.")
                .arg(card);
        }
    case Advice::TakeStock:
        return QCoreApplication::translate("Hint", "Take a card from the stock.");
    case Advice::Meld:
        if (a.Why == Advice::Completes)
            return QCoreApplication::translate("Hint",
                                               "Lay the %1 in column %2 to complete your meld.")
                .arg(card, column);
        if (a.Why == Advice::GoesOn)
            return QCoreApplication::translate("Hint",
                                               "Lay the %1 in column %2 to go on with your meld.")
                .arg(card, column);
        return NewMeld(a);
    case Advice::LayOff:
        return QCoreApplication::translate("Hint", "Lay the %1 off on column %2.")
            .arg(card, column);
    case Advice::TakeBack:
        return QCoreApplication::translate(
                   "Hint", "Take back the open meld in column %1: your hand cannot complete it.")
            .arg(column);
    case Advice::Discard:
        if (a.Why == Advice::GoesOut)
            return QCoreApplication::translate("Hint", "Discard the %1 and go out.").arg(card);
        return QCoreApplication::translate("Hint", "Discard the %1.").arg(card);
    case Advice::CallDraw:
        if (a.Why == Advice::TooLong)
            return QCoreApplication::translate("Hint",
                                               "Call a draw: the stock has been drawn through "
                                               "again and again, and this hand may never end.");
        return QCoreApplication::translate("Hint",
                                           "Call a draw: no more cards can be laid on the table, "
                                           "so this hand cannot end.");
    }
    return {};
}

} // namespace Hint
