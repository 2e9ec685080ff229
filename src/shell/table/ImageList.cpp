// Pictures of the table, drawn at run time: the card deck from SVG, and the
// pointers, button bar and message-box icons painted by hand.
#include "ImageList.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace {
QPixmap Blank(int w, int h, qreal dpr) {
    QPixmap pm(static_cast<int>(std::ceil(w * dpr)), static_cast<int>(std::ceil(h * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

// A hand with the index finger pointing up; the finger tip is at (12, 1).
QPainterPath PointingHand() {
    QPainterPath p;
    p.moveTo(10, 3);
    p.cubicTo(10, 0, 14, 0, 14, 3);
    p.lineTo(14, 12);
    p.cubicTo(14, 10, 18, 10, 18, 12);
    p.cubicTo(18, 10, 22, 10, 22, 13);
    p.cubicTo(22, 11, 26, 11, 26, 14);
    p.lineTo(26, 22);
    p.cubicTo(26, 27, 23, 30, 19, 30);
    p.lineTo(13, 30);
    p.cubicTo(10, 30, 8, 27, 5, 22);
    p.lineTo(2, 17);
    p.cubicTo(1, 15, 4, 13, 6, 15);
    p.lineTo(10, 19);
    p.closeSubpath();
    return p;
}

// A closed hand seen from above, knuckles forward; centred on (16, 14).
QPainterPath GrabbingHand() {
    QPainterPath p;
    p.moveTo(7, 12);
    for (int i = 0; i < 4; ++i)
        p.cubicTo(7 + 5 * i, 7, 11 + 5 * i, 7, 12 + 5 * i, 12);
    p.cubicTo(27, 9, 29, 11, 28, 15);
    p.lineTo(27, 21);
    p.cubicTo(26, 26, 22, 29, 17, 29);
    p.lineTo(13, 29);
    p.cubicTo(8, 29, 5, 25, 5, 20);
    p.closeSubpath();
    return p;
}
} // namespace

void BehindTheWindow() {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, 0, 10); // on Linux, the calling thread's
#endif
}

ImageList::ImageList(const QString& deckPath, qreal devicePixelRatio, const QString& fallbackPath)
    : Dpr(devicePixelRatio), Fallback(fallbackPath) {
    if (!QFile::exists(deckPath) && (fallbackPath.isEmpty() || fallbackPath == deckPath)) return;
    // A small deck (the standard one is 19 KiB) is read while the window is
    // built, on another core, so that the first picture of the table shows
    // the cards. A larger one takes up to a second of a core, and slows the
    // building of the window even from another: it is read once the window
    // asks for its first card.
    Unread = deckPath;
    if (QFileInfo(deckPath).size() <= SmallDeck) StartReading();
}

void ImageList::StartReading() {
    if (Unread.isEmpty()) return;
    Starting = std::async(std::launch::async, [this, deckPath = std::exchange(Unread, QString()),
                                               fallbackPath = Fallback] {
        BehindTheWindow();
        QString path = deckPath;
        CardDeck::Reading reading = CardDeck::Read(path);
        if (!reading.Deck && !fallbackPath.isEmpty() && fallbackPath != path) {
            std::fprintf(stderr,
                         "meldora: the card deck %s cannot be used: %s; its cards come "
                         "from %s instead\n",
                         qPrintable(path), qPrintable(reading.Refusal), qPrintable(fallbackPath));
            path = fallbackPath;
            reading = CardDeck::Read(path);
        }
        if (!reading.Deck)
            std::fprintf(stderr,
                         "meldora: the card deck %s cannot be used: %s; plain card faces "
                         "stand in\n",
                         qPrintable(path), qPrintable(reading.Refusal));
        QMetaObject::invokeMethod(
            this, [this] { TakeStartingDeck(); }, Qt::QueuedConnection);
        return reading;
    });
}

ImageList::~ImageList() {
    if (Starting.valid()) Starting.wait();
}

void ImageList::TakeStartingDeck() {
    if (!Starting.valid()) return;
    std::shared_ptr<const CardDeck> read = Starting.get().Deck;
    if (Replaced) return;
    Cards = std::move(read);
    Sizes.clear();
    emit DeckChanged();
    emit PicturesArrived();
    DrawAhead();
}

const CardDeck* ImageList::Deck() {
    StartReading();
    if (Starting.valid() && !Replaced) TakeStartingDeck();
    return Cards.get();
}

void ImageList::SetCardSize(QSize size, qreal dpr) {
    Size = size;
    Dpr = dpr;
    Wanted.clear();
    // A deck on its way is drawn again at the new size.
    if (Next && !(Next->At == Key{size, dpr})) {
        Next->At = Key{size, dpr};
        Next->Drawn = {};
        DrawAhead();
    }
}

ImageList::Images* ImageList::Kept(const Key& key) {
    auto found = std::find_if(Sizes.begin(), Sizes.end(),
                              [&](const auto& entry) { return entry.first == key; });
    return found == Sizes.end() ? nullptr : &found->second;
}

ImageList::Images& ImageList::Current() {
    const Key key{Size, Dpr};
    auto found = std::find_if(Sizes.begin(), Sizes.end(),
                              [&](const auto& entry) { return entry.first == key; });
    if (found == Sizes.end()) {
        // Three sizes cover a window toggled between full screen and another size.
        if (Sizes.size() >= 3) Sizes.erase(Sizes.begin());
        Sizes.emplace_back(key, Images{});
    } else {
        std::rotate(found, found + 1, Sizes.end());
    }
    return Sizes.back().second;
}

QPixmap ImageList::Image(int index) {
    if (index < 1 || index > 53) index = 53;
    const CardDeck* deck = Deck();
    QPixmap& pm = Current()[static_cast<size_t>(index)];
    if (pm.isNull())
        pm = deck ? QPixmap::fromImage(deck->Draw(index, Size, Dpr)) : DrawPlain(index);
    return pm;
}

QPixmap ImageList::Picture(int index) {
    if (index < 1 || index > 53) index = 53;
    StartReading();
    if (Starting.valid() && !Replaced) {
        if (Starting.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return {};
        TakeStartingDeck();
    }
    if (!Cards) return Image(index);
    const QPixmap& pm = Current()[static_cast<size_t>(index)];
    if (!pm.isNull()) return pm;
    Want(index);
    for (auto kept = Sizes.rbegin(); kept != Sizes.rend(); ++kept)
        if (!kept->second[static_cast<size_t>(index)].isNull())
            return kept->second[static_cast<size_t>(index)];
    return {};
}

void ImageList::Store(const Key& key, const Drawn& drawn) {
    Images* images = key == Key{Size, Dpr} ? &Current() : Kept(key);
    if (!images) return;
    for (const auto& [index, image] : drawn) {
        QPixmap& pm = (*images)[static_cast<size_t>(index)];
        if (pm.isNull()) pm = QPixmap::fromImage(image);
    }
}

void ImageList::Want(int index) {
    if (std::find(Wanted.begin(), Wanted.end(), index) == Wanted.end()) Wanted.push_back(index);
    if (Drawing && DrawingAhead) Yield->store(true);
    DrawAhead();
}

// A few images at a time: first those the cards ask for, then those of a
// deck on its way to the table, then the rest of the table's deck at the
// card size, so that a card turned over later finds its image ready. That
// last gives way between two images to the others: a heavy deck takes a
// tenth of a second an image.
void ImageList::DrawAhead() {
    if (Drawing) return;
    std::shared_ptr<const CardDeck> deck;
    Key at{Size, Dpr};
    std::vector<int> next;
    auto take = [&](const Images& have, int index, size_t piece) {
        if (index >= 1 && index <= 53 && have[static_cast<size_t>(index)].isNull() &&
            next.size() < piece && std::find(next.begin(), next.end(), index) == next.end())
            next.push_back(index);
    };
    if (Cards) {
        while (!Wanted.empty() && next.size() < 8) {
            take(Current(), Wanted.front(), 8);
            Wanted.erase(Wanted.begin());
        }
        deck = Cards;
    }
    if (next.empty() && Next) {
        for (int index : Next->Shown)
            take(Next->Drawn, index, 2);
        deck = Next->Deck;
        at = Next->At;
    }
    const bool ahead = next.empty() && Cards;
    if (ahead) {
        for (int index = 53; index >= 1; --index)
            take(Current(), index, 8);
        deck = Cards;
        at = Key{Size, Dpr};
    }
    if (next.empty()) return;
    Drawing = true;
    DrawingAhead = ahead;
    Yield = std::make_shared<std::atomic<bool>>(false);
    Worker.Run(
        [deck, at, next, yield = Yield](const std::atomic<bool>& stop) {
            Drawn drawn;
            for (int index : next)
                if (!stop && !*yield) drawn.emplace_back(index, deck->Draw(index, at.Size, at.Dpr));
            return drawn;
        },
        [this, deck, at](const Drawn& drawn) {
            Drawing = false;
            if (Next && deck == Next->Deck && at == Next->At) {
                for (const auto& [index, image] : drawn)
                    Next->Drawn[static_cast<size_t>(index)] = QPixmap::fromImage(image);
                TakeComingDeck();
            } else if (deck == Cards) {
                Store(at, drawn);
                emit PicturesArrived();
            }
            DrawAhead();
        });
}

void ImageList::Prepare(std::shared_ptr<const CardDeck> deck, const std::vector<int>& shown) {
    const Key key{Size, Dpr};
    if (!deck) {
        Next.reset();
        return;
    }
    if (!Next || Next->Deck != deck || !(Next->At == key)) Next = Coming{deck, key, {}, {}, false};
    Next->Shown = shown;
    if (Drawing && DrawingAhead) Yield->store(true);
    DrawAhead();
}

bool ImageList::Ready() const {
    return Next && std::all_of(Next->Shown.begin(), Next->Shown.end(), [this](int index) {
               return index < 1 || index > 53 || !Next->Drawn[static_cast<size_t>(index)].isNull();
           });
}

bool ImageList::Prepared(const QString& svgPath) const {
    return Ready() && Next->Deck->Path() == svgPath;
}

void ImageList::UseDeck(std::shared_ptr<const CardDeck> deck, const std::vector<int>& shown) {
    Prepare(std::move(deck), shown);
    Next->Use = true;
    TakeComingDeck();
}

void ImageList::TakeComingDeck() {
    if (!Next || !Next->Use || !Ready()) return;
    Replaced = true;
    Cards = Next->Deck;
    Sizes.clear();
    Sizes.emplace_back(Next->At, Next->Drawn);
    Next.reset();
    Wanted.clear();
    emit DeckChanged();
    emit PicturesArrived();
    DrawAhead();
}

QPixmap ImageList::DrawPlain(int index) const {
    QPixmap pm = Blank(Size.width(), Size.height(), Dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Size.width() / double(CardWidth), Size.height() / double(CardHeight));
    QRectF card(0.5, 0.5, CardWidth - 1, CardHeight - 1);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 4, 4);
    if (index == 53) {
        p.setClipRect(card.adjusted(4, 4, -4, -4));
        p.fillRect(card, QColor(30, 60, 160));
        p.setPen(QPen(QColor(170, 190, 255), 1));
        for (int d = -CardHeight; d < CardWidth + CardHeight; d += 6) {
            p.drawLine(d, 0, d + CardHeight, CardHeight);
            p.drawLine(d, CardHeight, d + CardHeight, 0);
        }
        return pm;
    }
    static const char* const ranks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    static const char16_t suits[] = {u'\u2666', u'\u2663', u'\u2665', u'\u2660'};
    int suit = (index - 1) / 13;
    p.setPen(suit == 0 || suit == 2 ? QColor(200, 0, 0) : Qt::black);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    QString corner =
        QLatin1String(ranks[(index - 1) % 13]) + QLatin1Char('\n') + QChar(suits[suit]);
    p.drawText(QRectF(4, 3, 20, 34), Qt::AlignHCenter | Qt::AlignTop, corner);
    font.setPixelSize(34);
    p.setFont(font);
    p.drawText(card, Qt::AlignCenter, QString(QChar(suits[suit])));
    return pm;
}

void ImageList::SetPointerScale(const TableScale& scale) {
    if (scale == PointerScale) return;
    PointerScale = scale;
    PointersMade = false;
}

QPixmap ImageList::PointerImage(int index) {
    const int side = PointerScale.Scaled(32);
    QPixmap pm = Blank(side, side, Dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(index == 55 ? GrabbingHand() : PointingHand());
    if (index == 56) {
        p.setPen(QPen(QColor(220, 0, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(22, 22), 7.5, 7.5);
        p.drawLine(QPointF(16.7, 27.3), QPointF(27.3, 16.7));
    }
    return pm;
}

const QCursor& ImageList::Pointer(int index) {
    if (!PointersMade) {
        PointersMade = true;
        auto cursor = [this](int image, int hotX, int hotY) {
            const double f = PointerScale.Factor();
            return QCursor(PointerImage(image), static_cast<int>(std::lround(hotX * f)),
                           static_cast<int>(std::lround(hotY * f)));
        };
        Pointers = {cursor(54, 12, 1), cursor(55, 16, 14), cursor(56, 12, 1)};
    }
    return Pointers[static_cast<size_t>(std::clamp(index, 54, 56) - 54)];
}

QPixmap ImageList::ButtonBar(qreal dpr, const TableScale& scale) {
    const int w = scale.Px(1500), h = scale.Px(375), edge = scale.Scaled(1);
    const QString key = QStringLiteral("meldora-bar-%1x%2@%3").arg(w).arg(h).arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    QImage img(static_cast<int>(w * dpr), static_cast<int>(h * dpr), QImage::Format_RGB32);
    // The marbling is a function of the design's coordinates, so it grows with the bar.
    const double unit = dpr * scale.Factor();
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            double u = x / unit, v = y / unit;
            double vein = std::sin(u * 0.21 + 3.0 * std::sin(v * 0.37 + u * 0.045) +
                                   1.5 * std::sin(u * 0.09 - v * 0.6));
            double shade = 0.72 + 0.22 * vein + 0.06 * std::sin(u * 1.7 + v * 2.3);
            line[x] = qRgb(std::clamp(static_cast<int>(215 * shade), 0, 255),
                           static_cast<int>(28 * shade), static_cast<int>(24 * shade));
        }
    }
    pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    for (int i = 0; i < 2; ++i) {
        const int o = i * edge;
        p.fillRect(o, o, w - 2 * o, edge, QColor(255, 170, 160));
        p.fillRect(o, o, edge, h - 2 * o, QColor(255, 170, 160));
        p.fillRect(o, h - o - edge, w - 2 * o, edge, QColor(90, 0, 0));
        p.fillRect(w - o - edge, o, edge, h - 2 * o, QColor(90, 0, 0));
    }
    p.end();
    QPixmapCache::insert(key, pm);
    return pm;
}

// The installed icon's own drawing, at the sizes that title bars, task bars
// and switchers ask for, so the window and the menu entry look alike.
QIcon ImageList::WindowIcon() {
    QSvgRenderer svg(QStringLiteral(":/icons/org.meldora.Meldora.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm = Blank(size, size, 1.0);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap MessageIcon(int icon, qreal dpr, const TableScale& scale) {
    bool face = icon == 4 || icon == 5;
    const int w = face ? 24 : 32, h = face ? 22 : 32;
    QPixmap pm = Blank(scale.Scaled(w), scale.Scaled(h), dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale.Scaled(w) / double(w), scale.Scaled(h) / double(h));
    if (face) {
        p.fillRect(QRect(0, 0, 24, 22), QColor(192, 192, 192));
        p.setPen(Qt::white);
        p.drawLine(0, 0, 23, 0);
        p.drawLine(0, 0, 0, 21);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 21, 23, 21);
        p.drawLine(23, 0, 23, 21);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(icon == 4 ? QColor(255, 230, 0) : QColor(40, 190, 60));
        p.drawEllipse(QRectF(3.5, 2.5, 17, 17));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(9, 8.5), 1.3, 1.6);
        p.drawEllipse(QPointF(15, 8.5), 1.3, 1.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.4));
        if (icon == 4)
            p.drawArc(QRectF(7, 8, 10, 7), -20 * 16, -140 * 16);
        else
            p.drawArc(QRectF(7, 13, 10, 6), 20 * 16, 140 * 16);
        return pm;
    }
    static const struct {
        QColor colour;
        const char* text;
    } signs[] = {{QColor(255, 220, 0), "?"}, {QColor(220, 0, 220), "i"}, {QColor(230, 0, 0), "!"}};
    const auto& sign = signs[std::clamp(icon, 1, 3) - 1];
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(30);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QLatin1String(sign.text));
    QRectF box = path.boundingRect();
    path.translate(16 - box.center().x(), 16 - box.center().y());
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(sign.colour);
    p.drawPath(path);
    return pm;
}
