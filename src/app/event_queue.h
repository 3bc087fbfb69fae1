// SPDX-License-Identifier: MIT
#pragma once

#include "basic/task.h"

#include <QString>
#include <deque>
#include <functional>
#include <list>

// The one rule for what arrives while one of the window's events runs: an event may wait (the
// export's pause, a read of another program's clipboard, a set-up's run) or ask the user something,
// and meanwhile Qt goes on delivering. The widgets take their input as usual, so a click moves the
// focus and a key reaches the field it was typed into; the commands that input sets off (a click's,
// a typed text's, the timer's tick, a command of the menu, a dropped set-up) wait in the order they
// came and run after that event, each in its turn: nothing runs inside another event's wait and
// nothing is dropped.
// An event ends when the form has nothing of it pending and the task it goes on in, if any, has
// ended.
class EventQueue final {
public:
    // Runs an event of the window within the form's error boundary (doing names it for a message).
    using Dispatch = std::function<void(const QString& doing, const std::function<void()>& event)>;
    // Calls its function once the form has nothing pending: at once when it has not.
    using WhenIdle = std::function<void(std::function<void()>)>;
    // afterEach runs when an event has ended (the window shows the new state).
    EventQueue(Dispatch dispatch, WhenIdle whenIdle, std::function<void()> afterEach);
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // Runs the event now, or after the one that runs and whatever arrived before it.
    void run(const QString& doing, std::function<void()> event);
    // Runs the event now, or right after the one that runs, before whatever else waits: what the
    // running event itself sets off (the quit it asked for).
    void runNext(const QString& doing, std::function<void()> event);
    // The event that runs goes on in the task and ends when it ends; an error the task ends with is
    // the event's. Given outside an event, the task goes on by itself.
    void goOnWith(Task<> task);
    // Whether an event of the window is running now, or waiting.
    bool running() const { return running_; }

private:
    struct Queued {
        QString doing;
        std::function<void()> event;
    };
    void runQueued();
    // The running event has done what it does at once: it ends now, or when what it waits for ends.
    void endWhenDone();
    void end();

    Dispatch dispatch_;
    WhenIdle whenIdle_;
    std::function<void()> afterEach_;
    std::deque<Queued> queued_;
    QString doing_;
    // The tasks events go on in: the running event's, and any given outside an event.
    std::list<Task<>> tasks_;
    bool waitingForTask_ = false;
    bool running_ = false;
    bool runningQueued_ = false;
};
