// SPDX-License-Identifier: MIT
#include "setup_recorder.h"

#include <utility>

namespace {

bool isTextField(const Form& form, ControlId id) {
    return form.definition(id).kind == ControlKind::TextField;
}

} // namespace

SetupRecorder::SetupRecorder(Form& form, ScriptWorld& world) : form_(form), world_(world) {
    restart();
    savedSerial_ = history_.recording().mark.serial;
}

void SetupRecorder::restart() {
    history_.restart(++lastSerial_);
    typedFields_.clear();
    recordTexts();
}

void SetupRecorder::recordTexts() {
    for (int i = 0; i < ControlCount; ++i)
        recordedTexts_[std::size_t(i)] = form_.text(ControlId(i));
}

bool SetupRecorder::hasPendingTyping() const {
    for (const ControlId id : typedFields_)
        if (form_.text(id) != recordedTexts_[std::size_t(id)])
            return true;
    return false;
}

void SetupRecorder::type(ControlId field, const QString& text) {
    if (!isTextField(form_, field))
        return;
    if (!typedFields_.contains(field))
        typedFields_.append(field);
    form_.type(field, text);
}

// Each field typed into is a step of its own, in the order of the typing: the state before it has
// the field's recorded text and that of every field committed after it, the state after its typed
// one.
void SetupRecorder::commitTyping() {
    if (!hasPendingTyping())
        return;
    QList<ControlId> fields = std::exchange(typedFields_, {});
    FormState state = form_.snapshot();
    for (const ControlId id : fields)
        state.controls[std::size_t(id)].text = recordedTexts_[std::size_t(id)];
    for (const ControlId id : fields) {
        QString& recorded = recordedTexts_[std::size_t(id)];
        if (form_.text(id) == recorded)
            continue;
        const FormState before = state;
        recorded = form_.text(id);
        state.controls[std::size_t(id)].text = recorded;
        const RecordingMark mark = history_.recording().mark;
        RecordingMark after = mark;
        QStringList lines;
        append(lines, after,
               formatScriptLine({ScriptAction::Kind::SetField,
                                 QString::fromLatin1(form_.definition(id).name),
                                 recorded,
                                 {}}));
        history_.push({FormChange::between(before, state), lines, mark, after}, false);
    }
}

void SetupRecorder::append(QStringList& lines, RecordingMark& mark, const QString& line) {
    lines.append(line);
    mark.characters += line.size() + 1;
    mark.serial = ++lastSerial_;
}

void SetupRecorder::click(ControlId control) {
    if (!form_.recorded(control))
        runUnrecorded([&] { form_.click(control); });
    else
        record({ScriptAction::Kind::Click,
                QString::fromLatin1(form_.definition(control).name),
                {},
                {}},
               [&] { form_.click(control); });
}

void SetupRecorder::click(ElementId element) {
    if (!form_.recorded(element))
        runUnrecorded([&] { form_.click(element); });
    else
        record({ScriptAction::Kind::Click, form_.element(element).name, {}, {}},
               [&] { form_.click(element); });
}

void SetupRecorder::dblClick(ControlId field) {
    record(
        {ScriptAction::Kind::DblClick, QString::fromLatin1(form_.definition(field).name), {}, {}},
        [&] { form_.dblClick(field); });
}

// What an action changed is known once the event it set off has ended, however long it waits.
void SetupRecorder::timerTick() {
    const FormState before = form_.snapshot();
    form_.timerTick();
    form_.whenIdle([this, before] {
        FormChange change = FormChange::between(before, form_.snapshot());
        if (!change.isEmpty())
            history_.pushTimerTick(std::move(change));
        recordTexts();
    });
}

void SetupRecorder::runUnrecorded(const std::function<void()>& run) {
    commitTyping();
    const FormState before = form_.snapshot();
    const bool timerWasRunning = form_.timerRunning();
    run();
    form_.whenIdle([this, before, timerWasRunning] {
        FormChange change = FormChange::between(before, form_.snapshot());
        if (!change.isEmpty()) {
            const RecordingMark& mark = history_.recording().mark;
            history_.push({std::move(change), {}, mark, mark}, startedTimer(timerWasRunning));
        }
        recordTexts();
    });
}

bool SetupRecorder::startedTimer(bool timerWasRunning) const {
    return !timerWasRunning && form_.timerRunning();
}

void SetupRecorder::record(ScriptAction action, const std::function<void()>& run) {
    commitTyping();
    const FormState before = form_.snapshot();
    const bool timerWasRunning = form_.timerRunning();
    world_.forgetReading();
    errorMet_ = false;
    run();
    form_.whenIdle([this, action = std::move(action), before, timerWasRunning]() mutable {
        recordEnded(std::move(action), before, timerWasRunning);
    });
}

void SetupRecorder::recordEnded(ScriptAction action, const FormState& before,
                                bool timerWasRunning) {
    const FormState after = form_.snapshot();
    if (after == before)
        return;
    const RecordingMark mark = history_.recording().mark;
    RecordingMark next = mark;
    QStringList lines;
    if (const auto& moment = world_.clock().lastRead(); moment && moment != mark.lastMoment) {
        append(lines, next, formatScriptLine({ScriptAction::Kind::SetClock, {}, {}, *moment}));
        next.lastMoment = moment;
    }
    if (const auto& text = world_.clipboard().lastRead(); text && text != mark.lastClipboardText) {
        append(lines, next, formatScriptLine({ScriptAction::Kind::SetClipboard, {}, *text, {}}));
        next.lastClipboardText = text;
    }
    action.mayFail = errorMet_;
    append(lines, next, formatScriptLine(action));
    history_.push({FormChange::between(before, after), lines, mark, next},
                  startedTimer(timerWasRunning));
    recordTexts();
}

QString SetupRecorder::script(const QDateTime& savedAt) const {
    QString text = QStringLiteral("# Vokarelo set-up, saved %1\n").arg(formatScriptMoment(savedAt));
    for (const QString& line : lines())
        text += line + u'\n';
    return text;
}

bool SetupRecorder::hasUnsavedActions() const {
    return history_.recording().mark.serial != savedSerial_ || hasPendingTyping();
}

void SetupRecorder::markSaved() {
    commitTyping();
    savedSerial_ = history_.recording().mark.serial;
}

void SetupRecorder::undo() {
    commitTyping();
    history_.undo();
    recordTexts();
}

void SetupRecorder::redo() {
    commitTyping();
    history_.redo();
    recordTexts();
}
