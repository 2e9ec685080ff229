// Reading a deck, checking that every card is in it, and drawing its cards.
#include "CardDeck.h"

#include "FrmMain.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace {
const char* const RankIds[] = {"1", "2", "3",  "4",    "5",     "6",   "7",
                               "8", "9", "10", "jack", "queen", "king"};
const char* const SuitIds[] = {"diamond", "club", "heart", "spade"};

// A deck whose shape differs from the card's by no more than this is drawn
// to fill it: the difference does not show, and the edges stay on whole
// pixels as the table's own deck's always have.
constexpr double ShapeTolerance = 0.025;

// A damaged deck is told of in one line of the program's own; the SVG
// reader's complaints about the same file would only repeat it, line by line.
QLoggingCategory::CategoryFilter EarlierFilter = nullptr;
void QuietSvgReader(QLoggingCategory* category) {
    if (EarlierFilter) EarlierFilter(category);
    if (qstrcmp(category->categoryName(), "qt.svg") == 0) category->setEnabled(QtWarningMsg, false);
}

// A refusal in the player's language and, for standard error, in English.
CardDeck::Reading Refused(const QString& refusal, const QString& logged) {
    return {nullptr, refusal, logged};
}

QRectF Fitted(const QRectF& bounds, QSizeF size) {
    const double own = bounds.width() / bounds.height(), card = size.width() / size.height();
    if (std::abs(own / card - 1.0) <= ShapeTolerance) return QRectF(QPointF(0, 0), size);
    const QSizeF fit = bounds.size().scaled(size, Qt::KeepAspectRatio);
    return QRectF(QPointF((size.width() - fit.width()) / 2, (size.height() - fit.height()) / 2),
                  fit);
}
} // namespace

CardDeck::~CardDeck() = default;

QString CardDeck::ElementId(int index) {
    if (index < 1 || index > 52) return QStringLiteral("back");
    return QLatin1String(RankIds[(index - 1) % 13]) + QLatin1Char('_') +
           QLatin1String(SuitIds[(index - 1) / 13]);
}

CardDeck::Reading CardDeck::Read(const QString& svgPath) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { EarlierFilter = QLoggingCategory::installFilter(QuietSvgReader); });
    const QFileInfo info(svgPath);
    const QString file = info.fileName();
    if (!info.isFile())
        //: Why a card deck cannot be used (after "Red cannot be used:"); %1 is a file's name.
        return Refused(tr("its file %1 is missing").arg(file),
                       QStringLiteral("its file %1 is missing").arg(file));
    if (!info.isReadable())
        //: Why a card deck cannot be used; %1 is a file's name.
        return Refused(tr("its file %1 cannot be read").arg(file),
                       QStringLiteral("its file %1 cannot be read").arg(file));
    std::shared_ptr<CardDeck> deck(new CardDeck);
    deck->File = svgPath;
    deck->Svg = std::make_unique<QSvgRenderer>(svgPath);
    // The renderer belongs to no thread: whichever holds the lock draws with it.
    deck->Svg->moveToThread(nullptr);
    if (!deck->Svg->isValid())
        //: Why a card deck cannot be used; %1 is the name of its SVG file.
        return Refused(tr("its file %1 is damaged or cut short").arg(file),
                       QStringLiteral("its file %1 is not a drawing that can be read (damaged or "
                                      "cut short)")
                           .arg(file));
    for (int index = 1; index <= 53; ++index) {
        const QString id = ElementId(index);
        if (!deck->Svg->elementExists(id)) {
            const QString logged = QStringLiteral("it has no element %1").arg(id);
            //: Why a card deck cannot be used: its drawing lacks the back.
            if (index == 53) return Refused(tr("it has no card back"), logged);
            //: Why a card deck cannot be used: %1 is a card's name ("Queen of Spades")
            //: that its drawing lacks.
            return Refused(tr("it has no %1").arg(FrmMain::CardName(index)), logged);
        }
        const QRectF bounds = deck->Svg->boundsOnElement(id);
        if (!(bounds.width() > 0 && bounds.height() > 0)) {
            const QString logged = QStringLiteral("its element %1 is empty").arg(id);
            //: Why a card deck cannot be used: its back is drawn empty.
            if (index == 53) return Refused(tr("its card back is empty"), logged);
            //: Why a card deck cannot be used: %1 is a card's name ("Queen of Spades")
            //: drawn empty.
            return Refused(tr("its %1 is empty").arg(FrmMain::CardName(index)), logged);
        }
        deck->Bounds[static_cast<size_t>(index)] = bounds;
    }
    return {std::move(deck), QString(), QString()};
}

QImage CardDeck::Draw(int index, QSize size, qreal dpr) const {
    if (index < 1 || index > 53) index = 53;
    QImage image(static_cast<int>(std::ceil(size.width() * dpr)),
                 static_cast<int>(std::ceil(size.height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF target = Fitted(Bounds[static_cast<size_t>(index)], size);
    std::lock_guard lock(Drawing);
    Svg->render(&painter, ElementId(index), target);
    return image;
}

CardDeck::Reading DeckShelf::Read(const QString& svgPath) {
    std::promise<CardDeck::Reading> mine;
    std::shared_future<CardDeck::Reading> reading;
    bool first = false;
    {
        std::lock_guard lock(Lock);
        if (!Keeping) return CardDeck::Read(svgPath);
        auto found = Decks.find(svgPath);
        first = found == Decks.end();
        reading =
            first ? Decks.emplace(svgPath, mine.get_future().share()).first->second : found->second;
    }
    if (first) mine.set_value(CardDeck::Read(svgPath));
    return reading.get();
}

void DeckShelf::Keep(bool keep) {
    std::lock_guard lock(Lock);
    Keeping = keep;
    if (!keep) Decks.clear();
}
