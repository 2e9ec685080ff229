// Painting and pointer handling of the table's controls.
#include "TableWidgets.h"

#include "ImageList.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

CardPicture::CardPicture(int index, QWidget* parent) : QWidget(parent), CardIndex(index) {
    setObjectName(QStringLiteral("Cds_%1").arg(index));
    setFixedSize(ImageList::CardWidth, ImageList::CardHeight);
    setMouseTracking(true); // the hover hints need moves without a button
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

void CardPicture::SetImage(const QPixmap& image, const QString& accessibleName) {
    if (Picture.cacheKey() == image.cacheKey()) return;
    Picture = image;
    setAccessibleName(accessibleName);
    update();
}

void CardPicture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, Picture);
}

void CardPicture::mousePressEvent(QMouseEvent*) {
    if (OnPress) OnPress(CardIndex);
}

void CardPicture::mouseMoveEvent(QMouseEvent*) {
    if (OnMove) OnMove(CardIndex);
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event) {
    bool over = rect().contains(event->position().toPoint());
    if (OnRelease) OnRelease(CardIndex);
    if (over && OnClick) OnClick(CardIndex);
}

AutoLabel::AutoLabel(const QString& name, QWidget* parent, const QRect& design, const QString& text,
                     const QFont& font, const QColor& colour, bool centred)
    : QLabel(parent), AnchorX(centred ? design.center().x() : design.left()) {
    setObjectName(name);
    setFont(font);
    setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    setGeometry(design);
    SetCaption(text);
}

void AutoLabel::SetCaption(const QString& text) {
    setText(text);
    setAccessibleName(text);
    QFontMetrics fm(font());
    int w = std::max(1, fm.horizontalAdvance(text) + 2);
    int x = alignment() & Qt::AlignHCenter ? AnchorX - w / 2 : AnchorX;
    setGeometry(x, y(), w, fm.height());
}

QLabel* MakeLabel(const QString& name, QWidget* parent, const QRect& rect, const QString& text,
                  const QFont& font, const QColor& colour, Qt::Alignment align, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(align);
    label->setWordWrap(wrap);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

CaptionFrame::CaptionFrame(const QString& name, QWidget* parent, const QRect& rect,
                           const QString& caption, const QFont& font, const QColor& textColour,
                           const QColor& background)
    : QWidget(parent), Caption(caption), TextColour(textColour), Background(background) {
    setObjectName(name);
    setAccessibleName(caption);
    setGeometry(rect);
    setFont(font);
    setAutoFillBackground(false);
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Background);
    QFontMetrics fm(font());
    int lineY = fm.height() / 2;
    QRect box(0, lineY, width() - 1, height() - lineY - 1);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(box.adjusted(1, 1, 0, 0));
    QRect text(6, 0, fm.horizontalAdvance(Caption) + 4, fm.height());
    p.fillRect(text, Background);
    p.setPen(TextColour);
    p.drawText(text, Qt::AlignCenter, Caption);
}

ShapeBox::ShapeBox(const QString& name, QWidget* parent, const QRect& rect, const QColor& border,
                   int borderWidth, const QColor& fill)
    : QWidget(parent), Border(border), Fill(fill), BorderWidth(borderWidth) {
    setObjectName(name);
    setAccessibleName(name);
    setGeometry(rect);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Fill);
    p.setPen(QPen(Border, BorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    qreal inset = BorderWidth / 2.0;
    p.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

LineWidget::LineWidget(const QString& name, QWidget* parent, QPoint from, QPoint to,
                       const QColor& colour, int width)
    : QWidget(parent), Colour(colour), Width(width) {
    setObjectName(name);
    setAccessibleName(name);
    QRect span = QRect(from, to).normalized().adjusted(0, 0, width, width);
    setGeometry(span);
    From = from - span.topLeft();
    To = to - span.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Colour, Width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(From, To);
}

PictureButton::PictureButton(const QString& name, QWidget* parent, const QRect& rect,
                             const QString& labelName, const QRect& labelRect,
                             const QString& caption, const QString& tip)
    : QWidget(parent), Bar(ImageList::ButtonBar(parent->devicePixelRatioF())) {
    setObjectName(name);
    setAccessibleName(caption);
    setGeometry(rect);
    CaptionLabel =
        MakeLabel(labelName, this, labelRect, caption, TableFont(Face::Sans, 9.75, true, true),
                  QColor(255, 255, 0), Qt::AlignCenter);
    CaptionLabel->setToolTip(tip);
    CaptionLabel->setCursor(Qt::PointingHandCursor);
    CaptionLabel->installEventFilter(this);
    hide();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, Bar);
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CaptionLabel && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (CaptionLabel->rect().contains(mouse->position().toPoint()) && OnClick) OnClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

StatusPanels::StatusPanels(QWidget* parent, const QRect& rect) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setAccessibleName(QStringLiteral("StatusBar1"));
    setGeometry(rect);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    static const struct {
        int width;
        const char* text;
        const char* tip;
    } design[4] = {{2000, "Target", "Target Points for this game"},
                   {3300, "Players Current Points", "Your current penalty points"},
                   {3300, "Dorvil's Penalty Points", "Dorvil's current penalty points"},
                   {3000, "Points your hand", "Number of points you currently have in your hand"}};
    int x = 2;
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(QLatin1String(design[i].text), this);
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i + 1));
        panel->setAccessibleName(panel->text());
        panel->setToolTip(QLatin1String(design[i].tip));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFont(TableFont(Face::Sans, 8.25));
        panel->setGeometry(x, 2, Px(design[i].width), rect.height() - 4);
        panel->setIndent(3);
        x += Px(design[i].width) + 2;
        Panels[i] = panel;
    }
}

void StatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > 4) return;
    Panels[panel - 1]->setText(text);
    Panels[panel - 1]->setAccessibleName(text);
}

QString StatusPanels::PanelText(int panel) const {
    return panel >= 1 && panel <= 4 ? Panels[panel - 1]->text() : QString();
}
