// The list of decks, their previews drawn on a worker thread, and the keys.
#include "DeckDialog.h"

#include "table/TableColours.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// The Ace of Spades, the Queen of Hearts and the back, fanned a little.
constexpr int PreviewCards[] = {40, 38, 53};
constexpr QSize PreviewCard(54, 73);
constexpr int PreviewStep = 34, Columns = 4, Rows = 4;

QImage Blank(QSize size, qreal dpr) {
    QImage image(static_cast<int>(std::ceil(size.width() * dpr)),
                 static_cast<int>(std::ceil(size.height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

// Three outlines where the cards will be: grey while the deck is read, red
// crossed when it cannot be used.
QPixmap Outlines(QSize card, int step, qreal dpr, bool refused) {
    QImage image = Blank(QSize(card.width() + 2 * step, card.height()), dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = refused ? QColor(230, 90, 90) : QColor(150, 170, 210);
    p.setPen(QPen(colour, 1.5, Qt::DashLine));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(i * step + 1, 1, card.width() - 2, card.height() - 2), 4, 4);
    if (refused) {
        p.setPen(QPen(colour, 2.5));
        p.drawLine(QPointF(step, card.height() * 0.2),
                   QPointF(card.width() + step, card.height() * 0.8));
        p.drawLine(QPointF(step, card.height() * 0.8),
                   QPointF(card.width() + step, card.height() * 0.2));
    }
    p.end();
    return QPixmap::fromImage(image);
}
} // namespace

DeckDialog::DeckDialog(QWidget* parent, DeckShelf& shelf) : QDialog(parent), Shelf(shelf) {
    setObjectName(QStringLiteral("DeckDialog"));
    //: The title of the dialog that Options > Card Deck... opens.
    setWindowTitle(tr("Card Deck"));
    setWindowModality(Qt::WindowModal);
    //: Above the list of card decks, each shown by three of its cards.
    Prompt = new QLabel(tr("Choose the cards to play with:"), this);
    Decks = new QListWidget(this);
    Decks->setObjectName(QStringLiteral("DeckList"));
    //: For screen readers: the list of card decks in the Card Deck dialog.
    Decks->setAccessibleName(tr("Card decks"));
    Prompt->setBuddy(Decks);
    Decks->setViewMode(QListView::IconMode);
    Decks->setMovement(QListView::Static);
    Decks->setResizeMode(QListView::Adjust);
    Decks->setWrapping(true);
    Decks->setUniformItemSizes(true);
    Decks->setWordWrap(true);
    Decks->setSelectionMode(QAbstractItemView::SingleSelection);
    // The decks lie on the table's own cloth, as they will in play.
    QPalette cloth = Decks->palette();
    cloth.setColor(QPalette::Base, TableColour::Navy);
    cloth.setColor(QPalette::Text, TableColour::LightCyan);
    cloth.setColor(QPalette::Highlight, QColor(70, 110, 200));
    cloth.setColor(QPalette::HighlightedText, Qt::white);
    Decks->setPalette(cloth);
    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("DeckMessage"));
    Message->setWordWrap(true);
    Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    //: The Card Deck dialog's button that puts the selected deck on the table.
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("Use This Deck"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Prompt);
    layout->addWidget(Decks, 1);
    layout->addWidget(Message);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &DeckDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &DeckDialog::reject);
    connect(Decks, &QListWidget::itemDoubleClicked, this, &DeckDialog::accept);
    connect(Decks, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= Offered.size()) return;
        const QString refusal = Previews.value(PreviewKey(Offered[row])).Refusal;
        if (refusal.isEmpty())
            Tell(QString());
        else
            TellRefused(Offered[row].Name, refusal);
        emit Selected(Offered[row]);
        DrawNext();
    });
    SetScale(TableScale());
}

QString DeckDialog::PreviewKey(const DeckEntry& deck) const {
    return QStringLiteral("%1|%2|%3")
        .arg(deck.SvgPath)
        .arg(Scale.Factor())
        .arg(devicePixelRatioF());
}

