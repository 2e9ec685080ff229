// The Game History window's charts and the sentences that tell what they
// show, for the eye and for a screen reader alike.
#pragma once

#include "HistoryFigures.h"

#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QString>

class QChart;

// The money owed after each game, in dollars: every game while there are
// few, else the lowest and highest of each stretch of games, in order.
QList<QPointF> MoneyPoints(const std::vector<GameOutcome>& games, int most);

QChart* MakeMoneyChart(const std::vector<GameOutcome>& games);
QChart* MakeMarginChart(const std::vector<GameOutcome>& games, const QString& playerName);

QString MoneyChartSummary(const HistoryFigures& figures);
QString MarginChartSummary(const HistoryFigures& figures);
// Dollars and cents in full, "$1.05", without a sign; and with the sign of
// money won or lost, "+$1.05".
QString Money(qint64 cents);
QString SignedMoney(qint64 cents);
// "Dorvil owes you $1.05." and its kin.
QString OwedSentence(int netCents);
// "3 May 2024" for a record's time.
QString DayText(const QString& when);
// Two cards face down, for the page shown before any game is recorded.
QPixmap EmptyHistoryPicture(qreal pixelRatio);
