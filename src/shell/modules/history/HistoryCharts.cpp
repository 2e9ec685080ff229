// Drawing the money and margin charts of the history, and putting what they
// show into words.
#include "HistoryCharts.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QValueAxis>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const QColor Ink(0, 0, 128); // the table's navy
const QColor YourColour(46, 125, 50);
const QColor DorvilColour(183, 28, 28);

QChart* PlainChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(6, 6, 6, 6));
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    // The axes write numbers in the language's way; English keeps its own.
    const QLocale::Language language = QLocale().language();
    chart->setLocalizeNumbers(language != QLocale::English && language != QLocale::C);
    return chart;
}

// The label format of an axis of whole numbers; the localised labels take
// only floating-point formats.
QString WholeNumbers(const QChart* chart) {
    return chart->localizeNumbers() ? QStringLiteral("%.0f") : QStringLiteral("%d");
}

// A round step (1, 2 or 5 times a power of ten) that covers `largest` in at
// most `parts` steps: the buckets of the margins, the ticks of a count.
int RoundStep(int largest, int parts) {
    for (int scale = 1;; scale *= 10)
        for (int step : {1, 2, 5})
            if (step * scale * parts >= largest) return step * scale;
}
// Few enough buckets that each label ("81-100") is read whole.
int BucketWidth(int largest) {
    return RoundStep(largest, 6);
}

int N(qint64 count) {
    return int(std::clamp<qint64>(count, 0, INT_MAX));
}
} // namespace

