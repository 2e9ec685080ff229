// The controls of the table: card pictures, labels that size to their text,
// captioned frames, outline and filled shapes, lines, the picture buttons
// under the hand, and the four-panel status bar.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>

// One card picture Cds(n); it hands its pointer events to the table.
class CardPicture : public QWidget {
  public:
    CardPicture(int index, QWidget* parent);
    void SetImage(const QPixmap& image, const QString& accessibleName);
    int Index() const { return CardIndex; }
    std::function<void(int)> OnPress, OnMove, OnRelease, OnClick;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

  private:
    int CardIndex;
    QPixmap Picture;
};

// A label that sizes itself to its text, keeping its left edge, or its
// centre when its text is centred.
class AutoLabel : public QLabel {
  public:
    AutoLabel(const QString& name, QWidget* parent, const QRect& design, const QString& text,
              const QFont& font, const QColor& colour, bool centred);
    void SetCaption(const QString& text);

  private:
    int AnchorX;
};

// A plain label of fixed size.
QLabel* MakeLabel(const QString& name, QWidget* parent, const QRect& rect, const QString& text,
                  const QFont& font, const QColor& colour, Qt::Alignment align, bool wrap = false);

// A frame: an etched outline with its caption set into the top edge.
class CaptionFrame : public QWidget {
  public:
    CaptionFrame(const QString& name, QWidget* parent, const QRect& rect, const QString& caption,
                 const QFont& font, const QColor& textColour, const QColor& background);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString Caption;
    QColor TextColour, Background;
};

// A rectangle outline (transparent inside) or a filled rectangle with a border.
class ShapeBox : public QWidget {
  public:
    ShapeBox(const QString& name, QWidget* parent, const QRect& rect, const QColor& border,
             int borderWidth, const QColor& fill = Qt::transparent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor Border, Fill;
    int BorderWidth;
};

// A straight line between two points of its parent (in pixels).
class LineWidget : public QWidget {
  public:
    LineWidget(const QString& name, QWidget* parent, QPoint from, QPoint to, const QColor& colour,
               int width = 1);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPoint From, To;
    QColor Colour;
    int Width;
};

// A picture button: the red bar image with a transparent caption label on it;
// the label takes the clicks.
class PictureButton : public QWidget {
  public:
    PictureButton(const QString& name, QWidget* parent, const QRect& rect, const QString& labelName,
                  const QRect& labelRect, const QString& caption, const QString& tip);
    std::function<void()> OnClick;
    QLabel* Caption() const { return CaptionLabel; }

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* CaptionLabel;
    QPixmap Bar;
};

// StatusBar1: four sunken panels with their own tool tips.
class StatusPanels : public QWidget {
  public:
    StatusPanels(QWidget* parent, const QRect& rect);
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

  private:
    QLabel* Panels[4];
};
