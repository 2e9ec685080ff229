// The review window and its table.
#include "ReviewWindow.h"

#include "FrmMain.h"
#include "ReviewText.h"
#include "table/ImageList.h"
#include "table/TableColours.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The review's table in its own units, a card being 71 x 96 of them.
constexpr int Wide = 760, High = 520, CardW = 71, CardH = 96;

std::vector<int> CardsOf(Rules::Mask m) {
    std::vector<int> cards;
    for (; m; m &= m - 1)
        cards.push_back(Rules::CardOfBit(Rules::Lowest(m)));
    return cards;
}

} // namespace

ReviewTable::ReviewTable(ImageList& images, QWidget* parent) : QWidget(parent), Images(images) {
    setObjectName(QStringLiteral("ReviewTable"));
    setMinimumSize(Wide / 2, High / 2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableColour::Navy);
    setPalette(pal);
}

QSize ReviewTable::sizeHint() const {
    return {Wide, High};
}

void ReviewTable::Show(const Model::Position& p) {
    Shown = p;
    // Both hands as a screen reader reads them.
    auto names = [](Rules::Mask m) {
        QStringList words;
        for (int n : CardsOf(m))
            words << FrmMain::CardName(n);
        return words.join(QStringLiteral(", "));
    };
    //: The review's table for screen readers: %1 Dorvil's cards, %2 the player's.
    setAccessibleName(tr("Dorvil's hand: %1. Your hand: %2.")
                          .arg(names(p.Held[Model::Dorvil]), names(p.Held[Model::Player])));
    update();
}

void ReviewTable::paintEvent(QPaintEvent*) {
    QPainter paint(this);
    paint.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = std::min(width() / qreal(Wide), height() / qreal(High));
    paint.translate((width() - Wide * scale) / 2, (height() - High * scale) / 2);
    paint.scale(scale, scale);
    auto card = [&](int image, qreal x, qreal y) {
        paint.drawPixmap(QRectF(x, y, CardW, CardH), Images.Image(image), QRectF());
    };
    auto fan = [&](Rules::Mask m, qreal y) {
        const std::vector<int> cards = CardsOf(m);
        const qreal step =
            cards.size() > 1 ? std::min(48.0, (Wide - 40.0 - CardW) / (cards.size() - 1)) : 0;
        qreal x = (Wide - (step * (cards.size() ? cards.size() - 1 : 0) + CardW)) / 2;
        for (int n : cards) {
            card(n, x, y);
            x += step;
        }
    };
    fan(Shown.Held[Model::Dorvil], 10);
    fan(Shown.Held[Model::Player], High - CardH - 10);
    paint.setPen(TableColour::LightCyan);
    QFont bold = font();
    bold.setBold(true);
    paint.setFont(bold);
    paint.drawText(QRectF(10, 10, 110, 24), Qt::AlignLeft, QStringLiteral("Dorvil"));
    //: Over the player's hand in the review's table.
    paint.drawText(QRectF(10, High - 34, 110, 24), Qt::AlignLeft, tr("You"));
    paint.setFont(font());
    // The stock and the pile on the left, the six columns beside them.
    if (Shown.StockCount) card(53, 20, 150);
    paint.drawText(QRectF(10, 150 + CardH + 4, CardW + 20, 20), Qt::AlignCenter,
                   QString::number(Shown.StockCount));
    const int top = Shown.Face ? Shown.Face : Shown.PileCount ? Shown.Pile[Shown.PileCount - 1] : 0;
    if (top) card(top, 20, 280);
    for (int c = 1; c <= 6; ++c) {
        qreal y = 130;
        for (int n : CardsOf(Shown.Columns[c - 1])) {
            card(n, 120 + (c - 1) * 104, y);
            y += 24;
        }
    }
}

