// The one conversion between the game's twips and the window's pixels: 15
// twips a logical pixel at the table's design size, times the table's scale
// when the window is larger or smaller (Qt's device pixel ratio does the
// rest), and back again for positions the pointer gives. TableLayout keeps
// every control's design in twips so that a new scale can be applied to all.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

// The table's two typefaces, by metric-compatible stand-ins.
enum class Face { Serif, Sans };

// A typeface as designed, in points at 96 dots an inch.
struct FontDesign {
    Face Typeface = Face::Serif;
    double Points = 11.25;
    bool Bold = false, Italic = false, Underline = false;
};

class TableScale {
  public:
    // The client area below the menu bar, in twips.
    static constexpr int DesignWidth = 11760, DesignHeight = 9525;
    static constexpr double Smallest = 0.5;

    explicit TableScale(double factor = 1.0) : F(factor) {}
    double Factor() const { return F; }
    bool operator==(const TableScale& other) const { return F == other.F; }

    int Px(int twips) const;
    QPoint Px(QPoint twips) const { return {Px(twips.x()), Px(twips.y())}; }
    QRect Px(const QRect& twips) const;
    QSize Px(QSize twips) const { return {Px(twips.width()), Px(twips.height())}; }
    QSize TableSize() const { return {Px(DesignWidth), Px(DesignHeight)}; }
    // The inverse, for a position the pointer put a control at.
    QPoint Twips(QPoint px) const;
    // A length drawn in whole pixels at the design size (a line's width, an
    // inset): scaled and rounded, and never thinner than one pixel.
    int Scaled(int designPixels) const;
    QFont Font(const FontDesign& design) const;

    // The largest scale at which the whole table fits `area`, snapped to a
    // hundredth when that moves no edge by a whole pixel, so that a window
    // made 1.5 times the table's size shows it at exactly 1.5.
    static TableScale Fitting(QSize area);

  private:
    double F;
};

class TableLayout {
  public:
    using Step = std::function<void(const TableScale&)>;
    const TableScale& Scale() const { return Current; }
    // Lays `part` out by `step` now and again at every change of scale, for
    // as long as the part lives: every control, card and window that follows
    // the table's scale registers here, in the order it is to be laid out.
    void Keep(QObject* part, Step step);
    // A control whose design is a rectangle in its parent and a typeface.
    void Place(QWidget* widget, const QRect& twips, const FontDesign& font);
    void Place(QWidget* widget, const QRect& twips);
    void Rescale(const TableScale& scale);

  private:
    TableScale Current;
    std::vector<std::pair<QPointer<QObject>, Step>> Steps;
};
