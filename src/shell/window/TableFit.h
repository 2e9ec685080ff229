// The table fitted to the window: one scale for every control, card, font,
// picture and window that follows the table (each registers with the
// TableLayout), the table centred with navy margins, the status bar docked
// along the window's bottom, the card pictures drawn afresh once a resize has
// settled, and the window's size, place and full-screen state kept between
// starts.
#pragma once

#include <QObject>

class CardPictures;
class QMainWindow;
class QTimer;
class QWidget;
class StatusPanels;
class TableLayout;
class TableScale;

class TableFit : public QObject {
    Q_OBJECT
  public:
    // `margins` is the window's client area, `table` the table centred in it.
    TableFit(QMainWindow& window, QWidget* margins, QWidget* table, TableLayout& layout,
             StatusPanels* status, CardPictures& cards);
    // The size, place and full-screen state the window was closed with, from
    // the user's configuration, fitted to the screens of today.
    void RestoreWindow();
    void SaveWindow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fit();
    void Rescale(const TableScale& scale);

    QMainWindow& Window;
    QWidget* Margins;
    QWidget* Table;
    TableLayout& Layout;
    StatusPanels* Status;
    CardPictures& Cards;
    QTimer* Settle = nullptr;
};