void DeckDialog::Offer(const QList<DeckEntry>& decks, const QString& current) {
    Offered = decks;
    // Read afresh: a deck may have been mended or damaged since.
    Shelf.Keep(false);
    Shelf.Keep(true);
    Decks->clear();
    Tell(QString());
    for (int row = 0; row < decks.size(); ++row) {
        auto* item = new QListWidgetItem(decks[row].Name, Decks);
        item->setData(Qt::UserRole, row);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        ShowPreview(item);
        if (decks[row].Folder == current) Decks->setCurrentItem(item);
    }
    if (!Decks->currentItem() && Decks->count() > 0) Decks->setCurrentRow(0);
    SetScale(Scale);
    if (Decks->currentItem()) Decks->scrollToItem(Decks->currentItem());
    Decks->setFocus();
}

void DeckDialog::SetScale(const TableScale& scale) {
    const bool changed = !(scale == Scale);
    const QPoint centre = geometry().center();
    Scale = scale;
    setFont(scale.Font({Face::Sans, 9}));
    Decks->setFont(font()); // its style sheet keeps it from following the dialog's
    const QSize card = scale.Px(PreviewCard * 15),
                icon(card.width() + 2 * scale.Scaled(PreviewStep), card.height());
    Decks->setIconSize(icon);
    // Every entry has room below the picture for the longest name, wrapped
    // as the entry wraps it (inside its frame, padding and text margins).
    const int frame = scale.Scaled(2) + scale.Scaled(2),
              textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Decks) + 1;
    const int width = icon.width() + scale.Scaled(22);
    const QRect room(0, 0, width - 2 * frame - 2 * textMargin, 10 * fontMetrics().height());
    int text = fontMetrics().height();
    for (const DeckEntry& deck : Offered)
        text =
            std::max(text, fontMetrics()
                               .boundingRect(room, Qt::AlignHCenter | Qt::TextWordWrap, deck.Name)
                               .height());
    const QSize entry(width, icon.height() + text + 2 * frame + scale.Scaled(6));
    for (int row = 0; row < Decks->count(); ++row)
        Decks->item(row)->setSizeHint(entry);
    const QSize cell = entry + QSize(scale.Scaled(6), scale.Scaled(6));
    Decks->setGridSize(cell);
    Decks->setSpacing(scale.Scaled(4));
    Decks->setStyleSheet(QStringLiteral("QListView::item { border: %1px solid transparent; "
                                        "border-radius: %2px; padding: %3px; }"
                                        "QListView::item:selected { border-color: %4; "
                                        "background: rgb(40, 70, 170); color: white; }")
                             .arg(scale.Scaled(2))
                             .arg(scale.Scaled(6))
                             .arg(scale.Scaled(2))
                             .arg(TableColour::LightCyan.name()));
    const int sides =
        2 * Decks->frameWidth() + Decks->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Message->setMinimumHeight(2 * fontMetrics().height());
    const int margin = scale.Scaled(10), spacing = scale.Scaled(8);
    layout()->setContentsMargins(margin, margin, margin, margin);
    layout()->setSpacing(spacing);
    // As many rows as the screen has room for, beside the title bar and the
    // dialog's other parts; the list scrolls through the rest.
    int rows = Rows;
    if (QScreen* at = screen()) {
        const int others = Prompt->sizeHint().height() + Message->minimumHeight() +
                           Buttons->sizeHint().height() + 2 * margin + 3 * spacing +
                           2 * fontMetrics().height();
        rows = std::clamp((at->availableGeometry().height() - others) / cell.height(), 1, Rows);
    }
    Decks->setMinimumSize(Columns * cell.width() + sides + scale.Scaled(4),
                          rows * cell.height() + 2 * Decks->frameWidth() + scale.Scaled(4));
    adjustSize();
    if (changed && isVisible()) move(centre - rect().center());
    for (int row = 0; row < Decks->count(); ++row)
        ShowPreview(Decks->item(row));
    DrawNext();
}

void DeckDialog::Tell(const QString& text) {
    Message->setText(text);
}

