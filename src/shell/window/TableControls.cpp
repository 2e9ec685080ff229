// The design of the table's controls, in twips, and the building of them.
#include "TableControls.h"

#include "dialogs/TargetFrame.h"
#include "table/TableColours.h"
#include "table/TableWidgets.h"
#include "table/TextRoom.h"

#include <QCoreApplication>
#include <QPalette>

// The design tables mark their texts for translation; they are translated as
// the controls are made.
namespace {
QString Translated(const char* text) {
    return *text ? QCoreApplication::translate("TableControls", text) : QString();
}

using TableColour::LightCyan;
using TableColour::Navy;

const FontDesign Serif{Face::Serif, 11.25, true};
const FontDesign NameFont{Face::Serif, 12, true, true};
const FontDesign Small{Face::Serif, 8.25, false, false, true};
const FontDesign StatsHeading{Face::Serif, 9, true, false, true};
const FontDesign StatsValue{Face::Serif, 9, true};
const QColor MeldGreen(0, 128, 0);
const QColor Cream(255, 255, 192);

struct ShapeDesign {
    const char* Name;
    QRect Rect;
    QColor Border;
    int Width;
    QColor Fill = Qt::transparent;
};
const ShapeDesign MeldArea{"Shape1", {2280, 2160, 7935, 4575}, QColor(128, 64, 0), 5, MeldGreen};
const ShapeDesign StockOutline{"Shape2", {360, 360, 1335, 1695}, Cream, 3};
const ShapeDesign DiscardOutline{"Shape3", {360, 600, 1335, 1695}, Cream, 3};

// The meld columns' dividing lines, from the top of the meld area down; the
// middle one starts below the heading.
constexpr int LineX[5] = {3600, 4920, 6240, 7560, 8880};

// The middle of each column, between the meld area's edges and the lines.
QList<int> ColumnCentres() {
    const int left = MeldArea.Rect.left(), right = MeldArea.Rect.left() + MeldArea.Rect.width();
    QList<int> centres;
    for (int i = 0; i < 6; ++i)
        centres << ((i == 0 ? left : LineX[i - 1]) + (i == 5 ? right : LineX[i])) / 2;
    return centres;
}

// Where the texts round the player's name may reach, in twips: the
// instruction line across the table; Dorvil's greeting up to the statistics;
// the player's name up to the hand, moved left of its place and lifted clear
// of the Sort Same button when it needs more room.
constexpr int Margin = 120, HandLeft = 3360, StatsLeft = 8760, SortSameTop = 7680;
constexpr int NameHeight = 285;

struct FrameDesign {
    const char* Name;
    QRect Rect;
    const char* Caption;
    FontDesign Font;
};
const FrameDesign DeckFrame{"FramDeck",
                            {120, 1920, 2055, 2535},
                            //: The caption of the stock's frame.
                            QT_TRANSLATE_NOOP("TableControls", "Click to take Stock Card"),
                            Small};
const FrameDesign DiscardFrame{"FramDiscard",
                               {120, 4440, 2055, 2415},
                               //: The caption of the discard pile's frame: drop a card on the
                               //: pile, or click it to take it.
                               QT_TRANSLATE_NOOP("TableControls", "Push card on or click take"),
                               Small};
const FrameDesign StatsFrame{"FramStats",
                             {8760, 120, 2805, 1635},
                             //: The caption of the frame of games won and money owed.
                             QT_TRANSLATE_NOOP("TableControls", "Statistics"),
                             {Face::Serif, 9.75, true}};

// Labels that size to their text: on the table, then in the statistics frame.
struct LabelDesign {
    Ctl Id;
    const char* Name;
    QRect Rect;
    const char* Text;
    FontDesign Font;
    bool Centred = true;
};
const LabelDesign TableLabels[] = {
    {Ctl::LblInfo, "LblInfo", {5730, 6960, 75, 255}, "", Serif},
    {Ctl::LblName2, "LblName_2", {2520, 720, 720, 285}, "Dorvil", NameFont, false},
    {Ctl::LblName0, "LblName_0", {2160, 7440, 60, 285}, "", NameFont, false}};
const LabelDesign StatsLabels[] = {
    {Ctl::LblNoWonP,
     "LblNoWonP",
     {360, 240, 975, 225},
     //: The statistics frame: heading over the games the player has won (until the name shows).
     QT_TRANSLATE_NOOP("TableControls", " Won Player"),
     StatsHeading},
    {Ctl::LblNoWonG,
     "LblNoWonG",
     {1680, 240, 1035, 225},
     //: The statistics frame: heading over the games Dorvil has won.
     QT_TRANSLATE_NOOP("TableControls", " Won Dorvil"),
     StatsHeading},
    {Ctl::LblWonP, "LblWonP", {840, 600, 105, 225}, "0", StatsValue},
    {Ctl::LblWonG, "LblWonG", {2160, 600, 105, 225}, "0", StatsValue},
    {Ctl::LblGowes,
     "LblGowes",
     {360, 960, 825, 225},
     //: The statistics frame: heading over the money Dorvil owes the player (until the name
     //: shows).
     QT_TRANSLATE_NOOP("TableControls", "Owed You"),
     StatsHeading},
    {Ctl::LblOweG,
     "LblOweG",
     {1440, 960, 1185, 195},
     //: The statistics frame: heading over the money the player owes Dorvil.
     QT_TRANSLATE_NOOP("TableControls", "Owed Dorvil"),
     {Face::Sans, 8.25, true, false, true}},
    {Ctl::LblMoneyP, "LblMoneyP", {840, 1320, 105, 225}, "0", StatsValue},
    {Ctl::LblMoneyG, "LblMoneyG", {2040, 1320, 105, 225}, "0", StatsValue}};

struct ButtonDesign {
    Ctl Id;
    const char* Name;
    QRect Rect;
    const char* Label;
    QRect LabelRect;
    const char* Caption;
    const char* Tip;
};
// The buttons' captions are short: each fits a face 88 pixels wide.
const ButtonDesign Buttons[] = {
    {Ctl::PicDraw,
     "PicDraw",
     {360, 6960, 1545, 420},
     "LblDraw",
     {90, 0, 1320, 240},
     //: A button: end the game with no scores (shown once the stock has been rebuilt).
     QT_TRANSLATE_NOOP("TableControls", "Call Draw"),
     QT_TRANSLATE_NOOP("TableControls", "Click to call draw and start new hand")},
    {Ctl::PicSortSame,
     "PicSortSame",
     {1680, 7680, 1545, 420},
     "LblSortSame",
     {90, 0, 1320, 240},
     //: A button: sort the hand by rank, cards of a rank together.
     QT_TRANSLATE_NOOP("TableControls", "Sort Same"),
     QT_TRANSLATE_NOOP("TableControls", "Click to sort cards the same")},
    {Ctl::PicSortSuits,
     "PicSortSuits",
     {1680, 8280, 1545, 420},
     "LblSortSuits",
     {120, 0, 1335, 255},
     //: A button: sort the hand by suit.
     QT_TRANSLATE_NOOP("TableControls", "Sort Suits"),
     QT_TRANSLATE_NOOP("TableControls", "Click to sort into suits")},
    {Ctl::PicTakeBack,
     "PicTakeBack",
     {5160, 6240, 1545, 420},
     "LblTakeBack",
     {120, 0, 1320, 240},
     //: A button: take the cards of a meld of one or two cards back into the hand.
     QT_TRANSLATE_NOOP("TableControls", "Take Back"),
     QT_TRANSLATE_NOOP("TableControls", "Click to take back cards melded")}};

ShapeBox* Make(TableLayout& layout, QWidget* parent, const ShapeDesign& d) {
    return new ShapeBox(layout, QLatin1String(d.Name), parent, d.Rect, d.Border, d.Width, d.Fill);
}
CaptionFrame* Make(TableLayout& layout, QWidget* parent, const FrameDesign& d) {
    return new CaptionFrame(layout, QLatin1String(d.Name), parent, d.Rect, Translated(d.Caption),
                            d.Font, LightCyan, Navy);
}
AutoLabel* Make(TableLayout& layout, QWidget* parent, const LabelDesign& d) {
    return new AutoLabel(layout, QLatin1String(d.Name), parent, d.Rect, Translated(d.Text), d.Font,
                         LightCyan, d.Centred);
}
} // namespace

