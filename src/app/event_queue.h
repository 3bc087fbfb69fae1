// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

class QEvent;
class QWidget;

// The one rule for what arrives while one of the window's events runs: a command may wait (the
// export's pause, a read of another program's clipboard) or ask the user something, and meanwhile
// Qt goes on delivering. Whatever arrives for the window then, the user's clicks, keys and wheel
// turns, the timer's tick, a command of the menu or a dropped set-up, is queued in the order it
// came and runs after that event, each in its turn: nothing runs inside another event's wait and
// nothing is dropped.
class EventQueue final : public QObject {
public:
    // Runs an event of the window: dispatch runs it within the form's error boundary (doing names
    // it for a message), and afterEach runs when it is done (the window shows the new state).
    using Dispatch = std::function<void(const QString& doing, const std::function<void()>& event)>;
    EventQueue(Dispatch dispatch, std::function<void()> afterEach);
    ~EventQueue() override;
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // The window whose input is held while an event runs: it and every widget inside it.
    void holdInputOf(QWidget* window);
    QWidget* inputHeld() const { return window_; }

    // Runs the event now, or after the one that runs and whatever arrived before it.
    void run(const QString& doing, std::function<void()> event);
    // Whether an event of the window is running now.
    bool running() const { return running_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Queued {
        QString doing;
        std::function<void()> event;
        bool heldInput; // the delivery of input held for the window, not a command
    };
    void execute(const QString& doing, const std::function<void()>& event);
    void runQueued();
    bool isInputForWindow(QObject* watched, QEvent* event) const;
    void hold(QObject* watched, QEvent* event);

    Dispatch dispatch_;
    std::function<void()> afterEach_;
    QPointer<QWidget> window_;
    std::deque<Queued> queued_;
    bool running_ = false;
    bool runningQueued_ = false;
};