void DeckDialog::TellRefused(const QString& name, const QString& why) {
    //: Under the list of card decks: %1 is a deck's name, %2 why it cannot be used
    //: ("its file red.svg is missing", "it has no Queen of Spades").
    Tell(tr("%1 cannot be used: %2.").arg(name, why));
}

void DeckDialog::TellReading(const QString& name) {
    //: Under the list of card decks, while the deck chosen is read: %1 is its name.
    Tell(tr("Reading %1...").arg(name));
}

void DeckDialog::ShowPreview(QListWidgetItem* item) {
    const DeckEntry& deck = Offered[item->data(Qt::UserRole).toInt()];
    const auto found = Previews.constFind(PreviewKey(deck));
    const QSize card = Scale.Px(PreviewCard * 15);
    const int step = Scale.Scaled(PreviewStep);
    if (found == Previews.constEnd()) {
        item->setIcon(Outlines(card, step, devicePixelRatioF(), false));
        return;
    }
    const bool refused = !found->Refusal.isEmpty();
    // The same picture selected: the frame round the entry marks it, untinted.
    QIcon icon;
    const QPixmap picture =
        refused ? Outlines(card, step, devicePixelRatioF(), true) : found->Picture;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    item->setIcon(icon);
    //: The tool tip and, for screen readers, the description of a card deck that
    //: cannot be used: %1 says why ("it has no Queen of Spades").
    const QString why = refused ? tr("Cannot be used: %1").arg(found->Refusal) : QString();
    item->setToolTip(why);
    item->setData(Qt::AccessibleDescriptionRole, why);
}

// One deck at a time, each read once (through the shelf), the deck selected
// first, then the others in the list's order.
void DeckDialog::DrawNext() {
    if (Drawing || !isVisible()) return;
    const int selected = Decks->currentRow();
    int row = selected >= 0 && selected < Offered.size() &&
                      !Previews.contains(PreviewKey(Offered[selected]))
                  ? selected
                  : -1;
    for (int other = 0; row < 0 && other < Offered.size(); ++other)
        if (!Previews.contains(PreviewKey(Offered[other]))) row = other;
    if (row < 0) return;
    const QString key = PreviewKey(Offered[row]);
    const QSize card = Scale.Px(PreviewCard * 15);
    const int step = Scale.Scaled(PreviewStep);
    const qreal dpr = devicePixelRatioF();
    Drawing = true;
    Worker.Run(
        [&shelf = Shelf, path = Offered[row].SvgPath, card, step,
         dpr](const std::atomic<bool>& stop) {
            const CardDeck::Reading reading = shelf.Read(path);
            if (!reading.Deck) return PreviewDrawing{QImage(), reading.Refusal};
            QImage picture = Blank(QSize(card.width() + 2 * step, card.height()), dpr);
            QPainter p(&picture);
            for (int i = 0; i < 3 && !stop; ++i)
                p.drawImage(QPointF(i * step, 0), reading.Deck->Draw(PreviewCards[i], card, dpr));
            p.end();
            return PreviewDrawing{picture, QString()};
        },
        [this, key](const PreviewDrawing& drawn) {
            Drawing = false;
            Previewed(key, drawn);
            DrawNext();
        });
}

void DeckDialog::Previewed(const QString& key, const PreviewDrawing& drawn) {
    Previews.insert(key, {QPixmap::fromImage(drawn.Picture), drawn.Refusal});
    for (int row = 0; row < Decks->count(); ++row)
        if (PreviewKey(Offered[row]) == key) {
            ShowPreview(Decks->item(row));
            if (row == Decks->currentRow() && !drawn.Refusal.isEmpty())
                TellRefused(Offered[row].Name, drawn.Refusal);
        }
}

void DeckDialog::accept() {
    const int row = Decks->currentRow();
    if (row < 0 || row >= Offered.size()) return;
    emit Chosen(Offered[row]);
}

void DeckDialog::done(int result) {
    QDialog::done(result);
    // The decks read for the previews go; the table's lives on at the table.
    Shelf.Keep(false);
}

void DeckDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DrawNext();
}
