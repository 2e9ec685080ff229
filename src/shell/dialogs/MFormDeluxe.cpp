// Placement and drawing of the message box, as twips turned into pixels at
// the table's scale.
#include "MFormDeluxe.h"

#include "FaceButton.h"
#include "table/ImageList.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <cmath>

namespace {
constexpr int FaceWidth = FaceButton::DesignWidth, FaceHeight = FaceButton::DesignHeight;
constexpr int LineHeight = 240;
const FontDesign TextFont{Face::Sans, 9.75, true};
} // namespace

// The message text: wrapped at word boundaries in a fixed width, one line
// every 240 twips, growing downward. The lines are broken as at the design
// size, so that a message takes the same lines at every scale.
class WrappedText : public QWidget {
  public:
    explicit WrappedText(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Label2"));
        setFont(TableScale().Font(TextFont));
    }
    void SetScale(const TableScale& scale) {
        Scale = scale;
        setFont(scale.Font(TextFont));
        update();
    }
    int SetText(const QString& text) {
        Lines.clear();
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
        const TableScale design;
        QTextLayout layout(shown, design.Font(TextFont));
        QTextOption option;
        // A word longer than the line (a long name) is broken where it must.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(design.Px(3375));
            Lines << shown.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (Lines.isEmpty()) Lines << QString();
        setAccessibleName(text);
        update();
        return static_cast<int>(Lines.size()) * LineHeight;
    }

    // The widest line at the scale drawn, in pixels.
    int Widest() const {
        int widest = 0;
        for (const QString& line : Lines)
            widest = std::max(widest, fontMetrics().horizontalAdvance(line));
        return widest;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        int pitch = Scale.Px(LineHeight);
        for (int i = 0; i < Lines.size(); ++i)
            p.drawText(QRect(0, i * pitch, width(), pitch), Qt::AlignLeft | Qt::AlignVCenter,
                       Lines[i]);
    }

  private:
    QStringList Lines;
    TableScale Scale;
};

DeluxeLayout ComputeDeluxeLayout(int textHeight, const QString& caption1, const QString& caption2,
                                 const int (&faceWidths)[3]) {
    DeluxeLayout l;
    const int w0 = faceWidths[0], w1 = faceWidths[1], w2 = faceWidths[2], edge = 90;
    l.FaceShown[0] = true;
    l.FaceShown[1] = !caption1.isEmpty();
    l.FaceShown[2] = !caption2.isEmpty();
    const bool three = l.FaceShown[1] && l.FaceShown[2], two = l.FaceShown[1] && !three;
    // As wide as the design, or as the row of faces about the middle needs.
    l.Width = three ? 2 * std::max(w0, w2) + w1 + 90 + 2 * edge
              : two ? 2 * (std::max(w0, w1) + 23 + edge)
                    : w0 + 2 * edge;
    l.Width = std::max(4500, l.Width);
    l.Height = textHeight + 1140;
    const int W = l.Width, H = l.Height;
    l.Title = QRect(45, 60, W - 90, 300);
    l.Text = QRect(180, 450, 3375, textHeight);
    l.Icon = QRect(W - 630, H / 2 - 510 / 2, 510, 510);
    const int top = H - FaceHeight - 90;
    for (int i = 0; i < 3; ++i)
        l.Faces[i] = QRect(0, top, faceWidths[i], FaceHeight);
    l.Faces[0].moveLeft(W / 2 - w0 / 2);
    if (three) {
        l.Faces[0].moveLeft(W / 2 - w0 - w1 / 2 - 45);
        l.Faces[1].moveLeft(W / 2 - w1 / 2);
        l.Faces[2].moveLeft(w1 / 2 + W / 2 + 45);
    } else if (two) {
        l.Faces[0].moveLeft(W / 2 - w0 - 23);
        l.Faces[1].moveLeft(W / 2 + 23);
    }
    return l;
}

MFormDeluxe::MFormDeluxe(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("MFormDeluxe"));
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    resize(S.Px(4500), S.Px(2595));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAutoFillBackground(true);
    QPalette strip = Label3->palette();
    strip.setColor(QPalette::Window, QColor(0, 128, 0));
    strip.setColor(QPalette::WindowText, QColor(224, 224, 224));
    Label3->setPalette(strip);
    Label2 = new WrappedText(this);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < 3; ++i) {
        Faces[i] = new FaceButton(i, this);
        connect(Faces[i], &FaceButton::Chosen, this, [this](int index) {
            DeluxeChoice = index;
            hide();
            done(index);
        });
    }
    SetScale(S);
}

void MFormDeluxe::SetScale(const TableScale& scale) {
    S = scale;
    Label3->setFont(S.Font({Face::Serif, 9.75, true, true}));
    Label2->SetScale(S);
    for (FaceButton* face : Faces)
        face->SetScale(S);
    if (Current.Width == 0) return;
    // A box already laid out takes its new size about its centre.
    const QPoint centre = geometry().center();
    LayOut();
    move(centre - rect().center());
}

