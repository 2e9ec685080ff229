// Sizing the name dialog for its title.
#include "NameDialog.h"

#include <QLayout>
#include <QLineEdit>

namespace {
// The title bar writes the title in a bold face a little larger than the
// dialog's own, beside the window's icon and its buttons.
constexpr double TitleFace = 1.15;
constexpr int TitleBarExtras = 130;
} // namespace

NameDialog::NameDialog(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& preset)
    : QInputDialog(parent) {
    setObjectName(QStringLiteral("NameDialog"));
    setWindowTitle(title);
    setLabelText(prompt);
    setTextValue(preset);
    QFont face = font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * TitleFace);
    // The dialog takes its least width from its layout: the text box sets it.
    const int width = QFontMetrics(face).horizontalAdvance(title.trimmed()) + TitleBarExtras;
    if (auto* box = findChild<QLineEdit*>()) {
        const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
        box->setMinimumWidth(width - margins.left() - margins.right());
    }
}
