// Placement and drawing of the message box, as twips turned into pixels.
#include "DeluxeBox.h"

#include "ImageList.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

namespace {
const QColor BoxColour(160, 160, 0);
const QColor Light(240, 240, 240);
const QColor Dark(128, 128, 128);
constexpr int FaceWidth = 1275, FaceHeight = 300, LineHeight = 240;
} // namespace

// The message text: wrapped at word boundaries in a fixed width, one line
// every 240 twips, growing downward.
class WrappedText : public QWidget {
  public:
    explicit WrappedText(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Label2"));
        setFont(TableFont(Face::Sans, 9.75, true));
    }
    int SetText(const QString& text) {
        Lines.clear();
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
        QTextLayout layout(shown, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(Px(3375));
            Lines << shown.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (Lines.isEmpty()) Lines << QString();
        setAccessibleName(text);
        update();
        return static_cast<int>(Lines.size()) * LineHeight;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        int pitch = Px(LineHeight);
        for (int i = 0; i < Lines.size(); ++i)
            p.drawText(QRect(0, i * pitch, width(), pitch), Qt::AlignLeft | Qt::AlignVCenter,
                       Lines[i]);
    }

  private:
    QStringList Lines;
};

DeluxeLayout ComputeDeluxeLayout(int textHeight, const QString& caption1, const QString& caption2) {
    DeluxeLayout l;
    l.Width = 4500;
    l.Height = textHeight + 1140;
    const int W = l.Width, H = l.Height;
    l.Title = QRect(45, 60, W - 90, 300);
    l.Text = QRect(180, 450, 3375, textHeight);
    l.Icon = QRect(3870, H / 2 - 510 / 2, 510, 510);
    const int top = H - FaceHeight - 90;
    for (QRect& face : l.Faces)
        face = QRect(0, top, FaceWidth, FaceHeight);
    l.Faces[0].moveLeft(W / 2 - FaceWidth / 2);
    l.FaceShown[0] = true;
    l.FaceShown[1] = !caption1.isEmpty();
    l.FaceShown[2] = !caption2.isEmpty();
    if (l.FaceShown[1] && l.FaceShown[2]) {
        l.Faces[0].moveLeft(W / 2 - FaceWidth - FaceWidth / 2 - 45);
        l.Faces[1].moveLeft(W / 2 - FaceWidth / 2);
        l.Faces[2].moveLeft(FaceWidth / 2 + W / 2 + 45);
    } else if (l.FaceShown[1]) {
        l.Faces[0].moveLeft(W / 2 - FaceWidth - 23);
        l.Faces[1].moveLeft(W / 2 + 23);
    }
    return l;
}

FaceButton::FaceButton(int index, QWidget* parent) : QWidget(parent), Index(index) {
    setObjectName(QStringLiteral("Pic1_%1").arg(index));
    setFixedSize(Px(FaceWidth), Px(FaceHeight));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1_%1").arg(index));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(TableFont(Face::Serif, 9.75, true));
    Label1->installEventFilter(this);
    DrawRaised();
}

void FaceButton::SetCaption(const QString& caption) {
    // A long caption is set a little smaller rather than cut off by the face.
    QFont font = TableFont(Face::Serif, 9.75, true);
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(caption) > width() - 4)
        font.setPixelSize(font.pixelSize() - 1);
    Label1->setFont(font);
    Label1->setText(caption);
    Label1->setAccessibleName(caption);
    setAccessibleName(caption);
}

void FaceButton::DrawRaised() {
    Pressed = false;
    Label1->setGeometry(1, 1, width() - 2, height() - 2);
    update();
}

void FaceButton::DrawPressed() {
    Pressed = true;
    Label1->setGeometry(2, 2, width() - 3, height() - 3);
    update();
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height();
    p.fillRect(rect(), BoxColour);
    p.setPen(Pressed ? Dark : Light);
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(Pressed ? Light : Dark);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, h - 1, w - 1, 0);
}

bool FaceButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Label1) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        DrawPressed();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (Label1->rect().contains(mouse->position().toPoint()) && Clicked) Clicked(Index);
        return true;
    }
    return false;
}

MFormDeluxe::MFormDeluxe(QWidget* parent, std::function<void()> ring)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Ring(std::move(ring)) {
    setObjectName(QStringLiteral("MFormDeluxe"));
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    resize(Px(4500), Px(2595));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAutoFillBackground(true);
    Label3->setFont(TableFont(Face::Serif, 9.75, true, true));
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
        Faces[i]->Clicked = [this](int index) {
            DeluxeChoice = index;
            hide();
            done(index);
        };
    }
}

int MFormDeluxe::DeluxeMsg(const QString& Text, const QString& Caption0, const QString& Caption1,
                           const QString& Caption2, int Icon, const QString& Title) {
    for (FaceButton* face : Faces)
        face->DrawRaised();
    int textHeight = Label2->SetText(Text);
    Current = ComputeDeluxeLayout(textHeight, Caption1, Caption2);
    const auto& l = Current;
    // Centred from the size the box had before this call, as it always was.
    QRect screen =
        (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->geometry();
    move(screen.center().x() - width() / 2, screen.center().y() - height() / 2);
    setFixedSize(Px(l.Width), Px(l.Height));
    Label2->setGeometry(PxRect(l.Text));
    Label3->setGeometry(PxRect(l.Title));
    Label3->setText(QStringLiteral("   ") + Title);
    Label3->setAccessibleName(Title);
    const QString captions[3] = {Caption0, Caption1, Caption2};
    for (int i = 0; i < 3; ++i) {
        Faces[i]->SetCaption(captions[i]);
        Faces[i]->move(Px(l.Faces[i].x()), Px(l.Faces[i].y()));
        Faces[i]->setVisible(l.FaceShown[i]);
    }
    Picture1->setGeometry(PxRect(l.Icon));
    Picture1->setPixmap(MessageIcon(Icon, devicePixelRatioF()));
    setAccessibleName(Title);
    setWindowTitle(Title);
    if (Ring) Ring();
    DeluxeChoice = 0;
    exec();
    return DeluxeChoice;
}

void MFormDeluxe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), BoxColour);
    const int w = width(), h = height();
    p.setPen(Light);
    p.drawRect(QRect(QPoint(Px(15), Px(15)), QPoint(w - Px(30), h - Px(30))));
    p.setPen(Dark);
    p.drawLine(Px(15), h - Px(30), w - Px(30), h - Px(30));
    p.drawLine(w - Px(30), h - Px(30), w - Px(30), Px(30));
}

void MFormDeluxe::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) QDialog::keyPressEvent(event);
}
