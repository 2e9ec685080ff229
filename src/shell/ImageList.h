// ImgPics: the 52 card faces and the back, drawn from the SVG deck at the
// screen's pixel density (plain drawn faces when the deck is missing), and the
// three pointer images; also the picture-button bar and the window icon.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>
#include <memory>

class QSvgRenderer;

class ImageList {
  public:
    ImageList(const QString& deckPath, qreal devicePixelRatio);
    ~ImageList();

    static constexpr int CardWidth = 71, CardHeight = 96;
    QPixmap Image(int index);          // 1..53, made on first use
    const QCursor& Pointer(int index); // 54..56
    QPixmap PointerImage(int index);
    static QPixmap ButtonBar(qreal dpr); // 100 x 25, red marbled, raised
    QIcon WindowIcon();
    bool HasDeck() const { return Deck != nullptr; }

  private:
    QPixmap DrawPlain(int index) const;
    qreal Dpr;
    std::unique_ptr<QSvgRenderer> Deck;
    std::array<QPixmap, 54> Cards;
    std::array<QCursor, 3> Pointers;
    bool PointersMade = false;
};

// ImageList1 of the message box: 1 question, 2 information, 3 exclamation,
// 4 smiling face, 5 frowning face.
QPixmap MessageIcon(int icon, qreal dpr);
