// The Card Deck dialog: every installed deck by its name, each with an ace, a
// court card and the back drawn from it at the dialog's size and the screen's
// pixel ratio. The previews are drawn off the window's thread one deck at a
// time, the selected deck first, so the dialog opens at once; the table's
// choice hears which deck is selected and makes it ready. The arrows
// choose, Enter asks for the selected deck (Chosen) and Esc cancels; when a
// deck cannot be used the dialog says why under the list and stays open.
#pragma once

#include "table/CardDeck.h"
#include "table/DeckWorker.h"
#include "table/TableScale.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

class DeckDialog : public QDialog {
    Q_OBJECT
  public:
    // The decks are read through `shelf`, which the table's choice shares;
    // the dialog keeps them there while it is open and lets go when it closes.
    DeckDialog(QWidget* parent, DeckShelf& shelf);
    // The decks to choose from, `current` (a folder name, the table's) selected.
    void Offer(const QList<DeckEntry>& decks, const QString& current);
    // Fonts, previews and size follow the table's scale, also while it is open.
    void SetScale(const TableScale& scale);
    // Under the list: a text, why the deck `name` cannot be used, or that it is being read.
    void Tell(const QString& text);
    void TellRefused(const QString& name, const QString& why);
    void TellReading(const QString& name);
    QListWidget* List() const { return Decks; }
    // Enter: asks for the selected deck; the dialog closes once it is on its way to the table.
    void accept() override;
    void done(int result) override; // closing lets go of the decks read

  signals:
    void Selected(const DeckEntry& deck); // the arrows or the pointer moved to it
    void Chosen(const DeckEntry& deck);   // Enter, OK or a double click

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Preview {
        QPixmap Picture;
        QString Refusal;
    };
    struct PreviewDrawing { // off the window's thread: an image, not yet a pixmap
        QImage Picture;
        QString Refusal;
    };
    QString PreviewKey(const DeckEntry& deck) const;
    void ShowPreview(QListWidgetItem* item);
    void DrawNext();
    void Previewed(const QString& key, const PreviewDrawing& drawn);

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
