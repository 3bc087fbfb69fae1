// SPDX-License-Identifier: MIT
#include "setup_recorder.h"

#include <utility>

namespace {

bool isTextField(const Form& form, ControlId id) {
    return form.definition(id).kind == ControlKind::TextField;
}

} // namespace

SetupRecorder::SetupRecorder(Form& form, SetupPlatform& platform)
    : form_(form), platform_(platform) {
    restart();
}

void SetupRecorder::restart() {
    lines_.clear();
    recordedCharacters_ = 0;
    typedFields_.clear();
    lastMoment_.reset();
    lastClipboardText_.reset();
    recordTexts();
}

void SetupRecorder::recordTexts() {
    for (int i = 0; i < ControlCount; ++i)
        recordedTexts_[std::size_t(i)] = form_.text(ControlId(i));
}

void SetupRecorder::type(ControlId field, const QString& text) {
    if (!typedFields_.contains(field))
        typedFields_.append(field);
    form_.type(field, text);
}

void SetupRecorder::commitTyping() {
    for (int i = 0; i < ControlCount; ++i)
        if (!typedFields_.contains(ControlId(i)))
            typedFields_.append(ControlId(i));
    for (const ControlId id : std::exchange(typedFields_, {})) {
        QString& recorded = recordedTexts_[std::size_t(id)];
        if (!isTextField(form_, id) || form_.text(id) == recorded)
            continue;
        recorded = form_.text(id);
        append(formatScriptLine({ScriptAction::Kind::SetField,
                                 QString::fromLatin1(form_.definition(id).name),
                                 recorded,
                                 {}}));
    }
}

void SetupRecorder::append(const QString& line) {
    lines_.append(line);
    recordedCharacters_ += line.size() + 1;
}

void SetupRecorder::click(ControlId control) {
    if (!form_.recorded(control)) {
        commitTyping();
        form_.click(control);
        return;
    }
    record({ScriptAction::Kind::Click, QString::fromLatin1(form_.definition(control).name), {}, {}},
           [&] { form_.click(control); });
}

void SetupRecorder::click(ElementId element) {
    if (!form_.recorded(element)) {
        commitTyping();
        form_.click(element);
        return;
    }
    record({ScriptAction::Kind::Click, form_.element(element).name, {}, {}},
           [&] { form_.click(element); });
}

void SetupRecorder::dblClick(ControlId field) {
    record(
        {ScriptAction::Kind::DblClick, QString::fromLatin1(form_.definition(field).name), {}, {}},
        [&] { form_.dblClick(field); });
}

void SetupRecorder::record(ScriptAction action, const std::function<void()>& run) {
    commitTyping();
    const FormState before = form_.snapshot();
    platform_.startWatching();
    errorMet_ = false;
    run();
    if (form_.snapshot() == before)
        return;
    if (const auto& moment = platform_.clockRead(); moment && moment != lastMoment_) {
        append(formatScriptLine({ScriptAction::Kind::SetClock, {}, {}, *moment}));
        lastMoment_ = moment;
    }
    if (const auto& text = platform_.clipboardTextRead(); text && text != lastClipboardText_) {
        append(formatScriptLine({ScriptAction::Kind::SetClipboard, {}, *text, {}}));
        lastClipboardText_ = text;
    }
    action.mayFail = errorMet_;
    append(formatScriptLine(action));
    recordTexts();
}

QStringList SetupRecorder::lines() {
    commitTyping();
    return lines_;
}

QString SetupRecorder::script(const QDateTime& savedAt) {
    QString text = QStringLiteral("# Vokarelo set-up, saved %1\n").arg(formatScriptMoment(savedAt));
    for (const QString& line : lines())
        text += line + u'\n';
    return text;
}

bool SetupRecorder::hasUnsavedActions() const {
    if (lines_ != savedLines_)
        return true;
    for (int i = 0; i < ControlCount; ++i)
        if (isTextField(form_, ControlId(i)) &&
            form_.text(ControlId(i)) != recordedTexts_[std::size_t(i)])
            return true;
    return false;
}

void SetupRecorder::markSaved() {
    commitTyping();
    savedLines_ = lines_;
}