TableControls::TableControls(TableLayout& layout, QWidget* table, QWidget* margins) {
    // Lightweight drawings first: the cards always lie above them.
    Shape1 = Make(layout, table, MeldArea);
    //: The headings over the six meld columns, in one line, each separated from the next
    //: by two blanks or more: each is drawn centred over its column, 88 pixels wide.
    const char* headings = QT_TRANSLATE_NOOP("TableControls",
                                             "   Meld 1           Meld 2         Meld 3         "
                                             "Meld 4           Meld 5          Meld 6      ");
    const QString translated = QCoreApplication::translate("TableControls", headings);
    LblHeading =
        new ColumnHeadings(layout, table, {2400, 2280, 7695, 255}, translated,
                           {Face::Serif, 11.25, true, false, true}, Cream, ColumnCentres(),
                           translated == QLatin1String(headings));
    LblHeading->setAutoFillBackground(true);
    QPalette green = LblHeading->palette();
    green.setColor(QPalette::Window, MeldGreen);
    LblHeading->setPalette(green);
    for (int i = 0; i < 5; ++i) {
        const int top = i == 2 ? 2280 : 2160, bottom = i == 2 ? 6840 : 6720;
        Line[static_cast<size_t>(i)] =
            new LineWidget(layout, QStringLiteral("Line%1").arg(i + 1), table,
                           QPoint(LineX[i], top), QPoint(LineX[i], bottom), Qt::black);
    }
    for (const LabelDesign& d : TableLabels)
        Named[d.Id] = Make(layout, table, d);
    LblInfo = static_cast<AutoLabel*>(Named[Ctl::LblInfo]);
    LblInfo->hide();
    LblInfo->SetRoom(Margin, TableScale::DesignWidth - Margin);
    static_cast<AutoLabel*>(Named[Ctl::LblName2])->SetRoom(2520, StatsLeft - Margin);
    static_cast<AutoLabel*>(Named[Ctl::LblName0])
        ->SetRoom(Margin, HandLeft - Margin / 2, SortSameTop - NameHeight);

    CaptionFrame* deck = Make(layout, table, DeckFrame);
    Shape2 = Make(layout, deck, StockOutline);
    Named[Ctl::Lblcardsleft] =
        MakeLabel(layout, QStringLiteral("Lblcardsleft"), deck, QRect(240, 2160, 1455, 255),
                  QCoreApplication::translate("TableControls", "No. in Stock"),
                  FontDesign{Face::Serif, 9.75, true}, LightCyan, Qt::AlignCenter);
    CaptionFrame* discard = Make(layout, table, DiscardFrame);
    MakeLabel(layout, QStringLiteral("LblDis"), discard, QRect(360, 240, 1335, 255),
              //: The heading over the discard pile.
              QCoreApplication::translate("TableControls", "Discard Pile"), Small, LightCyan,
              Qt::AlignCenter);
    Shape3 = Make(layout, discard, DiscardOutline);

    FramStats = Make(layout, table, StatsFrame);
    for (const LabelDesign& d : StatsLabels)
        Named[d.Id] = Make(layout, FramStats, d);
    new LineWidget(layout, QStringLiteral("Line6"), FramStats, QPoint(0, 840), QPoint(2760, 840),
                   LightCyan);
    new LineWidget(layout, QStringLiteral("Line7"), FramStats, QPoint(0, 1560), QPoint(2760, 1560),
                   LightCyan);
    layout.Keep(FramStats, [this](const TableScale& s) { FitStatistics(s); });

    for (const ButtonDesign& d : Buttons)
        Named[d.Id] =
            new PictureButton(layout, QLatin1String(d.Name), table, d.Rect, QLatin1String(d.Label),
                              d.LabelRect, Translated(d.Caption), Translated(d.Tip));
    PicDraw = static_cast<PictureButton*>(Named[Ctl::PicDraw]);
    PicSortSame = static_cast<PictureButton*>(Named[Ctl::PicSortSame]);
    PicSortSuits = static_cast<PictureButton*>(Named[Ctl::PicSortSuits]);
    PicTakeBack = static_cast<PictureButton*>(Named[Ctl::PicTakeBack]);

    Named[Ctl::FramTarget] = FramTarget = new TargetFrame(layout, table);
    // Docked along the window's bottom edge rather than the table's.
    StatusBar1 = new StatusPanels(layout, margins);
}

