// SPDX-License-Identifier: MIT
#include "setup_history.h"

#include "form/form.h"

#include <QUndoCommand>

namespace {

// A step that waits for the timer it started, and a tick of that timer, share an id, so that the
// stack merges the tick into the step; every other step has none.
constexpr int TimerStepId = 1;

// One step on the stack: redo brings the window and the recording to the state after it, undo back
// to the state before. Pushed, it is done already but for its lines.
class StepCommand final : public QUndoCommand {
public:
    StepCommand(Form& form, RecordedLines& recording, RecordedStep step, bool waitsForTimer,
                bool isTick)
        : form_(form), recording_(recording), step_(std::move(step)), waitsForTimer_(waitsForTimer),
          isTick_(isTick) {}

    int id() const override { return waitsForTimer_ || isTick_ ? TimerStepId : -1; }

    // The tick of the timer this step started: its change becomes part of the step, which waits no
    // longer.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* tick = static_cast<const StepCommand*>(other);
        if (!waitsForTimer_ || !tick->isTick_)
            return false;
        step_.change.append(tick->step_.change);
        waitsForTimer_ = false;
        return true;
    }

    void redo() override {
        FormState state = form_.snapshot();
        if (!step_.change.isDone(state)) {
            step_.change.redo(state);
            form_.restore(state);
        }
        recording_.lines.append(step_.lines);
        recording_.mark = step_.after;
    }

    void undo() override {
        // Undone, the step's timer is stopped: no tick of it is to come.
        waitsForTimer_ = false;
        FormState state = form_.snapshot();
        step_.change.undo(state);
        form_.restore(state);
        recording_.lines.resize(recording_.lines.size() - step_.lines.size());
        recording_.mark = step_.before;
    }

private:
    Form& form_;
    RecordedLines& recording_;
    RecordedStep step_;
    bool waitsForTimer_;
    bool isTick_;
};

} // namespace

SetupHistory::SetupHistory(Form& form) : form_(form) {
    steps_.setUndoLimit(MostSteps);
}

void SetupHistory::push(RecordedStep step, bool waitsForTimer) {
    steps_.push(new StepCommand(form_, recording_, std::move(step), waitsForTimer, false));
}

void SetupHistory::pushTimerTick(FormChange change) {
    steps_.push(new StepCommand(
        form_, recording_, {std::move(change), {}, recording_.mark, recording_.mark}, false, true));
}

void SetupHistory::restart(quint64 serial) {
    steps_.clear();
    recording_ = {{}, {0, std::nullopt, std::nullopt, serial}};
}
