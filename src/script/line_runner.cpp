// SPDX-License-Identifier: MIT
#include "line_runner.h"

#include "basic/command_error.h"
#include "basic/durable_batch.h"
#include "picture_file.h"
#include "script_reader.h"
#include "texts/file_failures.h"
#include "window/capture.h"

#include <QScopeGuard>
#include <QStringDecoder>
#include <algorithm>
#include <utility>
#include <variant>

namespace {

// What a script line does to a control, for the words of its refusal.
enum class Input { Text, Click, DoubleClick };

ScriptText inputWords(Input input) {
    switch (input) {
    case Input::Text:
        return {QStringLiteral("takes no text"), QStringLiteral("不能填写")};
    case Input::Click:
        return {QStringLiteral("takes no click"), QStringLiteral("不能点击")};
    case Input::DoubleClick:
        break;
    }
    return {QStringLiteral("takes no double-click"), QStringLiteral("不能双击")};
}

const ScriptText Disabled = {QStringLiteral("is disabled"), QStringLiteral("已禁用")};
const ScriptText Hidden = {QStringLiteral("is hidden"), QStringLiteral("已隐藏")};

// A control's state and what it therefore refuses: "is hidden and takes no click".
ScriptText refusal(const ScriptText& state, Input input) {
    const ScriptText refused = inputWords(input);
    return {state.english + QStringLiteral(" and ") + refused.english,
            state.chinese + QStringLiteral("，") + refused.chinese};
}

const ScriptText NotATextField = {QStringLiteral("is not a text field"),
                                  QStringLiteral("不是文本框")};

// What a script line names: a control of the panel or an element of the phone screen.
using Target = std::variant<ControlId, ElementId>;

// Finds the control or element a line names, refusing what the window would not let a user do,
// so that a script never does nothing silently: the name must exist, a text takes a text field,
// and a disabled or hidden control takes nothing.
Target checkTarget(const Form& form, const QString& name, Input input) {
    const auto fail = [&](const ScriptText& why) {
        throw ScriptError{{QStringLiteral("%1 %2").arg(name, why.english),
                           QStringLiteral("%1%2").arg(name, why.chinese)}};
    };
    if (const std::optional<ControlId> id = form.controlNamed(name)) {
        const ControlKind kind = form.definition(*id).kind;
        const bool textField = kind == ControlKind::TextField;
        if (input != Input::Click && !textField)
            fail(NotATextField);
        if (input == Input::Click && textField)
            fail({QStringLiteral("is a text field: set it with \"%1 = TEXT\" or double-click it "
                                 "with \"dblclick %1\"")
                      .arg(name),
                  QStringLiteral("是文本框：用“%1 = TEXT”填写，或用“dblclick %1”双击").arg(name)});
        if (kind == ControlKind::Line)
            fail({QStringLiteral("is a line and takes no click"),
                  QStringLiteral("是一条线，不能点击")});
        if (!form.enabled(*id))
            fail(refusal(Disabled, input));
        if (!form.visible(*id))
            fail(refusal(Hidden, input));
        return *id;
    }
    const std::optional<ElementId> element = form.elementNamed(name);
    if (!element)
        fail(
            {QStringLiteral("is not a control of the window"), QStringLiteral("不是窗口中的控件")});
    if (input != Input::Click)
        fail(NotATextField);
    if (!form.element(*element).visible)
        fail(refusal(Hidden, input));
    return *element;
}

// The script mode names the field as scripts write it, and then says what the window's message
// says; the window shows its own message.
ScriptText describe(const CommandError& error) {
    if (error.field().isEmpty())
        return {error.message(), error.message()};
    QString english =
        QStringLiteral("%1 in %2 (%3)").arg(errorText(error.kind()), error.field(), error.label());
    if (!error.accepts().isEmpty())
        english += QStringLiteral(": ") + error.accepts();
    return {english, error.message()};
}

} // namespace

LineRunner::LineRunner(Form& form, UserActions& actions, ScriptWorld& world)
    : form_(form), actions_(actions), world_(world) {}