QString Money(qint64 cents) {
    cents = cents < 0 ? -cents : cents;
    //: Money in the history's words: %1 the dollars, %2 the cents (two digits).
    return QCoreApplication::translate("HistoryCharts", "$%1.%2")
        .arg(QLocale().toString(cents / 100),
             QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0')));
}

QString SignedMoney(qint64 cents) {
    const QLocale locale;
    return (cents > 0   ? locale.positiveSign()
            : cents < 0 ? locale.negativeSign()
                        : QString()) +
           Money(cents);
}

QList<QPointF> MoneyPoints(const std::vector<GameOutcome>& games, int most) {
    QList<QPointF> points;
    const size_t n = games.size();
    auto point = [&games](size_t i) { return QPointF(double(i + 1), games[i].NetOwed / 100.0); };
    if (n <= size_t(most)) {
        points.reserve(qsizetype(n));
        for (size_t i = 0; i < n; ++i)
            points.append(point(i));
        return points;
    }
    const size_t stretch = (n + size_t(most / 2) - 1) / size_t(most / 2);
    for (size_t start = 0; start < n; start += stretch) {
        const size_t end = std::min(n, start + stretch);
        size_t low = start, high = start;
        for (size_t i = start; i < end; ++i) {
            if (games[i].NetOwed < games[low].NetOwed) low = i;
            if (games[i].NetOwed > games[high].NetOwed) high = i;
        }
        points.append(point(std::min(low, high)));
        if (low != high) points.append(point(std::max(low, high)));
    }
    if (points.last().x() < double(n)) points.append(point(n - 1));
    return points;
}

QChart* MakeMoneyChart(const std::vector<GameOutcome>& games) {
    QChart* chart = PlainChart(QCoreApplication::translate(
        "HistoryCharts", "Money owed after each game (above 0, Dorvil owes you)"));
    chart->legend()->hide();
    const QList<QPointF> points = MoneyPoints(games, 1600);
    const double last = double(games.size());
    // A light fill between the line and zero shows at a glance who is ahead.
    auto* fillTop = new QLineSeries;
    fillTop->replace(points);
    auto* zero = new QLineSeries;
    zero->append(1, 0);
    zero->append(std::max(last, 2.0), 0);
    auto* area = new QAreaSeries(fillTop, zero);
    // The area draws between its edges without owning them: they go with it.
    fillTop->setParent(area);
    zero->setParent(area);
    area->setPen(Qt::NoPen);
    area->setBrush(QColor(Ink.red(), Ink.green(), Ink.blue(), 40));
    auto* axisLine = new QLineSeries;
    axisLine->append(zero->points());
    axisLine->setPen(QPen(QColor(120, 120, 120), 1));
    auto* money = new QLineSeries;
    money->replace(points);
    money->setPen(QPen(Ink, 2));
    // One game is a line of one point, which Qt does not draw: show it as a dot.
    money->setPointsVisible(points.size() == 1);
    const QList<QAbstractSeries*> drawn{area, axisLine, money};
    auto* x = new QValueAxis;
    //: The money chart's horizontal axis: the games by number.
    x->setTitleText(QCoreApplication::translate("HistoryCharts", "Game"));
    x->setLabelFormat(WholeNumbers(chart));
    x->setRange(1, std::max(last, 2.0));
    // Game numbers at round steps: 200, 400, ... rather than thirds of the range.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(RoundStep(int(last), 6));
    auto* y = new QValueAxis;
    y->setTitleText(QCoreApplication::translate("HistoryCharts", "Dollars"));
    double low = 0, high = 0;
    for (const QPointF& p : points)
        low = std::min(low, p.y()), high = std::max(high, p.y());
    if (high - low < 0.05) high = low + 0.05;
    y->setRange(low, high);
    y->applyNiceNumbers();
    y->setLabelFormat(high - low >= 10 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : drawn) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

QChart* MakeMarginChart(const std::vector<GameOutcome>& games, const QString& playerName) {
    QChart* chart =
        PlainChart(QCoreApplication::translate("HistoryCharts", "Margins of the games won"));
    int largest = 1;
    for (const GameOutcome& g : games)
        largest = std::max(largest, g.Margin);
    const int width = BucketWidth(largest);
    const int buckets = (largest - 1) / width + 1;
    std::vector<int> counts[2] = {std::vector<int>(size_t(buckets)),
                                  std::vector<int>(size_t(buckets))};
    for (const GameOutcome& g : games)
        ++counts[g.PlayerWon ? 0 : 1][size_t(std::max(0, g.Margin - 1) / width)];
    //: The margin chart's legend: the games won by the player (%1), when the history has no name.
    const QString name = playerName.trimmed().isEmpty()
                             ? QCoreApplication::translate("HistoryCharts", "you")
                             : playerName;
    // The legend reads its labels as rich text: a name is shown as typed.
    //: The margin chart's legend; %1 is the player's name.
    auto* yours = new QBarSet(
        QCoreApplication::translate("HistoryCharts", "Won by %1").arg(name.toHtmlEscaped()));
    auto* his = new QBarSet(QCoreApplication::translate("HistoryCharts", "Won by Dorvil"));
    yours->setColor(YourColour);
    his->setColor(DorvilColour);
    QStringList categories;
    int most = 1;
    for (int b = 0; b < buckets; ++b) {
        const int from = b * width + 1, to = (b + 1) * width;
        categories << (width == 1 ? QString::number(from)
                                  : QStringLiteral("%1-%2").arg(from).arg(to));
        yours->append(counts[0][size_t(b)]);
        his->append(counts[1][size_t(b)]);
        most = std::max({most, counts[0][size_t(b)], counts[1][size_t(b)]});
    }
    auto* bars = new QBarSeries;
    bars->append(yours);
    bars->append(his);
    chart->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(QCoreApplication::translate("HistoryCharts", "Margin in points"));
    auto* y = new QValueAxis;
    //: The margin chart's vertical axis: how many games.
    y->setTitleText(QCoreApplication::translate("HistoryCharts", "Games"));
    // A count of games has a tick at each of a few whole numbers, each once.
    const int step = RoundStep(most, 5);
    y->setRange(0, (most + step - 1) / step * step);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
    y->setMinorTickCount(0);
    y->setLabelFormat(WholeNumbers(chart));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // A long name is shortened in the legend and told whole as its tool tip.
    chart->legend()->setShowToolTips(true);
    return chart;
}

QString OwedSentence(int netCents) {
    //: %1 is an amount of money.
    if (netCents > 0)
        return QCoreApplication::translate("HistoryCharts", "Dorvil owes you %1.")
            .arg(Money(netCents));
    //: %1 is an amount of money.
    if (netCents < 0)
        return QCoreApplication::translate("HistoryCharts", "You owe Dorvil %1.")
            .arg(Money(netCents));
    return QCoreApplication::translate("HistoryCharts", "Nobody owes anything.");
}

QString MoneyChartSummary(const HistoryFigures& f) {
    size_t best = 0, worst = 0;
    for (size_t i = 0; i < f.Games.size(); ++i) {
        if (f.Games[i].NetOwed > f.Games[best].NetOwed) best = i;
        if (f.Games[i].NetOwed < f.Games[worst].NetOwed) worst = i;
    }
    const qint64 games = f.GamesPlayed();
    //: What the money chart shows; %1 is who owes whom now ("Dorvil owes you $0.39.").
    const QString now =
        games == 1 ? QCoreApplication::translate("HistoryCharts", "After %Ln game: %1", nullptr, 1)
                   : QCoreApplication::translate("HistoryCharts", "After %Ln games: %1", nullptr,
                                                 N(games));
    const int high = f.Games[best].NetOwed, low = f.Games[worst].NetOwed;
    const QLocale locale;
    //: %1 an amount of money, %2 a game's number.
    QString most =
        high > 0 ? QCoreApplication::translate("HistoryCharts",
                                               "The most he owed you was %1, after game %2")
                       .arg(Money(high), locale.toString(qint64(best + 1)))
                 : QCoreApplication::translate("HistoryCharts", "He has never owed you anything");
    //: %1 an amount of money, %2 a game's number.
    QString least =
        low < 0 ? QCoreApplication::translate("HistoryCharts",
                                              "the most you owed him was %1, after game %2.")
                      .arg(Money(low), locale.toString(qint64(worst + 1)))
                : QCoreApplication::translate("HistoryCharts", "you have never owed him anything.");
    //: The sentences beside the money chart: %1 "After 3 games: Dorvil owes you $0.39.", %2 the
    //: most Dorvil owed, %3 the most the player owed.
    return QCoreApplication::translate("HistoryCharts", "%1 %2; %3")
        .arg(now.arg(OwedSentence(f.NetOwed())), most, least);
}

QString MarginChartSummary(const HistoryFigures& f) {
    const QLocale locale;
    // Each side's wins: none, one game or several (%Ln), then the average
    // margin (%1) and the largest (%2).
    auto part = [&](int side, const QString& none, const QString& one, const QString& many) {
        const qint64 won = f.GamesWon[side];
        if (won == 0) return none;
        long long total = 0;
        for (const GameOutcome& g : f.Games)
            if (g.PlayerWon == (side == 0)) total += g.Margin;
        return (won == 1 ? one : many)
            .arg(locale.toString(double(total) / double(won), 'f', 1),
                 locale.toString(f.Biggest[side].Margin));
    };
    const int yourWins = N(f.GamesWon[0]), hisWins = N(f.GamesWon[1]);
    const QString yours =
        part(0, QCoreApplication::translate("HistoryCharts", "You won no game"),
             //: %1 the average margin of the player's wins, %2 the largest.
             QCoreApplication::translate("HistoryCharts",
                                         "Your game was won by %1 points on average, %2 at most"),
             //: %Ln the player's games won, %1 their average margin, %2 the largest.
             QCoreApplication::translate(
                 "HistoryCharts", "Your %Ln games were won by %1 points on average, %2 at most",
                 nullptr, yourWins));
    const QString his =
        part(1, QCoreApplication::translate("HistoryCharts", "Dorvil won no game"),
             QCoreApplication::translate(
                 "HistoryCharts", "Dorvil's game was won by %1 points on average, %2 at most"),
             QCoreApplication::translate(
                 "HistoryCharts", "Dorvil's %Ln games were won by %1 points on average, %2 at most",
                 nullptr, hisWins));
    //: The sentence beside the margin chart: %1 the player's wins, %2 Dorvil's.
    return QCoreApplication::translate("HistoryCharts", "%1; %2.").arg(yours, his);
}

QString DayText(const QString& when) {
    const QDate day = QDate::fromString(when.left(10), QStringLiteral("yyyy-MM-dd"));
    //: How the history writes a day (a QDate format: d the day, MMMM the month's name, yyyy the
    //: year).
    return day.isValid() ? QLocale().toString(
                               day, QCoreApplication::translate("HistoryCharts", "d MMMM yyyy"))
                         : when;
}

QPixmap EmptyHistoryPicture(qreal pixelRatio) {
    const QSize size(150, 110);
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 2; ++k) {
        p.save();
        p.translate(75, 100);
        p.rotate(k == 0 ? -12 : 12);
        const QRectF card(-32, -92, 64, 88);
        QPainterPath outline;
        outline.addRoundedRect(card, 6, 6);
        p.fillPath(outline, Qt::white);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawPath(outline);
        const QRectF back = card.adjusted(5, 5, -5, -5);
        p.fillRect(back, QColor(30, 60, 160));
        p.setClipRect(back);
        p.setPen(QPen(QColor(140, 170, 230), 1));
        for (int d = -100; d < 100; d += 8) {
            p.drawLine(QPointF(back.left() + d, back.top()),
                       QPointF(back.left() + d + 90, back.bottom()));
            p.drawLine(QPointF(back.right() - d, back.top()),
                       QPointF(back.right() - d - 90, back.bottom()));
        }
        p.restore();
    }
    return picture;
}
