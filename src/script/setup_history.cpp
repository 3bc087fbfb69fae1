// SPDX-License-Identifier: MIT
#include "setup_history.h"

#include "form/form.h"

#include <QUndoCommand>

// One step on the stack. Pushing a command runs it, but the step has just been taken: only a redo
// after an undo sets it again.
class StepCommand final : public QUndoCommand {
public:
    StepCommand(SetupHistory& history, RecordedStep step)
        : history_(history), step_(std::move(step)) {}

    void undo() override { history_.apply(step_, false); }
    void redo() override {
        if (!taken_)
            history_.apply(step_, true);
        taken_ = false;
    }

    RecordedStep& step() { return step_; }

private:
    SetupHistory& history_;
    RecordedStep step_;
    bool taken_ = true;
};

SetupHistory::SetupHistory(Form& form, RecordedLines& recording)
    : form_(form), recording_(recording) {
    steps_.setUndoLimit(MostSteps);
}

void SetupHistory::push(RecordedStep step, bool waitsForTimer) {
    auto* command = new StepCommand(*this, std::move(step));
    steps_.push(command);
    waitingForTimer_ = waitsForTimer ? command : nullptr;
}

void SetupHistory::pushTimerTick(FormChange change) {
    if (waitingForTimer_) {
        waitingForTimer_->step().change.append(change);
        waitingForTimer_ = nullptr;
        return;
    }
    push({std::move(change), {}, recording_.mark, recording_.mark}, false);
}

void SetupHistory::clear() {
    steps_.clear();
    waitingForTimer_ = nullptr;
}

void SetupHistory::apply(const RecordedStep& step, bool forward) {
    waitingForTimer_ = nullptr;
    FormState state = form_.snapshot();
    if (forward) {
        step.change.redo(state);
        recording_.lines.append(step.lines);
        recording_.mark = step.after;
    } else {
        step.change.undo(state);
        recording_.lines.resize(recording_.lines.size() - step.lines.size());
        recording_.mark = step.before;
    }
    form_.restore(state);
}
