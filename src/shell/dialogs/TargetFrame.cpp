// The target frame's controls and keys.
#include "TargetFrame.h"

#include "SavedRecord.h"
#include "table/TableColours.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Txtpoints: every typed character passes the numeric key filter.
class TargetBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QString typed = event->text();
        int code =
            event->key() == Qt::Key_Backspace ? 8
            : typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)
                ? typed[0].unicode()
                : -1;
        if (code >= 0) {
            int caret = hasSelectedText() ? selectionStart() : cursorPosition();
            if (ModOnlyNumeric(code, text(), caret) == 0) return;
        }
        QLineEdit::keyPressEvent(event);
    }
};
} // namespace

TargetFrame::TargetFrame(TableLayout& layout, QWidget* table)
    : CaptionFrame(layout, QStringLiteral("FramTarget"), table, QRect(4560, 480, 2775, 3855),
                   //: The caption of the frame that sets the target points.
                   tr("Target points a game"), FontDesign{Face::Serif, 11.25, true},
                   TableColour::LightCyan, TableColour::Navy) {
    setToolTip(tr("Set number of points to play to in each game"));
    Txtpoints = new TargetBox(this);
    Txtpoints->setObjectName(QStringLiteral("Txtpoints"));
    //: For screen readers: the box of the target points.
    Txtpoints->setAccessibleName(tr("Target points"));
    layout.Place(Txtpoints, {1080, 480, 495, 375}, {Face::Serif, 11.25, true});
    Txtpoints->setMaxLength(3);
    Txtpoints->setToolTip(tr("Enter the niumber of points for game Target"));
    //: The button that sets the target; Alt+O presses it, so keep the & before the O.
    CmdTarget = new QPushButton(tr("&O.K"), this);
    CmdTarget->setObjectName(QStringLiteral("CmdTarget"));
    CmdTarget->setAccessibleName(CmdTarget->text().remove(QLatin1Char('&')));
    layout.Place(CmdTarget, {840, 3480, 1095, 255}, {Face::Serif, 9.75, true});
    //: The tool tip of the button that sets the target and closes the frame.
    CmdTarget->setToolTip(tr("Click to Exit"));
    CmdTarget->setStyleSheet(QStringLiteral("background-color: rgb(255,224,192); color: black;"));
    connect(CmdTarget, &QPushButton::clicked, this, &TargetFrame::Accepted);
    // Queued, so that the key has finished with the box before the frame goes.
    connect(Txtpoints, &QLineEdit::returnPressed, CmdTarget, &QPushButton::click,
            Qt::QueuedConnection);
    MakeLabel(
        layout, QStringLiteral("Label3"), this, QRect(120, 840, 2475, 2505),
        //: The explanation in the target frame: at most ten short lines.
        tr("Enter above how many Target points you wish to play for in each game. Default Target "
           "points are set to 100 but depending whether you want a long or short game enter any "
           "number you wish as the Target Points for your games. Anything entered below 25 will "
           "be set as 25 and any number above 500 as 500."),
        FontDesign{Face::Serif, 9, true}, TableColour::LightCyan, Qt::AlignHCenter | Qt::AlignTop,
        true);
    hide();
    // Alt+O reaches whichever of these holds the focus, or the window.
    for (QObject* watched : {static_cast<QObject*>(Txtpoints), static_cast<QObject*>(CmdTarget),
                             static_cast<QObject*>(table), static_cast<QObject*>(table->window())})
        watched->installEventFilter(this);
}

bool TargetFrame::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsOpen() || key->key() != Qt::Key_O || key->modifiers() != Qt::AltModifier) return false;
    if (event->type() == QEvent::KeyPress)
        QMetaObject::invokeMethod(CmdTarget, &QPushButton::click, Qt::QueuedConnection);
    event->accept();
    return true;
}
