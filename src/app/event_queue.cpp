// SPDX-License-Identifier: MIT
#include "event_queue.h"

#include <QScopedValueRollback>

EventQueue::EventQueue(Dispatch dispatch, std::function<void()> afterEach)
    : dispatch_(std::move(dispatch)), afterEach_(std::move(afterEach)) {}

void EventQueue::run(const QString& doing, std::function<void()> event) {
    if (running_) {
        queued_.push_back({doing, std::move(event)});
        return;
    }
    execute(doing, event);
    runQueued();
}

void EventQueue::runNext(const QString& doing, std::function<void()> event) {
    if (running_) {
        queued_.push_front({doing, std::move(event)});
        return;
    }
    run(doing, std::move(event));
}

void EventQueue::execute(const QString& doing, const std::function<void()>& event) {
    {
        const QScopedValueRollback busy(running_, true);
        dispatch_(doing, event);
    }
    afterEach_();
}

// What waited runs in its order; an event queued by one of them waits its turn behind the rest.
void EventQueue::runQueued() {
    if (runningQueued_)
        return;
    const QScopedValueRollback draining(runningQueued_, true);
    while (!queued_.empty() && !running_) {
        Queued next = std::move(queued_.front());
        queued_.pop_front();
        execute(next.doing, next.event);
    }
}
