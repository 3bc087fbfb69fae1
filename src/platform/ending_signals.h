// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <memory>

// The signals that ask the program to end (SIGTERM at logout or shutdown, SIGHUP when the terminal
// goes, SIGINT), delivered as an ordinary event of the event loop rather than at any point of a
// command, so that the window can keep its session first. A second such signal before the first
// was handled ends the program at once, as by default, leaving no temporary file.
class EndingSignals final : public QObject {
    Q_OBJECT

public:
    // Takes the signals over for the life of the object.
    EndingSignals();
    ~EndingSignals() override;

signals:
    void received(int signalNumber);

private:
    void deliver();

    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    // What handled SIGTERM, SIGHUP and SIGINT before.
    struct sigaction previous_[3] = {};
};
