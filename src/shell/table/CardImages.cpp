// ImageList's card images: the deck read at start-up, the images drawn from
// it off the window's thread a few at a time, and another deck made ready
// and taking the table.
#include "ImageList.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

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
                         qPrintable(path), qPrintable(reading.Logged), qPrintable(fallbackPath));
            path = fallbackPath;
            reading = CardDeck::Read(path);
        }
        if (!reading.Deck)
            std::fprintf(stderr,
                         "meldora: the card deck %s cannot be used: %s; plain card faces "
                         "stand in\n",
                         qPrintable(path), qPrintable(reading.Logged));
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
