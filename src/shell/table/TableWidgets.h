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
// centre when its text is centred.
class AutoLabel : public QLabel {
  public:
    AutoLabel(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
              const QString& text, const FontDesign& font, const QColor& colour, bool centred);
    void SetCaption(const QString& text);

  private:
    int AnchorX = 0, Padding = 2;
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
class StatusPanels : public QWidget {
  public:
    static constexpr int DesignHeight = 375;
    StatusPanels(TableLayout& layout, QWidget* parent);
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

  private:
    QLabel* Panels[4];
};
