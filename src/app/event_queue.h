// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <deque>
#include <functional>

// The one rule for what arrives while one of the window's events runs: an event may wait (the
// export's pause, a read of another program's clipboard) or ask the user something, and meanwhile
// Qt goes on delivering. The widgets take their input as usual, so a click moves the focus and a
// key reaches the field it was typed into; the commands that input sets off (a click's, a typed
// text's, the timer's tick, a command of the menu, a dropped set-up) wait in the order they came
// and run after that event, each in its turn: nothing runs inside another event's wait and nothing
// is dropped.
class EventQueue final {
public:
    // Runs an event of the window: dispatch runs it within the form's error boundary (doing names
    // it for a message), and afterEach runs when it is done (the window shows the new state).
    using Dispatch = std::function<void(const QString& doing, const std::function<void()>& event)>;
    EventQueue(Dispatch dispatch, std::function<void()> afterEach);
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // Runs the event now, or after the one that runs and whatever arrived before it.
    void run(const QString& doing, std::function<void()> event);
    // Runs the event now, or right after the one that runs, before whatever else waits: what the
    // running event itself sets off (the quit it asked for).
    void runNext(const QString& doing, std::function<void()> event);
    // Whether an event of the window is running now.
    bool running() const { return running_; }

private:
    struct Queued {
        QString doing;
        std::function<void()> event;
    };
    void execute(const QString& doing, const std::function<void()>& event);
    void runQueued();

    Dispatch dispatch_;
    std::function<void()> afterEach_;
    std::deque<Queued> queued_;
    bool running_ = false;
    bool runningQueued_ = false;
};
