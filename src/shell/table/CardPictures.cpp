// Making, placing and drawing the card pictures.
#include "CardPictures.h"

#include "ImageList.h"
#include "TableWidgets.h"

#include <algorithm>

namespace {
// Where the pack lies before the first deal, in twips.
constexpr QPoint PackPlace(600, 5160);
} // namespace

CardPictures::CardPictures(QWidget* table, TableLayout& layout, ImageList& images)
    : QObject(table), Table(table), Layout(layout), Images(images) {
    Layout.Keep(this, [this](const TableScale& s) { Rescale(s); });
    connect(&Images, &ImageList::PicturesArrived, this, [this] {
        for (CardPicture* card : Cds)
            if (card) card->update();
    });
}

CardPicture* CardPictures::Make(int n) {
    if (Cds[At(n)]) return Cds[At(n)];
    auto* card = new CardPicture(n, Table, [this](int image) { return Images.Picture(image); });
    connect(card, &CardPicture::Pressed, this, &CardPictures::Pressed);
    connect(card, &CardPicture::MovedOver, this, &CardPictures::MovedOver);
    connect(card, &CardPicture::Released, this, &CardPictures::Released);
    connect(card, &CardPicture::Clicked, this, &CardPictures::Clicked);
    Cds[At(n)] = card;
    CardTwips[At(n)] = PackPlace;
    card->setFixedSize(Layout.Scale().Px(CardDesign));
    card->move(Layout.Scale().Px(PackPlace));
    return card;
}

CardPicture* CardPictures::Card(int n) const {
    return n >= 1 && n <= 52 ? Cds[At(n)] : nullptr;
}

void CardPictures::SetImage(int n, int image, const QString& accessibleName) {
    Cds[At(n)]->SetImage(image, accessibleName);
}

void CardPictures::Move(int n, QPoint twips) {
    CardTwips[At(n)] = twips;
    Cds[At(n)]->move(Layout.Scale().Px(twips));
}

QPoint CardPictures::Twips(int n) const {
    return CardTwips[At(n)];
}

void CardPictures::FollowedPointer(int n) {
    CardTwips[At(n)] = Layout.Scale().Twips(Cds[At(n)]->pos());
}

void CardPictures::SetPointer(int n, int image) {
    int& last = CardPointer[At(n)];
    int& shown = CursorShown[At(n)];
    if (image != 0) last = image;
    if (last != 0 && shown != last) {
        Cds[At(n)]->setCursor(Images.Pointer(last));
        shown = last;
    }
}

void CardPictures::SetToolTip(int n, const QString& tip) {
    if (Cds[At(n)]->toolTip() != tip) Cds[At(n)]->setToolTip(tip);
}

void CardPictures::Rescale(const TableScale& scale) {
    Images.SetPointerScale(scale);
    for (int n = 1; n <= 52; ++n) {
        CardPicture* card = Cds[At(n)];
        if (!card) continue;
        // Until the resize settles the card shows its picture smoothly scaled.
        card->setFixedSize(scale.Px(CardDesign));
        card->move(scale.Px(CardTwips[At(n)]));
        CursorShown[At(n)] = 0;
        SetPointer(n, 0);
    }
}

std::vector<int> CardPictures::ImagesShown() const {
    std::vector<int> shown{53};
    for (CardPicture* card : Cds)
        if (card && card->isVisible() && card->ImageShown() >= 1 &&
            std::find(shown.begin(), shown.end(), card->ImageShown()) == shown.end())
            shown.push_back(card->ImageShown());
    return shown;
}

void CardPictures::Render() {
    Images.SetCardSize(Layout.Scale().Px(CardDesign), Table->devicePixelRatioF());
    // Each card fetches its picture at the new size when it is painted.
    for (CardPicture* card : Cds)
        if (card) card->update();
}
