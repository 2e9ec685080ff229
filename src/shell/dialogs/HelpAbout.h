// FrmHelp, the rules and help text in its own window, and frmAbout, the
// about box with its system-information button.
#pragma once

#include "table/TableScale.h"

#include <QDialog>
#include <QIcon>
#include <QWidget>

class QPlainTextEdit;

class FrmHelp : public QWidget {
  public:
    explicit FrmHelp(const QIcon& icon, const TableScale& scale = TableScale());
    // Reads the rules in `language` (mnuag.de.txt for "de") from `folder`,
    // else the English mnuag.txt; a line saying so when neither can be read.
    void LoadText(const QString& folder, const QString& language = QString());
    // Fonts and size follow the table's scale; the window keeps its centre.
    void SetScale(const TableScale& scale);
    QPlainTextEdit* TxtHelp;

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    void ApplyScale();
    TableScale Scale;
};

class frmAbout : public QDialog {
  public:
    frmAbout(QWidget* parent, const QIcon& icon, const TableScale& scale = TableScale());
    // Every control follows the table's scale; the box keeps its centre.
    void SetScale(const TableScale& scale);
    void cmdSysInfo();
    // The first system-information program found on the PATH, or empty.
    static QString FindSystemInfoTool();

  private:
    TableLayout Layout;
    QIcon Icon;
};
