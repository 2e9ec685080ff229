// The name dialog of Options > Enter Your Name: the desktop's own text-input
// dialog, made wide enough that the window's title bar shows its title
// whole in every language.
#pragma once

#include <QInputDialog>

class NameDialog : public QInputDialog {
  public:
    NameDialog(QWidget* parent, const QString& prompt, const QString& title,
               const QString& preset);
};
