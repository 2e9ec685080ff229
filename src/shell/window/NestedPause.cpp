// A timer ends each nested loop; the elapsed time is checked again because a
// loop can also end early when the application is asked to quit.
#include "NestedPause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void NestedPause(int ms, const bool& stop) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        qint64 left = ms - clock.elapsed();
        if (left <= 0 || stop) return;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(left));
        loop.exec();
    }
}
