// SPDX-License-Identifier: MIT
#include "event_queue.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>

EventQueue::EventQueue(Dispatch dispatch, std::function<void()> afterEach)
    : dispatch_(std::move(dispatch)), afterEach_(std::move(afterEach)) {
    qApp->installEventFilter(this);
}

EventQueue::~EventQueue() {
    qApp->removeEventFilter(this);
}

void EventQueue::holdInputOf(QWidget* window) {
    window_ = window;
}

void EventQueue::run(const QString& doing, std::function<void()> event) {
    if (running_) {
        queued_.push_back({doing, std::move(event), false});
        return;
    }
    execute(doing, event);
    runQueued();
}

void EventQueue::execute(const QString& doing, const std::function<void()>& event) {
    {
        const QScopedValueRollback busy(running_, true);
        dispatch_(doing, event);
    }
    afterEach_();
}

// What was held runs in its order. Held input is delivered as it came; an event it sets off
// runs at once, in its turn, since its input has just arrived.
void EventQueue::runQueued() {
    if (runningQueued_)
        return;
    const QScopedValueRollback draining(runningQueued_, true);
    while (!queued_.empty() && !running_) {
        Queued next = std::move(queued_.front());
        queued_.pop_front();
        if (next.heldInput)
            next.event();
        else
            execute(next.doing, next.event);
    }
}

namespace {

// What the user does that a command answers. Moving the mouse is not among them: it only points,
// and pointing later at where the mouse once was would mean nothing.
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// What goes to the widget with the focus.
bool isKey(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::InputMethod;
}

} // namespace

bool EventQueue::isInputForWindow(QObject* watched, QEvent* event) const {
    if (!running_ || !window_ || !isUserInput(event->type()) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    return widget == window_ || window_->isAncestorOf(widget);
}

// Held as a copy, delivered later to the widget it was for; a key goes to whichever widget has the
// focus by then, as the clicks held before it may have moved the focus.
void EventQueue::hold(QObject* watched, QEvent* event) {
    std::shared_ptr<QEvent> copy(event->clone());
    QPointer<QObject> receiver(watched);
    const bool key = isKey(event->type());
    queued_.push_back({QString(),
                       [this, copy, receiver, key] {
                           QObject* target = receiver;
                           if (key) {
                               QWidget* focus = QApplication::focusWidget();
                               if (focus && window_ &&
                                   (focus == window_ || window_->isAncestorOf(focus)))
                                   target = focus;
                           }
                           if (!target)
                               return;
                           copy->setAccepted(true);
                           QCoreApplication::sendEvent(target, copy.get());
                       },
                       true});
}

bool EventQueue::eventFilter(QObject* watched, QEvent* event) {
    if (!isInputForWindow(watched, event))
        return false;
    // Taken here, the event goes to no parent: it is held once, for the widget it came to.
    hold(watched, event);
    event->accept();
    return true;
}
