// FrmHelp, the rules and help text in its own window, and frmAbout, the
// about box with its system-information button.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QWidget>

class QPlainTextEdit;

class FrmHelp : public QWidget {
  public:
    explicit FrmHelp(const QIcon& icon);
    // Reads mnuag.txt from `folder`; a line saying so when it cannot be read.
    void LoadText(const QString& folder);
    QPlainTextEdit* TxtHelp;

  protected:
    void resizeEvent(QResizeEvent*) override;
};

class frmAbout : public QDialog {
  public:
    frmAbout(QWidget* parent, const QIcon& icon);
    void cmdSysInfo();
    // The first system-information program found on the PATH, or empty.
    static QString FindSystemInfoTool();
};
