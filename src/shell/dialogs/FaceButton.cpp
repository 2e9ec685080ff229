// Drawing, captions and clicks of a message-box face.
#include "FaceButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
const FontDesign CaptionDesign{Face::Serif, 9.75, true};
} // namespace

FaceButton::FaceButton(int index, QWidget* parent) : QWidget(parent), Index(index) {
    setObjectName(QStringLiteral("Pic1_%1").arg(index));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1_%1").arg(index));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->installEventFilter(this);
    SetScale(TableScale());
}

void FaceButton::SetScale(const TableScale& scale) {
    Scale = scale;
    Label1->setFont(Scale.Font(CaptionDesign));
    SetWidth(NeededWidth());
}

void FaceButton::SetCaption(const QString& caption) {
    Label1->setText(caption);
    Label1->setAccessibleName(caption);
    setAccessibleName(caption);
}

int FaceButton::NeededWidth() const {
    // The caption, a few pixels clear of the face's edges on either side.
    const int caption = Label1->fontMetrics().horizontalAdvance(Label1->text());
    return std::max(Scale.Px(DesignWidth), caption + 2 * Scale.Scaled(6));
}

void FaceButton::SetWidth(int pixels) {
    setFixedSize(pixels, Scale.Px(DesignHeight));
    if (Pressed)
        DrawPressed();
    else
        DrawRaised();
}

void FaceButton::DrawRaised() {
    Pressed = false;
    const int t = Scale.Scaled(1);
    Label1->setGeometry(t, t, width() - 2 * t, height() - 2 * t);
    update();
}

void FaceButton::DrawPressed() {
    Pressed = true;
    const int t = Scale.Scaled(1);
    Label1->setGeometry(2 * t, 2 * t, width() - 3 * t, height() - 3 * t);
    update();
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height(), t = Scale.Scaled(1);
    p.fillRect(rect(), DeluxeColour::Box);
    // A raised face is lit at its top and left edges, a pressed one at its bottom and right.
    const QColor lit = Pressed ? DeluxeColour::Dark : DeluxeColour::Light,
                 shaded = Pressed ? DeluxeColour::Light : DeluxeColour::Dark;
    p.fillRect(0, 0, w, t, lit);
    p.fillRect(0, 0, t, h, lit);
    p.fillRect(0, h - t, w, t, shaded);
    p.fillRect(w - t, 0, t, h, shaded);
    if (Marked) {
        p.setPen(QPen(Qt::black, t, Qt::DotLine));
        p.drawRect(rect().adjusted(3 * t, 3 * t, -4 * t, -4 * t));
    }
}

void FaceButton::Choose() {
    emit Chosen(Index);
}

void FaceButton::SetMarked(bool marked) {
    if (Marked == marked) return;
    Marked = marked;
    update();
}

bool FaceButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Label1) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        DrawPressed();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (Label1->rect().contains(mouse->position().toPoint())) Choose();
        return true;
    }
    return false;
}
