// ImgPics: the 52 card faces and the back, drawn from the SVG deck at the
// size they are shown and the screen's pixel density (plain drawn faces when
// the deck is missing), and the three pointer images at the table's scale;
// also the picture-button bar and the window icon.
#pragma once

#include "TableScale.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>
#include <future>
#include <memory>
#include <utility>

class QSvgRenderer;

class ImageList {
  public:
    ImageList(const QString& deckPath, qreal devicePixelRatio);
    ~ImageList();

    static constexpr int CardWidth = 71, CardHeight = 96;
    // Images made from now on are `size` logical pixels at `dpr`; those made
    // at earlier sizes are kept for when the table returns to them.
    void SetCardSize(QSize size, qreal dpr);
    QSize CardSize() const { return Size; }
    QPixmap Image(int index); // 1..53, made on first use
    // The pointers follow the table's scale.
    void SetPointerScale(const TableScale& scale);
    const QCursor& Pointer(int index); // 54..56
    QPixmap PointerImage(int index);
    // 100 x 25 at the design size, red marbled, raised; made once per size.
    static QPixmap ButtonBar(qreal dpr, const TableScale& scale = TableScale());
    QIcon WindowIcon();
    bool HasDeck() { return LoadedDeck() != nullptr; }

  private:
    using Images = std::array<QPixmap, 54>;
    Images& Current();
    QSvgRenderer* LoadedDeck();
    QPixmap DrawPlain(int index) const;
    qreal Dpr;
    QSize Size{CardWidth, CardHeight};
    // The deck is read on a worker thread while the window is built.
    std::future<std::unique_ptr<QSvgRenderer>> PendingDeck;
    std::unique_ptr<QSvgRenderer> Deck;
    // The card images of the few sizes last shown, the newest last.
    std::vector<std::pair<std::pair<QSize, qreal>, Images>> Sizes;
    TableScale PointerScale;
    std::array<QCursor, 3> Pointers;
    bool PointersMade = false;
};

// ImageList1 of the message box: 1 question, 2 information, 3 exclamation,
// 4 smiling face, 5 frowning face; drawn at the table's scale.
QPixmap MessageIcon(int icon, qreal dpr, const TableScale& scale = TableScale());