// Each face in whole twips at least as wide as its caption needs at this scale.
void MFormDeluxe::LayOut() {
    int widths[3];
    for (int i = 0; i < 3; ++i)
        widths[i] = std::max(FaceWidth, int(std::ceil(Faces[i]->NeededWidth() * 15 / S.Factor())));
    Current = ComputeDeluxeLayout(TextHeight, Given[1], Given[2], widths);
    Arrange();
}

void MFormDeluxe::Arrange() {
    const auto& l = Current;
    setFixedSize(S.Px(l.Width), S.Px(l.Height));
    // Broken into lines at the design size, a line may want a pixel or two
    // more at another scale: the text takes them from the margin before the icon.
    const QRect text = S.Px(l.Text);
    Label2->setGeometry(text.adjusted(0, 0, std::max(0, Label2->Widest() - text.width()), 0));
    Label3->setGeometry(S.Px(l.Title));
    for (int i = 0; i < 3; ++i) {
        Faces[i]->SetWidth(S.Px(l.Faces[i].width()));
        Faces[i]->move(S.Px(l.Faces[i].topLeft()));
    }
    Picture1->setGeometry(S.Px(l.Icon));
    Picture1->setPixmap(MessageIcon(IconShown, devicePixelRatioF(), S));
}

int MFormDeluxe::DeluxeMsg(const QString& Text, const QString& Caption0, const QString& Caption1,
                           const QString& Caption2, int Icon, const QString& Title) {
    for (FaceButton* face : Faces)
        face->DrawRaised();
    TextHeight = Label2->SetText(Text);
    const QString captions[3] = {Caption0, Caption1, Caption2};
    for (int i = 0; i < 3; ++i) {
        Given[i] = captions[i];
        Faces[i]->SetCaption(captions[i]);
    }
    // Centred from the size the box had before this call, as it always was.
    QRect screen =
        (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->geometry();
    move(screen.center().x() - width() / 2, screen.center().y() - height() / 2);
    IconShown = Icon;
    LayOut();
    Label3->setText(QStringLiteral("   ") + Title);
    Label3->setAccessibleName(Title);
    for (int i = 0; i < 3; ++i)
        Faces[i]->setVisible(Current.FaceShown[i]);
    setAccessibleName(Title);
    setWindowTitle(Title);
    emit Rings();
    DeluxeChoice = 0;
    KeyFocusIndex = 0;
    MarkKeyFocus();
    // Qt activates the box before it deactivates the table's window, and a
    // screen reader then queues the box behind whatever it still has to say
    // of the table. Left without an active window first, the screen reader
    // cuts that stale speech and tells the box at once. Nothing is drawn
    // differently: the box takes the focus as it shows.
    if (QAccessible::isActive()) QApplication::setActiveWindow(nullptr);
    exec();
    return DeluxeChoice;
}

QString MFormDeluxe::Text() const {
    return Label2->accessibleName();
}

QStringList MFormDeluxe::Captions() const {
    QStringList captions;
    for (int i = 0; i < 3; ++i)
        if (Current.FaceShown[i]) captions << Faces[i]->accessibleName();
    return captions;
}

void MFormDeluxe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), DeluxeColour::Box);
    // The raised border: a light outline 15 twips in, shaded 30 twips in at the
    // bottom and right.
    const int w = width(), h = height(), t = S.Scaled(1), a = S.Px(15), b = S.Px(30);
    const int right = w - b, bottom = h - b;
    p.fillRect(a, a, right + t - a + 1, t, DeluxeColour::Light);
    p.fillRect(a, bottom + t, right + t - a + 1, t, DeluxeColour::Light);
    p.fillRect(a, a, t, bottom + t - a + 1, DeluxeColour::Light);
    p.fillRect(right + t, a, t, bottom + t - a + 1, DeluxeColour::Light);
    p.fillRect(a, bottom, right + t - a, t, DeluxeColour::Dark);
    p.fillRect(right, b, t, bottom + t - b, DeluxeColour::Dark);
}

// Tab goes to the faces, which take no keyboard focus of their own.
bool MFormDeluxe::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QDialog::event(event);
}

void MFormDeluxe::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        return;
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        MoveKeyFocus(-1);
        return;
    case Qt::Key_Right:
        MoveKeyFocus(1);
        return;
    case Qt::Key_Tab:
        MoveKeyFocus(event->modifiers() & Qt::ShiftModifier ? -1 : 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit AnsweredByKey();
        Faces[KeyFocusIndex]->Choose();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void MFormDeluxe::ShowKeyFocus() {
    KeyFocusShown = true;
    MarkKeyFocus();
}

void MFormDeluxe::MoveKeyFocus(int step) {
    KeyFocusShown = true;
    int next = KeyFocusIndex;
    do
        next = (next + step + 3) % 3;
    while (!Current.FaceShown[next] && next != KeyFocusIndex);
    KeyFocusIndex = next;
    MarkKeyFocus();
    QAccessibleEvent focus(Faces[KeyFocusIndex], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void MFormDeluxe::MarkKeyFocus() {
    for (int i = 0; i < 3; ++i)
        Faces[i]->SetMarked(KeyFocusShown && i == KeyFocusIndex);
}

void MFormDeluxe::showEvent(QShowEvent* event) {
    emit Shown();
    QDialog::showEvent(event);
    QAccessibleEvent focus(Faces[KeyFocusIndex], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