ReviewWindow::ReviewWindow(QWidget* parent, ImageList& images, Review::KeptHand hand, int pauseMs)
    : QDialog(parent), Kept(std::move(hand)) {
    setObjectName(QStringLiteral("ReviewWindow"));
    //: The review window's title.
    setWindowTitle(tr("Review Hand"));
    Steps = Review::PlayAgain(Kept).Steps;
    auto* layout = new QVBoxLayout(this);
    auto label = [&](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(l);
        return l;
    };
    Summary = label("ReviewSummary");
    //: The review's summary line while Expert Dorvil weighs the player's decisions.
    Summary->setText(Review::HandLine(Kept) + QLatin1Char('\n') + tr("Judging your moves..."));
    Table = new ReviewTable(images, this);
    layout->addWidget(Table, 1);
    MoveText = label("ReviewMove");
    JudgedText = label("ReviewJudged");
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    auto button = [&](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(tip);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    First = button("ReviewFirst", QStringLiteral("|<"), tr("The deal (Home)"));
    Back = button("ReviewBack", QStringLiteral("<"), tr("One move back (Left)"));
    Play = button("ReviewPlay", tr("&Play"), tr("Play the hand through (Space)"));
    Forward = button("ReviewForward", QStringLiteral(">"), tr("One move forward (Right)"));
    Last = button("ReviewLast", QStringLiteral(">|"), tr("The end of the hand (End)"));
    row->addStretch();
    Again = button("ReviewAgain", tr("Play This &Deal Again"),
                   tr("The same deal as a practice hand (D)"));
    auto* close = button("ReviewClose", tr("&Close"), tr("Close the review"));
    connect(First, &QPushButton::clicked, this, [this] { GoTo(0); });
    connect(Back, &QPushButton::clicked, this, [this] { GoTo(Step - 1); });
    connect(Forward, &QPushButton::clicked, this, [this] { GoTo(Step + 1); });
    connect(Last, &QPushButton::clicked, this, [this] { GoTo(int(Steps.size()) - 1); });
    connect(Play, &QPushButton::clicked, this, &ReviewWindow::TogglePlay);
    connect(Again, &QPushButton::clicked, this, &ReviewWindow::PlayAgainAsked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    const std::pair<QKeySequence, QPushButton*> keys[] = {{Qt::Key_Home, First},
                                                          {Qt::Key_Left, Back},
                                                          {Qt::Key_Right, Forward},
                                                          {Qt::Key_End, Last},
                                                          {Qt::Key_Space, Play}};
    for (const auto& [key, b] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, b, &QPushButton::click);
    connect(new QShortcut(Qt::Key_D, this), &QShortcut::activated, this, [this] {
        if (!Again->isHidden()) Again->click();
    });
    Player = new QTimer(this);
    Player->setInterval(std::max(pauseMs, 1));
    connect(Player, &QTimer::timeout, this, [this] {
        GoTo(Step + 1);
        if (Step + 1 >= int(Steps.size())) TogglePlay();
    });
    Again->hide();
    setAttribute(Qt::WA_DeleteOnClose);
    GoTo(0);
}

void ReviewWindow::Judge(const QStringList& judged, const QString& summary) {
    Judged = judged;
    Summary->setText(Review::HandLine(Kept) + QLatin1Char('\n') + summary);
    Refresh();
}

QWidget* ReviewWindow::MoveLine() const {
    return MoveText;
}

void ReviewWindow::OfferPlayAgain() {
    Again->show();
}

void ReviewWindow::TogglePlay() {
    if (Player->isActive()) {
        Player->stop();
    } else if (Step + 1 < int(Steps.size())) {
        Player->start();
    }
    Play->setText(Player->isActive() ? tr("&Pause") : tr("&Play"));
}

// The judgement of a decision is told with it.
void ReviewWindow::GoTo(int step) {
    Step = std::clamp(step, 0, int(Steps.size()) - 1);
    Refresh();
    const QString judged = Step > 0 ? Judged.value(Step - 1) : QString();
    emit Told(judged.isEmpty() ? Line() : Line() + QLatin1Char(' ') + judged);
}

QString ReviewWindow::Line() const {
    if (Step == 0) return tr("The deal.") + QLatin1Char(' ') + Review::HandLine(Kept);
    QString line =
        QStringLiteral("%1. ").arg(Step) + Review::MoveLine(Steps[Step - 1], Kept.Moves[Step - 1]);
    if (Step + 1 == int(Steps.size()) && Steps.back().Over())
        line += QLatin1Char(' ') + Review::EndLine(Kept);
    return line;
}

void ReviewWindow::Refresh() {
    Table->Show(Steps[Step]);
    const QString line = Line();
    MoveText->setText(line);
    MoveText->setAccessibleName(line);
    const QString judged = Step > 0 ? Judged.value(Step - 1) : QString();
    JudgedText->setText(judged);
    JudgedText->setAccessibleName(judged);
    First->setEnabled(Step > 0);
    Back->setEnabled(Step > 0);
    Forward->setEnabled(Step + 1 < int(Steps.size()));
    Last->setEnabled(Step + 1 < int(Steps.size()));
}
