// clsObjectFollowMouse, the game's name for its drag-follow helper: moves a control with the
// pointer, keeping the offset at which it was grabbed. Every tick places it afresh from where it
// stood and where the pointer was when following began, so missed ticks cause no drift. The timer
// ticks a millisecond after following starts and after each move of the pointer over the held
// control, not on and on while the pointer rests: reading the pointer's position is a round trip to
// the display server, and a thousand of them a second cost more than the drawing.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class clsObjectFollowMouse : public QObject {
    Q_OBJECT
  public:
    // The pointer's screen position; replaceable so that tests can steer it.
    explicit clsObjectFollowMouse(std::function<QPoint()> pointer = {});

    void SetTimer(QTimer* timer);
    void SetObject(QWidget* object);
    void SetEnabled(bool enabled);
    bool Enabled() const { return IsEnabled; }
    void mObTimer_Timer();

  signals:
    void Moved(QWidget* object); // after every move of the object

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<QPoint()> PointerPos;
    QPointer<QTimer> mObTimer;
    QPointer<QWidget> Object;
    QPoint StartPlacement;
    QPoint StartPointer;
    bool IsEnabled = false;
};
