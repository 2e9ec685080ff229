// A thread of its own for the work that would hold the table up: reading card
// decks and drawing their pictures. The result of each piece of work is told
// on the owner's thread, in the event loop. Work waiting when the worker goes
// is dropped; the piece under way is told to stop (it looks between cards)
// and waited for, so no result ever reaches a part that is gone.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <utility>

// Lowers the calling thread's priority below the window's: the work goes on
// at full speed on a core to spare, and gives way to the window on a busy one.
void BehindTheWindow();

class DeckWorker : public QObject {
  public:
    explicit DeckWorker(QObject* parent = nullptr) : QObject(parent) { Pool.setMaxThreadCount(1); }
    ~DeckWorker() override {
        Stop->store(true);
        Pool.clear();
        Pool.waitForDone();
    }

    // `work(stop)` runs on the worker's thread, the waiting work of the
    // highest priority first, and `done(result)` afterwards on this object's
    // thread unless the worker was stopped meanwhile.
    template <class Work, class Done> void Run(Work work, Done done, int priority = 0) {
        auto stop = Stop;
        Pool.start(
            [this, stop, work = std::move(work), done = std::move(done)]() mutable {
                if (stop->load()) return;
                BehindTheWindow();
                auto result = work(*stop);
                if (stop->load()) return;
                QMetaObject::invokeMethod(
                    this,
                    [done = std::move(done), result = std::move(result)]() mutable {
                        done(std::move(result));
                    },
                    Qt::QueuedConnection);
            },
            priority);
    }

  private:
    QThreadPool Pool;
    std::shared_ptr<std::atomic<bool>> Stop = std::make_shared<std::atomic<bool>>(false);
};
