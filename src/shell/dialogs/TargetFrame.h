// FramTarget, the frame in which the player sets the target points of a
// game: the text box Txtpoints, whose every key passes the game's numeric
// filter, the explanation beside it, and the "O.K" button CmdTarget. While
// the frame is open, Alt+O (which it shares with the Options menu) and Enter
// in the box press "O.K".
#pragma once

#include "table/TableWidgets.h"

class QLineEdit;
class QPushButton;

class TargetFrame : public CaptionFrame {
    Q_OBJECT
  public:
    TargetFrame(TableLayout& layout, QWidget* table);
    QLineEdit* Box() const { return Txtpoints; }
    QPushButton* Ok() const { return CmdTarget; }
    bool IsOpen() const { return !isHidden(); }

  signals:
    void Accepted(); // "O.K" pressed, by the pointer or a key

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* Txtpoints;
    QPushButton* CmdTarget;
};
