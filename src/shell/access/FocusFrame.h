// A frame drawn around what the keys act on, above every card; the faint one
// marks the hand card that a column or Delete would take while the Tab focus
// is elsewhere. It takes no pointer events and is no part of what a screen
// reader is shown, and its moves are no news of the table.
#pragma once

#include <QWidget>

class TableScale;

class FocusFrame : public QWidget {
  public:
    FocusFrame(QWidget* table, const QString& name, bool faint);
    // Lines and margin are drawn at the table's scale, as its other lines are;
    // an empty area hides the frame.
    void Surround(const QRect& area, const TableScale& scale);
    bool Faint() const { return Dashed; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    bool Dashed;
    int Pen = 2;
};
