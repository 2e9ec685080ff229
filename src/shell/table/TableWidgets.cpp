// Painting and pointer handling of the table's controls.
#include "TableWidgets.h"

#include "ImageList.h"
#include "TextRoom.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

CardPicture::CardPicture(int index, QWidget* parent, std::function<QPixmap(int)> source)
    : QWidget(parent), CardIndex(index), Source(std::move(source)) {
    setObjectName(QStringLiteral("Cds_%1").arg(index));
    setFixedSize(ImageList::CardWidth, ImageList::CardHeight);
    setMouseTracking(true); // the hover hints need moves without a button
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

void CardPicture::SetImage(int image, const QString& accessibleName) {
    if (image == Image) return;
    Image = image;
    setAccessibleName(accessibleName);
    update();
}

void CardPicture::paintEvent(QPaintEvent*) {
    if (Image < 0 || !Source) return;
    const QPixmap picture = Source(Image);
    if (picture.isNull()) return; // the deck is still being read
    QPainter p(this);
    if (picture.deviceIndependentSize().toSize() == size()) {
        p.drawPixmap(0, 0, picture);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture);
}

void CardPicture::mousePressEvent(QMouseEvent*) {
    emit Pressed(CardIndex);
}

void CardPicture::mouseMoveEvent(QMouseEvent*) {
    emit MovedOver(CardIndex);
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool over = rect().contains(event->position().toPoint());
    emit Released(CardIndex);
    if (over) emit Clicked(CardIndex);
}

AutoLabel::AutoLabel(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                     const QString& text, const FontDesign& font, const QColor& colour,
                     bool centred)
    : QLabel(text, parent), Whole(text), DesignTop(design.top()) {
    setObjectName(name);
    setAccessibleName(text);
    setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    layout.Keep(this, [this, design, font, centred](const TableScale& s) {
        Scale = s;
        setFont(s.Font(font));
        const QRect px = s.Px(design);
        AnchorX = centred ? px.center().x() : px.left();
        Padding = s.Scaled(2);
        Fit();
    });
}

void AutoLabel::SetCaption(const QString& text, const QString& name) {
    Whole = text;
    Name = name;
    Fit();
}

void AutoLabel::SetRoom(int left, int right, int movedTop) {
    RoomLeft = left;
    RoomRight = right;
    MovedTop = movedTop;
    Fit();
}

int AutoLabel::WholeWidth() const {
    return std::max(1, QFontMetrics(font()).horizontalAdvance(Whole) + Padding);
}

void AutoLabel::Fit() {
    int width = WholeWidth();
    int x = alignment() & Qt::AlignHCenter ? AnchorX - width / 2 : AnchorX;
    int top = Scale.Px(DesignTop);
    if (RoomRight >= 0) {
        const int left = Scale.Px(RoomLeft), right = Scale.Px(RoomRight);
        width = std::min(width, right - left);
        const int placed = std::clamp(x, left, right - width);
        if (placed != x && MovedTop >= 0) top = Scale.Px(MovedTop);
        x = placed;
    }
    Show(x, top, width);
}

void AutoLabel::PlaceAt(int left, int width) {
    Show(left, y(), width);
}

void AutoLabel::Show(int left, int top, int width) {
    const QFontMetrics fm(font());
    // A label as wide as its whole text shows it whole, as it always did.
    const QString shown = width >= WholeWidth() ? Whole : FitText(Whole, Name, fm, width);
    setText(shown);
    setToolTip(shown == Whole ? QString() : Whole);
    setAccessibleName(Whole);
    setGeometry(left, top, width, fm.height());
}

ColumnHeadings::ColumnHeadings(TableLayout& layout, QWidget* parent, const QRect& design,
                               const QString& text, const FontDesign& font, const QColor& colour,
                               const QList<int>& centres, bool designed)
    : QLabel(text, parent), Centres(centres), DesignLeft(design.left()), Designed(designed) {
    setObjectName(QStringLiteral("LblHeading"));
    setAccessibleName(text);
    setAlignment(Qt::AlignLeft);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    layout.Place(this, design, font);
    layout.Keep(this, [this](const TableScale& s) { Scale = s; });
}

QStringList ColumnHeadings::Headings() const {
    static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
    return text().trimmed().split(blanks);
}

QRect ColumnHeadings::Line() const {
    return QFontMetrics(font()).boundingRect(contentsRect(), int(alignment()), text());
}

QList<QRect> ColumnHeadings::HeadingPlaces() const {
    QList<QRect> places;
    const QStringList headings = Headings();
    if (Designed || headings.size() != Centres.size()) return places;
    const QFontMetrics fm(font());
    const QRect line = Line();
    for (qsizetype i = 0; i < headings.size(); ++i) {
        const int width = fm.horizontalAdvance(headings[i]);
        const int centre = Scale.Px(Centres[i]) - Scale.Px(DesignLeft);
        places << QRect(centre - width / 2, line.top(), width, line.height());
    }
    return places;
}

void ColumnHeadings::paintEvent(QPaintEvent* event) {
    const QStringList headings = Headings();
    const QList<QRect> places = HeadingPlaces();
    if (places.isEmpty()) return QLabel::paintEvent(event);
    QPainter p(this);
    // The band's one underline, where and as the line of text would draw it
    // (under its blanks too): at the baseline's underline offset, rounded
    // down clear of the text, one line's thickness.
    // It reaches past the last heading by the blanks the line ends with.
    const QRect line = Line();
    const QFontMetricsF fm(font());
    qreal offset = std::ceil(fm.underlinePos()) + 0.5;
    if (fm.underlinePos() <= fm.descent()) offset = std::min(offset, fm.descent() - 0.5);
    const qreal y = line.top() + fm.ascent() + offset;
    const QString trailing = text().mid(text().trimmed().size() + text().indexOf(headings[0]));
    const qreal end = std::min<qreal>(
        width(), std::max(line.left() + fm.horizontalAdvance(text()),
                          places.last().right() + 1 + fm.horizontalAdvance(trailing)));
    p.setPen(QPen(palette().color(foregroundRole()), fm.lineWidth(), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(line.left(), y, std::floor(end), y));
    QFont plain = font();
    plain.setUnderline(false);
    p.setFont(plain);
    for (qsizetype i = 0; i < places.size(); ++i)
        style()->drawItemText(&p, places[i], Qt::AlignLeft, palette(), true, headings[i],
                              foregroundRole());
}

QLabel* MakeLabel(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                  const QString& text, const FontDesign& font, const QColor& colour,
                  Qt::Alignment align, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setAlignment(align);
    label->setWordWrap(wrap);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    layout.Place(label, design, font);
    return label;
}

namespace {
// An outline `thickness` pixels wide just inside `outer` (edges inclusive).
void Outline(QPainter& p, const QRect& outer, int thickness, const QColor& colour) {
    const int t = thickness;
    p.fillRect(outer.left(), outer.top(), outer.width(), t, colour);
    p.fillRect(outer.left(), outer.bottom() - t + 1, outer.width(), t, colour);
    p.fillRect(outer.left(), outer.top(), t, outer.height(), colour);
    p.fillRect(outer.right() - t + 1, outer.top(), t, outer.height(), colour);
}
} // namespace

CaptionFrame::CaptionFrame(TableLayout& layout, const QString& name, QWidget* parent,
                           const QRect& design, const QString& caption, const FontDesign& font,
                           const QColor& textColour, const QColor& background)
    : QWidget(parent), Caption(caption), TextColour(textColour), Background(background) {
    setObjectName(name);
    setAccessibleName(caption);
    setAutoFillBackground(false);
    layout.Place(this, design, font);
    layout.Keep(this, [this](const TableScale& s) {
        LineWidth = s.Scaled(1);
        CaptionLeft = s.Scaled(6);
        CaptionPadding = s.Scaled(4);
    });
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Background);
    QFontMetrics fm(font());
    const int lineY = fm.height() / 2, t = LineWidth;
    // The etched edge: a grey outline with a white one a line's width below and right of it.
    Outline(p, QRect(QPoint(0, lineY), QPoint(width() - 1 - t, height() - 1 - t)), t,
            QColor(128, 128, 128));
    Outline(p, QRect(QPoint(t, lineY + t), QPoint(width() - 1, height() - 1)), t,
            QColor(255, 255, 255));
    QRect text(CaptionLeft, 0, fm.horizontalAdvance(Caption) + CaptionPadding, fm.height());
    p.fillRect(text, Background);
    p.setPen(TextColour);
    p.drawText(text, Qt::AlignCenter, Caption);
}

ShapeBox::ShapeBox(TableLayout& layout, const QString& name, QWidget* parent, const QRect& design,
                   const QColor& border, int borderWidth, const QColor& fill)
    : QWidget(parent), Border(border), Fill(fill), BorderWidth(borderWidth) {
    setObjectName(name);
    setAccessibleName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    layout.Keep(this, [this, design, borderWidth](const TableScale& s) {
        setGeometry(s.Px(design));
        BorderWidth = s.Scaled(borderWidth);
    });
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Fill);
    p.setPen(QPen(Border, BorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    qreal inset = BorderWidth / 2.0;
    p.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

LineWidget::LineWidget(TableLayout& layout, const QString& name, QWidget* parent, QPoint from,
                       QPoint to, const QColor& colour, int width)
    : QWidget(parent), Colour(colour) {
    setObjectName(name);
    setAccessibleName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    layout.Keep(this, [this, from, to, width](const TableScale& s) {
        const QPoint a = s.Px(from), b = s.Px(to);
        const int w = s.Scaled(width);
        QRect span = QRect(a, b).normalized().adjusted(0, 0, w, w);
        setGeometry(span);
        // As a pen draws it: from its first point to just short of its last,
        // as thick as its width across and centred on it, so that the half
        // before a thick line's own place is cut off by the control's edge.
        const QPoint start =
            QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())) - span.topLeft();
        Band = a.x() == b.x() ? QRect(start.x() - w / 2, start.y(), w, std::abs(b.y() - a.y()))
                              : QRect(start.x(), start.y() - w / 2, std::abs(b.x() - a.x()), w);
    });
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(Band, Colour);
}

PictureButton::PictureButton(TableLayout& layout, const QString& name, QWidget* parent,
                             const QRect& design, const QString& labelName,
                             const QRect& labelDesign, const QString& caption, const QString& tip)
    : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(caption);
    layout.Keep(this, [this, design](const TableScale& s) {
        setGeometry(s.Px(design));
        Scale = s;
    });
    CaptionLabel = MakeLabel(layout, labelName, this, labelDesign, caption,
                             {Face::Sans, 9.75, true, true}, QColor(255, 255, 0), Qt::AlignCenter);
    // A caption longer than its face (a translation's) is set a little
    // smaller rather than cut off.
    layout.Keep(CaptionLabel, [label = CaptionLabel](const TableScale& s) {
        QFont font = label->font();
        while (font.pixelSize() > s.Scaled(10) &&
               QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
            font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    });
    CaptionLabel->setToolTip(tip);
    CaptionLabel->setCursor(Qt::PointingHandCursor);
    CaptionLabel->installEventFilter(this);
    hide();
}

void PictureButton::paintEvent(QPaintEvent*) {
    // Made when first shown: the buttons are hidden at start-up.
    QPainter(this).drawPixmap(0, 0, ImageList::ButtonBar(devicePixelRatioF(), Scale));
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CaptionLabel && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (CaptionLabel->rect().contains(mouse->position().toPoint())) Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

StatusPanels::StatusPanels(TableLayout& layout, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    //: The status bar's name, for screen readers (who add "status bar" to it).
    setAccessibleName(QCoreApplication::translate("StatusPanels", "Scores"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    static const struct {
        int width;
        const char* text;
        const char* tip;
    } design[4] = {
        {2000, QT_TRANSLATE_NOOP("StatusPanels", "Target"),
         QT_TRANSLATE_NOOP("StatusPanels", "Target Points for this game")},
        {3300, QT_TRANSLATE_NOOP("StatusPanels", "Players Current Points"),
         QT_TRANSLATE_NOOP("StatusPanels", "Your current penalty points")},
        {3300, QT_TRANSLATE_NOOP("StatusPanels", "Dorvil's Penalty Points"),
         QT_TRANSLATE_NOOP("StatusPanels", "Dorvil's current penalty points")},
        {3000, QT_TRANSLATE_NOOP("StatusPanels", "Points your hand"),
         QT_TRANSLATE_NOOP("StatusPanels", "Number of points you currently have in your hand")}};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(QCoreApplication::translate("StatusPanels", design[i].text), this);
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i + 1));
        panel->setAccessibleName(panel->text());
        Whole[i] = panel->text();
        Tips[i] = QCoreApplication::translate("StatusPanels", design[i].tip);
        panel->setToolTip(Tips[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panels[i] = panel;
    }
    layout.Keep(this, [this](const TableScale& s) {
        const int gap = s.Scaled(2), height = s.Px(DesignHeight);
        int x = gap;
        for (int i = 0; i < 4; ++i) {
            Panels[i]->setFont(s.Font({Face::Sans, 8.25}));
            Panels[i]->setLineWidth(s.Scaled(1));
            Panels[i]->setIndent(s.Scaled(3));
            Panels[i]->setGeometry(x, gap, s.Px(design[i].width), height - 2 * gap);
            x += s.Px(design[i].width) + gap;
            Fit(i);
        }
    });
}

void StatusPanels::SetPanelText(int panel, const QString& text, const QString& name) {
    if (panel < 1 || panel > 4) return;
    Whole[panel - 1] = text;
    Name = name;
    Fit(panel - 1);
}

void StatusPanels::Fit(int i) {
    QLabel* panel = Panels[i];
    const int room = panel->contentsRect().width() - panel->indent() - 2 * panel->margin();
    const QString shown = FitText(Whole[i], Name, panel->fontMetrics(), room);
    panel->setText(shown);
    panel->setAccessibleName(Whole[i]);
    panel->setToolTip(shown == Whole[i] ? Tips[i] : Whole[i] + QLatin1Char('\n') + Tips[i]);
}

QString StatusPanels::PanelText(int panel) const {
    return panel >= 1 && panel <= 4 ? Whole[panel - 1] : QString();
}
