// SPDX-License-Identifier: MIT
#include "event_queue.h"

#include <QScopedValueRollback>

EventQueue::EventQueue(Dispatch dispatch, WhenIdle whenIdle, std::function<void()> afterEach)
    : dispatch_(std::move(dispatch)), whenIdle_(std::move(whenIdle)),
      afterEach_(std::move(afterEach)) {}

void EventQueue::run(const QString& doing, std::function<void()> event) {
    queued_.push_back({doing, std::move(event)});
    runQueued();
}

void EventQueue::runNext(const QString& doing, std::function<void()> event) {
    queued_.push_front({doing, std::move(event)});
    runQueued();
}

// What waited runs in its order; an event queued by one of them waits its turn behind the rest.
void EventQueue::runQueued() {
    if (runningQueued_)
        return;
    const QScopedValueRollback draining(runningQueued_, true);
    while (!queued_.empty() && !running_) {
        Queued next = std::move(queued_.front());
        queued_.pop_front();
        running_ = true;
        doing_ = next.doing;
        dispatch_(next.doing, next.event);
        endWhenDone();
    }
}

void EventQueue::goOnWith(Task<> task) {
    const bool forEvent = running_ && !waitingForTask_;
    const QString doing = doing_;
    if (task.ended()) {
        dispatch_(doing, [&] { task.takeNow(); });
        return;
    }
    tasks_.push_back(std::move(task));
    const auto going = std::prev(tasks_.end());
    waitingForTask_ = waitingForTask_ || forEvent;
    going->whenEnded([this, going, doing, forEvent] {
        Task<> ended = std::move(*going);
        tasks_.erase(going);
        dispatch_(doing, [&] { ended.takeNow(); });
        if (forEvent) {
            waitingForTask_ = false;
            endWhenDone();
        }
    });
}

void EventQueue::endWhenDone() {
    if (!waitingForTask_)
        whenIdle_([this] { end(); });
}

void EventQueue::end() {
    running_ = false;
    afterEach_();
    runQueued();
}
