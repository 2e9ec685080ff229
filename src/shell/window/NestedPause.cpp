// A timer ends each nested loop; the elapsed time is checked again because a
// loop can also end early when the application is asked to quit.
#include "NestedPause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

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

void ThinkAside(const std::function<void()>& work) {
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    while (!thread->isFinished()) {
        loop.exec();
        // Once the application is told to quit, a nested loop returns at
        // once: wait in short slices rather than spin until the thought ends.
        if (!thread->isFinished()) thread->wait(10);
    }
    thread->wait();
}
