// Twips to pixels and back, the fitting scale, and the re-layout of controls.
#include "TableScale.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double TwipsPerPixel = 15.0;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}
} // namespace

int TableScale::Px(int twips) const {
    return Round(twips * F / TwipsPerPixel);
}

QRect TableScale::Px(const QRect& twips) const {
    return {Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())};
}

QPoint TableScale::Twips(QPoint px) const {
    return {Round(px.x() * TwipsPerPixel / F), Round(px.y() * TwipsPerPixel / F)};
}

int TableScale::Scaled(int designPixels) const {
    return designPixels <= 0 ? designPixels : std::max(1, Round(designPixels * F));
}

QFont TableScale::Font(const FontDesign& design) const {
    QFont font(design.Typeface == Face::Serif ? QStringLiteral("Liberation Serif")
                                              : QStringLiteral("Liberation Sans"));
    // Sized in pixels so that the layout does not depend on the screen's dots per inch.
    font.setPixelSize(std::max(1, Round(design.Points * 96.0 / 72.0 * F)));
    font.setBold(design.Bold);
    font.setItalic(design.Italic);
    font.setUnderline(design.Underline);
    return font;
}

TableScale TableScale::Fitting(QSize area) {
    const double width = DesignWidth / TwipsPerPixel, height = DesignHeight / TwipsPerPixel;
    const double exact = std::min(area.width() / width, area.height() / height);
    const double snapped = std::round(exact * 100.0) / 100.0;
    const double factor =
        std::abs(snapped - exact) * std::max(width, height) < 1.0 ? snapped : exact;
    return TableScale(std::max(Smallest, factor));
}

void TableLayout::Keep(QObject* part, Step step) {
    step(Current);
    Steps.emplace_back(part, std::move(step));
}

void TableLayout::Place(QWidget* widget, const QRect& twips, const FontDesign& font) {
    Keep(widget, [widget, twips, font](const TableScale& s) {
        widget->setFont(s.Font(font));
        widget->setGeometry(s.Px(twips));
    });
}

void TableLayout::Place(QWidget* widget, const QRect& twips) {
    Keep(widget, [widget, twips](const TableScale& s) { widget->setGeometry(s.Px(twips)); });
}

void TableLayout::Rescale(const TableScale& scale) {
    Current = scale;
    std::erase_if(Steps, [](const auto& step) { return step.first.isNull(); });
    // By index and by copy: a step may register a part of its own.
    for (size_t i = 0; i < Steps.size(); ++i)
        if (!Steps[i].first.isNull()) {
            const Step step = Steps[i].second;
            step(Current);
        }
}
