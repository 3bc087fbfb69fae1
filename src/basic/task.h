// SPDX-License-Identifier: MIT
#pragma once

// Qt's moc reads no further: it cannot parse the standard library's coroutine headers, and needs
// nothing of them.
#ifndef Q_MOC_RUN

#include <coroutine>
#include <exception>
#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>

// A piece of work that may wait on its way (for a pause, another program's clipboard): it runs at
// once, up to its first wait, and goes on when what it waits for arrives from the event loop. A
// task that awaits it goes on when it ends; a caller that is no task tells it what to do at its end
// (whenEnded), or, where nothing it waits for can keep it waiting (the script mode, the tests'
// services), takes its result at once (takeNow).
// An error it meets ends it, and is thrown again where its result is taken.

template <class T> struct TaskResult {
    std::optional<T> value;
    void return_value(T result) { value = std::move(result); }
    T take() { return std::move(*value); }
};

template <> struct TaskResult<void> {
    void return_void() {}
    void take() {}
};

template <class T = void> class [[nodiscard]] Task {
public:
    struct promise_type : TaskResult<T> {
        std::exception_ptr error;
        std::coroutine_handle<> awaiting;
        std::function<void()> ended;

        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        struct Final {
            bool await_ready() noexcept { return false; }
            // What is called here may destroy the task: nothing of it is touched afterwards.
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept {
                promise_type& promise = h.promise();
                const std::coroutine_handle<> next = promise.awaiting;
                if (std::function<void()> ended = std::move(promise.ended))
                    ended();
                return next ? next : std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        Final final_suspend() noexcept { return {}; }
        void unhandled_exception() { error = std::current_exception(); }
    };
    using Handle = std::coroutine_handle<promise_type>;

    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            if (handle_)
                handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() {
        if (handle_)
            handle_.destroy();
    }

    bool ended() const { return handle_.done(); }
    // Calls then when the task ends, at once if it has.
    void whenEnded(std::function<void()> then) {
        if (ended())
            then();
        else
            handle_.promise().ended = std::move(then);
    }
    // The result of a task that has ended; the error it ended with is thrown.
    T takeNow() {
        if (!ended())
            throw std::logic_error("a task's result was taken before it ended");
        if (handle_.promise().error)
            std::rethrow_exception(handle_.promise().error);
        return handle_.promise().take();
    }

    // Awaited by another task.
    bool await_ready() const { return ended(); }
    void await_suspend(std::coroutine_handle<> awaiting) { handle_.promise().awaiting = awaiting; }
    T await_resume() { return takeNow(); }

private:
    explicit Task(Handle handle) : handle_(handle) {}
    Handle handle_;
};

// A wait on a service that answers through a function it calls once: at once (a fake, the script
// mode's world) or later, from the event loop. Awaited, it gives what the service answered.
template <class T> class Answer {
public:
    using Ask = std::function<void(std::function<void(T)> answered)>;
    explicit Answer(Ask ask) : ask_(std::move(ask)) {}

    bool await_ready() const { return false; }
    // An answer given at once goes on at once, without suspending.
    bool await_suspend(std::coroutine_handle<> waiting) {
        waiting_ = waiting;
        asking_ = true;
        ask_([this](T answer) {
            answer_ = std::move(answer);
            if (!asking_)
                waiting_.resume();
        });
        asking_ = false;
        return !answer_.has_value();
    }
    T await_resume() { return std::move(*answer_); }

private:
    Ask ask_;
    std::coroutine_handle<> waiting_;
    std::optional<T> answer_;
    bool asking_ = false;
};

// What a wait that gives nothing back answers.
struct Arrived {};

#endif