// Only the first error of a line counts: it is the one that stopped the command. A failed export
// fails its line as well, after its own message.
void LineRunner::commandFailed(const CommandError& error) {
    actions_.errorMet();
    if (!commandError_)
        commandError_ = describe(error);
}

void LineRunner::exportFinished(const ExportOutcome& outcome) {
    if (options_->exportFinished)
        options_->exportFinished(outcome);
    if (outcome.saved()) {
        if (options_->pictureSaved)
            options_->pictureSaved(outcome.path);
        return;
    }
    if (options_->skipDeclined && options_->skipDeclined(outcome.path))
        return;
    if (!commandError_)
        commandError_ = exportNotWrittenText(outcome.path, outcome.failure);
}

std::optional<ScriptFailure> LineRunner::run(QIODevice& script, const RunOptions& options) {
    // The script mode's services answer at once: nothing can keep the run waiting.
    return start(script, options).takeNow();
}

Task<std::optional<ScriptFailure>> LineRunner::start(QIODevice& script, RunOptions options) {
    const Form::ObservedBy observing(form_, *this);
    outside_ = &observing.outside();
    options_ = &options;
    const auto ended = qScopeGuard([this] { options_ = nullptr; });
    // The run's pictures reach the disk together, in one sync rather than two for each, and before
    // the run is over: whoever reads its outcome may take them as saved.
    DurableBatch durable(form_.files());
    std::optional<ScriptFailure> failure = co_await runLines(script, options);
    FileError error;
    if (durable.finish(&error))
        co_return failure;
    const ScriptText unsynced = picturesNotSyncedText(error);
    if (!failure)
        co_return ScriptFailure{lineNumber_, {}, unsynced, false};
    failure->message.english += QStringLiteral("; ") + unsynced.english;
    failure->message.chinese += QStringLiteral("；") + unsynced.chinese;
    co_return failure;
}

