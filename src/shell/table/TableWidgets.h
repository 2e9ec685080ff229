// The controls of the table: card pictures, labels that size to their text,
// captioned frames, outline and filled shapes, lines, the picture buttons
// under the hand, and the four-panel status bar. Each is designed in twips
// and laid out again by its TableLayout whenever the table's scale changes.
#pragma once

#include "TableScale.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>

// One card picture Cds(n); it tells its pointer events to whoever listens.
class CardPicture : public QWidget {
    Q_OBJECT
  public:
    // `source` gives the picture of an image of the image list at the size it
    // renders now; a picture of another size is drawn smoothly scaled.
    CardPicture(int index, QWidget* parent, std::function<QPixmap(int)> source);
    // The picture itself is fetched when the card is painted, so that a card
    // nobody sees yet (the pack before the window appears) costs nothing.
    // A new drawing of the same image (another size) needs only update().
    void SetImage(int image, const QString& accessibleName);
    int Index() const { return CardIndex; }
    int ImageShown() const { return Image; } // -1 before the first

  signals:
    void Pressed(int n);
    void MovedOver(int n);
    void Released(int n);
    void Clicked(int n); // a release over the card, told after Released

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

  private:
    int CardIndex;
    std::function<QPixmap(int)> Source;
    int Image = -1; // none set yet
};

// A label that sizes itself to its text, keeping its left edge, or its
// centre when its text is centred. Given a room in its parent it stays
// inside it, moved along when it would stick out and shortened (the
// player's name first) when wider than the room; the tool tip and the
// accessible name then tell the whole text.
class AutoLabel : public QLabel {
  public:
    AutoLabel(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
              const QString& text, const FontDesign& font, const QColor& colour, bool centred);
    // `name` is the player's, which is shortened first when the text must be.
    void SetCaption(const QString& text, const QString& name = QString());
    QString Caption() const { return Whole; }
    // From `left` to `right` twips of the parent; a label that has to leave
    // its place to find room there lies at `movedTop` twips, when given.
    void SetRoom(int left, int right, int movedTop = -1);
    // Where its row puts it: at `left`, `width` pixels wide.
    void PlaceAt(int left, int width);
    int Anchor() const { return AnchorX; }
    int WholeWidth() const; // in pixels, with its padding

  private:
    void Fit();
    void Show(int left, int top, int width);
    QString Whole, Name;
    TableScale Scale;
    int AnchorX = 0, DesignTop = 0, Padding = 2;
    int RoomLeft = 0, RoomRight = -1, MovedTop = -1; // twips; no room while RoomRight < 0
};

// LblHeading: the meld columns' headings on the green band above them. The
// text names them in one line spaced out with blanks, as screen readers read
// it. The table's own line is drawn as it was designed, its blanks measured
// for its own words; a translation's words are as wide as they come, so each
// of its headings is drawn centred over its own column, on the band's one
// underline. A text that is not six headings is drawn as it is.
class ColumnHeadings : public QLabel {
  public:
    // `centres` are the columns' middles in twips of the parent; `designed`
    // when `text` is the table's own line.
    ColumnHeadings(TableLayout& layout, QWidget* parent, const QRect& design, const QString& text,
                   const FontDesign& font, const QColor& colour, const QList<int>& centres,
                   bool designed);
    // Where each heading is drawn, in the label's pixels.
    QList<QRect> HeadingPlaces() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QStringList Headings() const;
    QRect Line() const; // the text's line as one string would stand
    QList<int> Centres;
    int DesignLeft;
    bool Designed;
    TableScale Scale;
};

// A plain label of fixed size.
QLabel* MakeLabel(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                  const QString& text, const FontDesign& font, const QColor& colour,
                  Qt::Alignment align, bool wrap = false);

// A frame: an etched outline with its caption set into the top edge.
class CaptionFrame : public QWidget {
  public:
    CaptionFrame(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                 const QString& caption, const FontDesign& font, const QColor& textColour,
                 const QColor& background);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString Caption;
    QColor TextColour, Background;
    int LineWidth = 1, CaptionLeft = 6, CaptionPadding = 4;
};

// A rectangle outline (transparent inside) or a filled rectangle with a border.
class ShapeBox : public QWidget {
  public:
    ShapeBox(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
             const QColor& border, int borderWidth, const QColor& fill = Qt::transparent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor Border, Fill;
    int BorderWidth;
};

// A level or upright line between two points of its parent, given in twips,
// `width` pixels thick at the design size.
class LineWidget : public QWidget {
  public:
    LineWidget(TableLayout& layout, const QString& name, QWidget* parent, QPoint from, QPoint to,
               const QColor& colour, int width = 1);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QRect Band;
    QColor Colour;
};

// A picture button: the red bar image with a transparent caption label on it;
// the label takes the clicks.
class PictureButton : public QWidget {
    Q_OBJECT
  public:
    PictureButton(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                  const QString& labelName, const QRect& labelDesign, const QString& caption,
                  const QString& tip);
    QLabel* Caption() const { return CaptionLabel; }
    // As a click on the caption: the keys and screen readers press it this way.
    void Click() { emit Clicked(); }

  signals:
    void Clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* CaptionLabel;
    TableScale Scale;
};

// StatusBar1: four sunken panels with their own tool tips. Its owner docks
// it; the panels follow the table's scale.
// A text too long for its panel is shortened, the player's name first, and
// told whole in the panel's tool tip.
class StatusPanels : public QWidget {
  public:
    static constexpr int DesignHeight = 375;
    StatusPanels(TableLayout& layout, QWidget* parent);
    void SetPanelText(int panel, const QString& text, const QString& name = QString());
    QString PanelText(int panel) const;

  private:
    void Fit(int i);
    QLabel* Panels[4];
    QString Whole[4], Tips[4], Name;
};
