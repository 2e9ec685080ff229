// The words of a review.
#include "ReviewText.h"

#include "FrmMain.h"

#include <QCoreApplication>
#include <QDateTime>

namespace Review {

namespace {

QString Card(int n) {
    return FrmMain::CardName(n);
}

} // namespace

QString HandLine(const KeptHand& h) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(h.When).toLocalTime();
    //: The first line of a hand's review: %1 who dealt ("you" or "Dorvil"), %2 the date,
    //: %3 the time, %4 which Dorvil played, %5 and %6 the player's and Dorvil's scores
    //: before the hand, %7 the target.
    return QCoreApplication::translate(
               "Review", "Dealt by %1 on %2 at %3; %4; scores %5 to %6 before the hand, target %7.")
        .arg(h.Dealer == Model::Player ? QCoreApplication::translate("Review", "you")
                                       : QStringLiteral("Dorvil"),
             when.toString(QStringLiteral("yyyy-MM-dd")), when.toString(QStringLiteral("HH:mm")),
             h.Dorvil == 2   ? QCoreApplication::translate("Review", "Expert Dorvil")
             : h.Dorvil == 1 ? QCoreApplication::translate("Review", "Sharp Dorvil")
                             : QCoreApplication::translate("Review", "Classic Dorvil"))
        .arg(h.Score[0])
        .arg(h.Score[1])
        .arg(h.Target);
}

QString MoveLine(const Model::Position& p, const Model::Move& m) {
    const bool dorvil = p.ToMove == Model::Dorvil;
    // %1 is always a card's name ("Nine of Hearts"), %2 a meld column's number.
    switch (m.What) {
    case Model::Move::TakeFace:
        return (dorvil ? QCoreApplication::translate("Review",
                                                     "Dorvil takes the %1 from the discard pile.")
                       : QCoreApplication::translate("Review",
                                                     "You take the %1 from the discard pile."))
            .arg(Card(m.Card));
    case Model::Move::DrawStock:
        return (dorvil
                    ? QCoreApplication::translate("Review", "Dorvil takes the %1 from the stock.")
                    : QCoreApplication::translate("Review", "You take the %1 from the stock."))
            .arg(Card(m.Card));
    case Model::Move::Lay: {
        if (m.Card2) // Dorvil's new meld, named as a set or a run as the table tells it
            return QCoreApplication::translate("Review", "Dorvil melds the %1 in Meld %2.")
                .arg(FrmMain::MeldName({m.Card, m.Card2, m.Card3}))
                .arg(m.Column);
        const bool layOff = p.MeldIn(m.Column).Complete();
        if (layOff)
            return (dorvil
                        ? QCoreApplication::translate("Review",
                                                      "Dorvil lays off the %1 on Meld %2.")
                        : QCoreApplication::translate("Review", "You lay off the %1 on Meld %2."))
                .arg(Card(m.Card))
                .arg(m.Column);
        return (dorvil ? QCoreApplication::translate("Review", "Dorvil melds the %1 in Meld %2.")
                       : QCoreApplication::translate("Review", "You meld the %1 in Meld %2."))
            .arg(Card(m.Card))
            .arg(m.Column);
    }
    case Model::Move::TakeBack:
        return QCoreApplication::translate("Review", "You take your open meld back from Meld %1.")
            .arg(p.Open);
    case Model::Move::Discard:
        return (dorvil ? QCoreApplication::translate("Review", "Dorvil discards the %1.")
                       : QCoreApplication::translate("Review", "You discard the %1."))
            .arg(Card(m.Card));
    case Model::Move::Pass:
        return QCoreApplication::translate("Review", "Dorvil ends his turn without a discard.");
    case Model::Move::CallDraw:
        return QCoreApplication::translate("Review", "You call a draw.");
    }
    return {};
}

QString EndLine(const KeptHand& h) {
    if (h.End != Model::Ending::Out)
        return QCoreApplication::translate("Review", "The hand ends without a score.");
    const bool one = h.Points == 1;
    if (h.Winner == Model::Dorvil)
        return one ? QCoreApplication::translate("Review", "Dorvil goes out and scores %n point.",
                                                 nullptr, 1)
                   : QCoreApplication::translate("Review", "Dorvil goes out and scores %n points.",
                                                 nullptr, h.Points);
    return one ? QCoreApplication::translate("Review", "You go out and score %n point.", nullptr, 1)
               : QCoreApplication::translate("Review", "You go out and score %n points.", nullptr,
                                             h.Points);
}

} // namespace Review