void TableControls::SetText(Ctl control, const QString& text, const QString& name) {
    QWidget* widget = Of(control);
    if (auto* label = dynamic_cast<AutoLabel*>(widget))
        label->SetCaption(text, name);
    else if (auto* plain = qobject_cast<QLabel*>(widget))
        plain->setText(text), plain->setAccessibleName(text);
    if (widget->parentWidget() == FramStats) FitStatistics(Scale);
}

// The statistics' headings two by two, the player's beside Dorvil's, inside
// the frame's border; the player's gives way when the name is long.
void TableControls::FitStatistics(const TableScale& s) {
    Scale = s;
    const int inset = 3 * s.Scaled(1);
    for (auto [yours, his] :
         {std::pair{Ctl::LblNoWonP, Ctl::LblNoWonG}, std::pair{Ctl::LblGowes, Ctl::LblOweG}}) {
        auto* a = static_cast<AutoLabel*>(Of(yours));
        auto* b = static_cast<AutoLabel*>(Of(his));
        const int anchors[2] = {a->Anchor(), b->Anchor()};
        const int widths[2] = {a->WholeWidth(), b->WholeWidth()};
        const RowPlaces row =
            FitRow(inset, FramStats->width() - inset, s.Scaled(4), anchors, widths);
        a->PlaceAt(row.Left[0], row.Width[0]);
        b->PlaceAt(row.Left[1], row.Width[1]);
    }
}
