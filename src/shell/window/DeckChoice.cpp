// Choosing the table's deck: the dialog, the reading, the setting.
#include "DeckChoice.h"

#include "Locations.h"
#include "UserSettings.h"
#include "dialogs/DeckDialog.h"
#include "table/CardPictures.h"
#include "table/ImageList.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <utility>

namespace {
const QString Key = QStringLiteral("Options/CardDeck");
}

QString DeckChoice::StartingDeck(const QString& standard) {
    const QString chosen = UserSettings().value(Key).toString();
    const bool another = !chosen.isEmpty() && chosen != StandardDeck;
    const std::optional<DeckEntry> deck = another ? FindDeck(chosen) : std::nullopt;
    const QString plain = QStringLiteral("plain card faces stand in");
    if (standard.isEmpty())
        std::fprintf(
            stderr, "%s\n",
            qPrintable(MissingDeckLine(
                deck ? QStringLiteral("the card deck %1 chosen for the table is used").arg(chosen)
                     : plain)));
    if (deck) return deck->SvgPath;
    if (another)
        std::fprintf(
            stderr,
            "meldora: the card deck %s chosen for the table is no longer installed (no "
            "carddecks/%s/index.desktop naming its SVG file in %s); %s\n",
            qPrintable(chosen), qPrintable(chosen),
            qPrintable(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)
                           .join(QLatin1Char(':'))),
            standard.isEmpty() ? qPrintable(plain) : "the standard deck stands in");
    return standard;
}

DeckChoice::DeckChoice(QWidget* window, QAction* entry, TableLayout& layout, ImageList& images,
                       CardPictures& cards)
    : QObject(window), Window(window), Layout(layout), Images(images), Cards(cards) {
    setObjectName(QStringLiteral("DeckChoice"));
    connect(entry, &QAction::triggered, this, &DeckChoice::Open);
    // The setting changes once the table shows the deck chosen.
    connect(&Images, &ImageList::DeckChanged, this, [this] {
        if (Coming.isEmpty()) return;
        UserSettings().setValue(Key, Coming);
        emit Applied(std::exchange(Coming, QString()));
    });
}

// The dialog's readings go before the shelf they use.
DeckChoice::~DeckChoice() {
    delete Box.data();
}

DeckDialog* DeckChoice::Dialog() const {
    return Box.data();
}

QString DeckChoice::InUse() {
    const CardDeck* deck = Images.Deck();
    if (!deck) return {};
    for (const DeckEntry& entry : FindDecks())
        if (entry.SvgPath == deck->Path()) return entry.Folder;
    return {};
}

void DeckChoice::Open() {
    // As the game's handlers do, the dialog waits for a message box's answer.
    if (QApplication::activeModalWidget()) return;
    if (!Box) {
        Box = new DeckDialog(Window, Shelf);
        Layout.Keep(Box, [this](const TableScale& scale) { Box->SetScale(scale); });
        connect(Box, &DeckDialog::Chosen, this, &DeckChoice::Choose);
        connect(Box, &DeckDialog::Selected, this, &DeckChoice::Prepare);
        connect(Box, &QDialog::rejected, this, [this] {
            ++Asked;
            ++*Looked;
            Images.Prepare(nullptr, {});
        });
    }
    Box->Offer(FindDecks(), InUse());
    Box->open();
}

void DeckChoice::Prepare(const DeckEntry& deck) {
    const int looked = ++*Looked;
    if (const CardDeck* now = Images.Deck(); now && now->Path() == deck.SvgPath) return;
    // Decks passed over on the way to this one are not read.
    Reader.Run(
        [&shelf = Shelf, path = deck.SvgPath, looked, latest = Looked](const std::atomic<bool>&) {
            return looked == *latest ? shelf.Read(path) : CardDeck::Reading{};
        },
        [this, looked](const CardDeck::Reading& reading) {
            if (looked == *Looked && reading.Deck && Box && Box->isVisible())
                Images.Prepare(reading.Deck, Cards.ImagesShown());
        });
}

bool DeckChoice::Prepared(const QString& folder) const {
    const auto deck = FindDeck(folder);
    return deck && Images.Prepared(deck->SvgPath);
}

void DeckChoice::Choose(const DeckEntry& deck) {
    const int asked = ++Asked;
    if (const CardDeck* now = Images.Deck(); now && now->Path() == deck.SvgPath) {
        if (Box && Box->isVisible()) Box->done(QDialog::Accepted);
        UserSettings().setValue(Key, deck.Folder);
        emit Applied(deck.Folder);
        return;
    }
    if (Box && Box->isVisible()) Box->TellReading(deck.Name);
    Reader.Run([&shelf = Shelf,
                path = deck.SvgPath](const std::atomic<bool>&) { return shelf.Read(path); },
               [this, deck, asked](CardDeck::Reading reading) {
                   if (asked != Asked) return; // cancelled, or another deck chosen since
                   if (!reading.Deck) {
                       std::fprintf(stderr,
                                    "meldora: the card deck %s (%s) cannot be used: %s; the "
                                    "table keeps its cards\n",
                                    qPrintable(deck.Folder), qPrintable(deck.SvgPath),
                                    qPrintable(reading.Logged));
                       if (Box && Box->isVisible()) Box->TellRefused(deck.Name, reading.Refusal);
                       emit Refused(deck.Folder, reading.Refusal);
                       return;
                   }
                   if (Box && Box->isVisible()) Box->done(QDialog::Accepted);
                   Coming = deck.Folder;
                   Images.UseDeck(reading.Deck, Cards.ImagesShown());
               });
}
