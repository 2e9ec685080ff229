// The hands kept for review, newest first: when, who went out and with how
// many points, and which Dorvil played; Review (or Enter, or a double click)
// chooses a hand to review.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QTableWidget;

class KeptHandsList : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(KeptHandsList)
  public:
    KeptHandsList(QWidget* parent, const QString& keptFile);
    int Count() const;
    // The hand chosen, 1 the latest; 0 for none.
    int Chosen() const { return Choice; }

  private:
    QTableWidget* Hands;
    int Choice = 0;
};
