// The 52 card pictures Cds(1..52) of the table, where the game last put each
// one in twips, and the pointer each shows: they are laid out afresh at
// every change of the table's scale, and drawn afresh from the deck once a
// resize has settled or another deck has taken the table.
#pragma once

#include "TableScale.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <vector>

class CardPicture;
class ImageList;

class CardPictures : public QObject {
    Q_OBJECT
  public:
    // A card of the design is 1065 x 1440 twips: 71 x 96 at scale 1.
    static constexpr QSize CardDesign{1065, 1440};

    CardPictures(QWidget* table, TableLayout& layout, ImageList& images);
    // Makes picture n at the pack's place, once; the later the picture is
    // made, the higher it lies.
    CardPicture* Make(int n);
    CardPicture* Card(int n) const; // nullptr until it is made
    void SetImage(int n, int image, const QString& accessibleName);
    void Move(int n, QPoint twips);
    QPoint Twips(int n) const;
    // The picture was carried by the pointer: its place is read back from it.
    void FollowedPointer(int n);
    // Image 54..56 of the image list, or the last one set when `image` is 0.
    void SetPointer(int n, int image);
    void SetToolTip(int n, const QString& tip);
    // Every picture drawn afresh at the table's scale and the screen's pixel ratio.
    void Render();
    // The images the pictures on view show, the back first.
    std::vector<int> ImagesShown() const;

  signals:
    // The pointer's events on any card picture.
    void Pressed(int n);
    void MovedOver(int n);
    void Released(int n);
    void Clicked(int n);

  private:
    void Rescale(const TableScale& scale);
    static size_t At(int n) { return static_cast<size_t>(n); }

    QWidget* Table;
    TableLayout& Layout;
    ImageList& Images;
    std::array<CardPicture*, 53> Cds{};
    std::array<QPoint, 53> CardTwips{};
    std::array<int, 53> CardPointer{};
    std::array<int, 53> CursorShown{};
};
