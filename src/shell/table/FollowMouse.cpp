// The drag-follow helper and its tick rule.
#include "FollowMouse.h"

#include <QCursor>
#include <QEvent>

clsObjectFollowMouse::clsObjectFollowMouse(std::function<QPoint()> pointer)
    : PointerPos(pointer ? std::move(pointer) : [] { return QCursor::pos(); }) {}

void clsObjectFollowMouse::SetTimer(QTimer* timer) {
    if (mObTimer) disconnect(mObTimer, nullptr, this, nullptr);
    mObTimer = timer;
    if (!timer) return;
    timer->setInterval(1);
    timer->setTimerType(Qt::PreciseTimer);
    timer->stop();
    connect(timer, &QTimer::timeout, this, [this] {
        mObTimer_Timer();
        if (mObTimer) mObTimer->stop(); // until the pointer moves again
    });
}

void clsObjectFollowMouse::SetObject(QWidget* object) {
    if (Object) Object->removeEventFilter(this);
    Object = object;
    // The held control has the pointer's grab: every move of it comes here.
    if (Object) Object->installEventFilter(this);
}

bool clsObjectFollowMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Object && event->type() == QEvent::MouseMove && IsEnabled && mObTimer &&
        !mObTimer->isActive())
        mObTimer->start();
    return QObject::eventFilter(watched, event);
}

void clsObjectFollowMouse::SetEnabled(bool enabled) {
    IsEnabled = enabled;
    if (enabled) {
        StartPointer = PointerPos();
        if (Object) StartPlacement = Object->pos();
    }
    if (mObTimer) {
        if (enabled)
            mObTimer->start();
        else
            mObTimer->stop();
    }
}

void clsObjectFollowMouse::mObTimer_Timer() {
    if (!IsEnabled || !Object) return;
    QPoint target = StartPlacement + (PointerPos() - StartPointer);
    if (target == Object->pos()) return;
    Object->move(target);
    emit Moved(Object);
}