Task<std::optional<ScriptFailure>> LineRunner::runLines(QIODevice& script,
                                                        const RunOptions& options) {
    quitAsked_ = false;
    ScriptReader reader(script);
    QByteArray bytes;
    for (lineNumber_ = 1;; ++lineNumber_) {
        switch (reader.next(bytes)) {
        case ScriptReader::Result::Line:
            break;
        case ScriptReader::Result::End:
            lineNumber_ = std::max(lineNumber_ - 1, 1); // the last line, for what the end may say
            co_return std::nullopt;
        case ScriptReader::Result::TooLong:
            co_return ScriptFailure{
                lineNumber_,
                {},
                {QStringLiteral("the line is longer than %1 bytes (1 MiB)")
                     .arg(ScriptReader::MaxLineBytes),
                 QStringLiteral("这一行超过了 %1 字节（1 MiB）").arg(ScriptReader::MaxLineBytes)},
                false};
        case ScriptReader::Result::Failed:
            co_return ScriptFailure{
                lineNumber_, {}, {script.errorString(), script.errorString()}, true};
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(bytes);
        std::optional<ScriptText> refused;
        std::optional<ScriptAction> action;
        std::optional<QString> savingTo;
        try {
            if (decoder.hasError())
                throw ScriptError{{QStringLiteral("the line is not UTF-8 text"),
                                   QStringLiteral("这一行不是 UTF-8 文本")}};
            action = parseScriptLine(line);
            commandError_.reset();
            if (action && action->kind == ScriptAction::Kind::Save)
                savingTo = savePath(*action, options);
            else if (action)
                perform(*action, options);
        } catch (const ScriptError& error) {
            refused = error.message;
        }
        if (savingTo && !refused) {
            // What the write needs the user's word for is asked before it starts.
            co_await form_.files().askedBeforeWriting(*savingTo);
            try {
                savePicture(*savingTo, options);
            } catch (const ScriptError& error) {
                refused = error.message;
            }
        }
        if (action && !refused) {
            // What the line set off may wait (the export's pause): the next line waits for it.
            co_await form_.untilIdle();
            // The timer's half second would have passed before the user's next action.
            if (!commandError_ && !quitAsked_ && form_.timerRunning()) {
                actions_.timerTick();
                co_await form_.untilIdle();
            }
            refused = lineError(*action, options);
        }
        if (refused)
            co_return ScriptFailure{lineNumber_, line, *refused, false};
        if (quitAsked_)
            co_return std::nullopt;
        if (options.keepGoing && !options.keepGoing())
            co_return ScriptFailure{lineNumber_,
                                    line,
                                    {QStringLiteral("the run was stopped after this line"),
                                     QStringLiteral("运行在此行之后被取消")},
                                    false};
    }
}

std::optional<ScriptText> LineRunner::lineError(const ScriptAction& action,
                                                const RunOptions& options) {
    if (!commandError_)
        return std::nullopt;
    if (!action.mayFail)
        return commandError_;
    if (options.errorTolerated)
        options.errorTolerated(lineNumber_, std::exchange(commandError_, std::nullopt)->english);
    commandError_.reset();
    return std::nullopt;
}

QString LineRunner::savePath(const ScriptAction& action, const RunOptions& options) {
    return options.savePath ? options.savePath(action.text) : action.text;
}

void LineRunner::savePicture(const QString& path, const RunOptions& options) {
    WriteFailure failure;
    if (!writePictureFile(capturedPicture(form_, form_.screen().pixelRatio()), path, form_.files(),
                          &failure)) {
        if (options.skipDeclined && options.skipDeclined(path))
            return;
        throw ScriptError{pictureNotWrittenText(path, failure)};
    }
    if (options.pictureSaved)
        options.pictureSaved(path);
}

void LineRunner::perform(const ScriptAction& action, const RunOptions& options) {
    using Kind = ScriptAction::Kind;
    switch (action.kind) {
    case Kind::SetField:
        actions_.type(std::get<ControlId>(checkTarget(form_, action.name, Input::Text)),
                      action.text);
        return;
    case Kind::Click:
        std::visit([this](auto id) { actions_.click(id); },
                   checkTarget(form_, action.name, Input::Click));
        return;
    case Kind::DblClick:
        actions_.dblClick(std::get<ControlId>(checkTarget(form_, action.name, Input::DoubleClick)));
        return;
    case Kind::Save:
        savePicture(savePath(action, options), options);
        return;
    case Kind::SetClock:
        world_.fixClock(action.moment);
        return;
    case Kind::SetClipboard:
        world_.putClipboardText(action.text);
        return;
    }
}

namespace {

// The failing line as a message quotes it: a crafted line can be megabytes long, and a message box
// or a terminal line needs only its start to show which line it was.
QString quotedLine(const QString& line) {
    constexpr qsizetype MostQuoted = 120;
    const QString trimmed = line.trimmed();
    if (trimmed.size() <= MostQuoted)
        return trimmed;
    qsizetype end = MostQuoted;
    if (trimmed.at(end - 1).isHighSurrogate())
        --end;
    return trimmed.first(end) + QStringLiteral("…");
}

} // namespace

QString failureText(const QString& scriptName, const ScriptFailure& failure,
                    ScriptLanguage language) {
    if (failure.unreadable) {
        const ScriptText unread = scriptLineNotReadText(scriptName, failure.line, failure.message);
        return language == ScriptLanguage::Chinese ? unread.chinese : unread.english;
    }
    if (language == ScriptLanguage::Chinese) {
        const QString where =
            QStringLiteral("%1第%2行").arg(scriptName, QString::number(failure.line));
        if (failure.lineText.isEmpty())
            return where + QStringLiteral("：") + failure.message.chinese;
        return QStringLiteral("%1“%2”：%3")
            .arg(where, quotedLine(failure.lineText), failure.message.chinese);
    }
    QString text = QStringLiteral("%1:%2: ").arg(scriptName, QString::number(failure.line));
    if (!failure.lineText.isEmpty())
        text += quotedLine(failure.lineText) + QStringLiteral(": ");
    return text + failure.message.english;
}
