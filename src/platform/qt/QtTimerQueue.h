#pragma once

#include "core/common/ITimerQueue.h"
#include "core/common/PostTask.h"

#include <QObject>

#include <map>

class QTimer;

namespace qx71 {

// Single-shot QTimers on the thread of the queue's object.
class QtTimerQueue final : public ITimerQueue {
public:
    QtTimerQueue();
    ~QtTimerQueue() override;
    QtTimerQueue(const QtTimerQueue&) = delete;
    QtTimerQueue& operator=(const QtTimerQueue&) = delete;

    TimerId After(uint32_t ms, std::function<void()> task) override;
    void Cancel(TimerId id) override;

private:
    QObject owner_;
    TimerId lastId_ = kNoTimer;
    std::map<TimerId, QTimer*> timers_;
};

// Posts tasks to the event loop of `context`'s thread. Every poster must be stopped before
// `context` is deleted.
PostTask MakeQtPostTask(QObject* context);

} // namespace qx71
