// The table itself, the window's client area where the cards and controls
// lie: a type of its own, so that the parts that open the table to screen
// readers know it when they meet it.
#pragma once

#include <QWidget>

class TableArea : public QWidget {
  public:
    using QWidget::QWidget;
};
