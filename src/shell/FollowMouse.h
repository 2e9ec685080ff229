// clsObjectFollowMouse: moves a control with the pointer, keeping the offset
// at which it was grabbed. Every tick places it afresh from where it stood and
// where the pointer was when following began, so missed ticks cause no drift.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class clsObjectFollowMouse : public QObject {
  public:
    // The pointer's screen position; replaceable so that tests can steer it.
    explicit clsObjectFollowMouse(std::function<QPoint()> pointer = {});

    void SetTimer(QTimer* timer);
    void SetObject(QWidget* object);
    void SetEnabled(bool enabled);
    bool Enabled() const { return IsEnabled; }
    void mObTimer_Timer();

    // Told after every move of the object.
    std::function<void(QWidget*)> Moved;

  private:
    std::function<QPoint()> PointerPos;
    QPointer<QTimer> mObTimer;
    QPointer<QWidget> Object;
    QPoint StartPlacement;
    QPoint StartPointer;
    bool IsEnabled = false;
};
