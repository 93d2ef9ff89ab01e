#include "platform/qt/QtTimerQueue.h"

#include <QMetaObject>
#include <QTimer>

namespace qx71 {

QtTimerQueue::QtTimerQueue() = default;

QtTimerQueue::~QtTimerQueue()
{
    for (auto& [id, timer] : timers_) {
        timer->stop();
    }
}

ITimerQueue::TimerId QtTimerQueue::After(uint32_t ms, std::function<void()> task)
{
    const TimerId id = ++lastId_;
    auto* timer = new QTimer(&owner_);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, &owner_, [this, id, timer, task = std::move(task)] {
        timers_.erase(id);
        timer->deleteLater();
        task();
    });
    timers_.emplace(id, timer);
    timer->start(static_cast<int>(ms));
    return id;
}

void QtTimerQueue::Cancel(TimerId id)
{
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return;
    }
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

PostTask MakeQtPostTask(QObject* context)
{
    // Callable from any thread while `context` lives; tasks still queued when it is deleted
    // are dropped with its events.
    return [context](std::function<void()> task) {
        QMetaObject::invokeMethod(context, std::move(task), Qt::QueuedConnection);
    };
}

} // namespace qx71
