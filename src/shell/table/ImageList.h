// ImgPics: the 52 card faces and the back, drawn from the table's deck at
// the size they are shown and the screen's pixel density (plain drawn faces
// when there is no deck), off the window's thread where they can be; the
// three pointer images at the table's scale; also the picture-button bar and
// the window icon.
#pragma once

#include "CardDeck.h"
#include "DeckWorker.h"
#include "TableScale.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>
#include <future>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ImageList : public QObject {
    Q_OBJECT
  public:
    // The deck at `deckPath` is read on a worker thread, while the window is
    // built or when the first card is asked for; when it is not whole, the
    // one at `fallbackPath`. Plain drawn faces when neither can be used (one
    // line on standard error says why).
    ImageList(const QString& deckPath, qreal devicePixelRatio,
              const QString& fallbackPath = QString());
    ~ImageList() override;

    static constexpr int CardWidth = 71, CardHeight = 96;
    // Images made from now on are `size` logical pixels at `dpr`; those made
    // at earlier sizes are kept for when the table returns to them.
    void SetCardSize(QSize size, qreal dpr);
    QSize CardSize() const { return Size; }
    QPixmap Image(int index); // 1..53, drawn here and now when it is not yet
    // What a card shows of image 1..53: the image at the card size once it
    // is drawn; until then the same image at another size (the card scales
    // it) or nothing, while a worker thread draws it (PicturesArrived).
    QPixmap Picture(int index);
    // Draws the images in `shown` from `deck` at the card size, off this
    // thread, before it is used, so that UseDeck then changes the table at
    // once; another deck prepared (or none: null) takes its place.
    void Prepare(std::shared_ptr<const CardDeck> deck, const std::vector<int>& shown);
    // The deck of the file `svgPath` is prepared: every image asked for is drawn.
    bool Prepared(const QString& svgPath) const;
    // The table's deck from now on: it takes the old one's place once the
    // images in `shown` are drawn from it at the card size (at once when
    // they were prepared), so that every card changes together; the others
    // are drawn after.
    void UseDeck(std::shared_ptr<const CardDeck> deck, const std::vector<int>& shown);
    // The deck in use (waiting for the one read at start-up); null for plain faces.
    const CardDeck* Deck();
    bool HasDeck() { return Deck() != nullptr; }
    // The pointers follow the table's scale.
    void SetPointerScale(const TableScale& scale);
    const QCursor& Pointer(int index); // 54..56
    QPixmap PointerImage(int index);
    // 100 x 25 at the design size, red marbled, raised; made once per size.
    static QPixmap ButtonBar(qreal dpr, const TableScale& scale = TableScale());
    QIcon WindowIcon();

  signals:
    // Images drawn off the window's thread, or another deck: the cards fetch theirs again.
    void PicturesArrived();
    // Another deck took the place of the one before (at start-up too).
    void DeckChanged();

  private:
    using Images = std::array<QPixmap, 54>;
    using Drawn = std::vector<std::pair<int, QImage>>;
    struct Key {
        QSize Size;
        qreal Dpr;
        bool operator==(const Key&) const = default;
    };
    // A deck on its way to the table, its images drawn at `At`.
    struct Coming {
        std::shared_ptr<const CardDeck> Deck;
        Key At;
        std::vector<int> Shown;
        Images Drawn;
        bool Use = false; // it takes the table once the images shown are drawn
    };
    Images& Current();
    Images* Kept(const Key& key);
    void Store(const Key& key, const Drawn& drawn);
    void StartReading();
    void TakeStartingDeck();
    void Want(int index);
    void DrawAhead();
    bool Ready() const; // every image shown of the coming deck is drawn
    void TakeComingDeck();
    QPixmap DrawPlain(int index) const;
    qreal Dpr;
    QSize Size{CardWidth, CardHeight};
    static constexpr qint64 SmallDeck = 64 * 1024; // bytes of its file
    QString Unread, Fallback; // the deck to read at start-up, and the one if it will not do
    std::future<CardDeck::Reading> Starting;
    std::shared_ptr<const CardDeck> Cards;
    bool Replaced = false; // a deck chosen since start-up has the place of the one read then
    std::optional<Coming> Next;
    // The card images of the few sizes last shown, the newest last.
    std::vector<std::pair<Key, Images>> Sizes;
    std::vector<int> Wanted;   // asked for at the card size, to be drawn first
    bool Drawing = false;      // a piece of drawing is under way
    bool DrawingAhead = false; // of the table's deck's images nobody asked for yet
    // Set, the piece under way stops before its next image: others wait.
    std::shared_ptr<std::atomic<bool>> Yield = std::make_shared<std::atomic<bool>>(false);
    TableScale PointerScale;
    std::array<QCursor, 3> Pointers;
    bool PointersMade = false;
    DeckWorker Worker; // last: it stops before anything its work reaches goes
};

// ImageList1 of the message box: 1 question, 2 information, 3 exclamation,
// 4 smiling face, 5 frowning face; drawn at the table's scale.
QPixmap MessageIcon(int icon, qreal dpr, const TableScale& scale = TableScale());
