// The Options menu's Card Deck...: the dialog of installed decks, the deck
// chosen read off the window's thread and put on the table, and the choice
// kept in the user's configuration by the deck's folder name. The dialog is
// modal to the table but leaves the game running: Dorvil's turn goes on
// behind it, and a deck chosen meanwhile changes only the pictures.
#pragma once

#include "table/CardDeck.h"
#include "table/DeckWorker.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>

class CardPictures;
class DeckDialog;
class ImageList;
class QAction;
class QWidget;
class TableLayout;

class DeckChoice : public QObject {
    Q_OBJECT
  public:
    // The deck to start with: the one chosen before while it is installed
    // whole, else `standard` (empty when the standard deck is not installed:
    // plain faces). A line on standard error tells of a deck missing, and
    // what the table shows instead.
    static QString StartingDeck(const QString& standard);

    DeckChoice(QWidget* window, QAction* entry, TableLayout& layout, ImageList& images,
               CardPictures& cards);
    ~DeckChoice() override;
    // The dialog, with the deck on the table selected; not over another modal window.
    void Open();
    // Reads `deck` off the window's thread and, when it is whole, puts it on
    // the table (Applied) and remembers it; otherwise the table keeps its
    // deck and the dialog, if open, says why (Refused).
    void Choose(const DeckEntry& deck);
    // While the dialog is open: the deck selected is read and the images on
    // view drawn from it, off the window's thread, so that Enter changes the
    // table at once.
    void Prepare(const DeckEntry& deck);
    // The deck in `folder` is ready: choosing it changes the table at once.
    bool Prepared(const QString& folder) const;
    DeckDialog* Dialog() const; // null until first opened
    // The folder of the deck on the table; empty for plain faces.
    QString InUse();

  signals:
    void Applied(const QString& folder); // the table's cards now come from this deck
    void Refused(const QString& folder, const QString& why);

  private:
    QWidget* Window;
    TableLayout& Layout;
    ImageList& Images;
    CardPictures& Cards;
    DeckShelf Shelf;
    QPointer<DeckDialog> Box;
    int Asked = 0; // choices made: only the last one's reading counts
    // Decks selected in the dialog: only the last one is made ready.
    std::shared_ptr<std::atomic<int>> Looked = std::make_shared<std::atomic<int>>(0);
    QString Coming;    // the folder of the deck being drawn for the table
    DeckWorker Reader; // last: it stops before the parts its work reaches go
};
