// The Card Deck dialog: every installed deck by its name, each with an ace, a
// court card and the back drawn from it at the dialog's size and the screen's
// pixel ratio. The previews are drawn off the window's thread one deck at a
// time, the selected deck first, so the dialog opens at once. The arrows
// choose, Enter asks for the selected deck (Chosen) and Esc cancels; when a
// deck cannot be used the dialog says why under the list and stays open.
#pragma once

#include "table/CardDeck.h"
#include "table/DeckWorker.h"
#include "table/TableScale.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPixmap>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

class DeckDialog : public QDialog {
    Q_OBJECT
  public:
    // The decks are read through `shelf`, which the table's choice shares.
    DeckDialog(QWidget* parent, DeckShelf& shelf);
    // The decks to choose from, `current` (a folder name) selected.
    void Offer(const QList<DeckEntry>& decks, const QString& current);
    // Fonts, previews and size follow the table's scale, also while it is open.
    void SetScale(const TableScale& scale);
    // Under the list: why the deck asked for cannot be used, or what is awaited.
    void Tell(const QString& text);
    QListWidget* List() const { return Decks; }
    // The previews of the deck in folder `folder` have been drawn (or its reading refused).
    bool Previewed(const QString& folder) const;

  signals:
    void Chosen(const DeckEntry& deck); // Enter, OK or a double click

  protected:
    void accept() override; // asks; the dialog closes once the deck is on its way to the table
    void showEvent(QShowEvent* event) override;

  private:
    struct Preview {
        QPixmap Picture;
        QString Refusal;
    };
    QString PreviewKey(const DeckEntry& deck) const;
    void ShowPreview(QListWidgetItem* item);
    void DrawNext();

    DeckShelf& Shelf;
    QList<DeckEntry> Offered;
    QListWidget* Decks;
    QLabel* Prompt;
    QLabel* Message;
    QDialogButtonBox* Buttons;
    TableScale Scale;
    QHash<QString, Preview> Previews; // by deck file, size and pixel ratio
    bool Drawing = false;
    DeckWorker Worker; // last: it stops before the dialog's parts go
};
