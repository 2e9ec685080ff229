// A card deck of the desktop's collection, read from its SVG file and checked
// before the table uses it: the 52 cards (elements 1_club .. king_spade) and
// the back must all be there. A deck is read and drawn from on any thread;
// DeckShelf lets the table and the Card Deck dialog share one reading.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QString>
#include <array>
#include <future>
#include <map>
#include <memory>
#include <mutex>

class QSvgRenderer;

// An installed deck as its index.desktop names it.
struct DeckEntry {
    QString Folder;  // the deck's folder under carddecks, its name in the settings
    QString Name;    // in the desktop's language where the index has it
    QString SvgPath; // the SVG (or SVGZ) file the index names
    bool operator==(const DeckEntry&) const = default;
};

class CardDeck {
    Q_DECLARE_TR_FUNCTIONS(CardDeck)
  public:
    struct Reading {
        std::shared_ptr<const CardDeck> Deck; // null when refused
        QString Refusal; // why, in the player's language: "it has no Queen of Spades"
        QString Logged;  // the same in English for standard error: "it has no element queen_spade"
    };
    // Reads and checks the deck; takes as long as the file is large (a
    // fraction of a second to over a second), so never on the window's thread.
    static Reading Read(const QString& svgPath);
    ~CardDeck();

    // Image 1..52 (FrmMain's card numbers) or 53, the back, `size` logical
    // pixels at `dpr`. A deck whose cards are shaped like the table's (within
    // a few percent) fills the size; any other keeps its own shape, centred.
    QImage Draw(int index, QSize size, qreal dpr) const;
    const QString& Path() const { return File; }
    // The SVG element of image 1..53.
    static QString ElementId(int index);

  private:
    CardDeck() = default;
    QString File;
    std::unique_ptr<QSvgRenderer> Svg;
    std::array<QRectF, 54> Bounds; // each card's element in the drawing, 1..53
    mutable std::mutex Drawing;    // one drawing at a time from the renderer
};

// The decks read for whoever asks: while the shelf keeps them, each is read
// once, and a reading under way is waited for rather than started again.
class DeckShelf {
  public:
    CardDeck::Reading Read(const QString& svgPath); // any thread
    // From now on the decks read are kept, or (false) every deck is let go
    // and read afresh for each who asks; those in use elsewhere live on there.
    void Keep(bool keep);

  private:
    std::mutex Lock;
    bool Keeping = false;
    std::map<QString, std::shared_future<CardDeck::Reading>> Decks;
};
