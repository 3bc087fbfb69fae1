#include "line_runner.h"

#include "basic/command_error.h"
#include "picture_file.h"
#include "script_reader.h"
#include "window/capture.h"

#include <QStringDecoder>
#include <utility>
#include <variant>

namespace {

// What a script line does to a control, for the words of its refusal.
enum class Input { Text, Click, DoubleClick };

QString inputWords(Input input) {
    switch (input) {
    case Input::Text:
        return QStringLiteral("takes no text");
    case Input::Click:
        return QStringLiteral("takes no click");
    case Input::DoubleClick:
        break;
    }
    return QStringLiteral("takes no double-click");
}

// What a script line names: a control of the panel or an element of the phone screen.
using Target = std::variant<ControlId, ElementId>;

// Finds the control or element a line names, refusing what the window would not let a user do,
// so that a script never does nothing silently: the name must exist, a text takes a text field,
// and a disabled or hidden control takes nothing.
Target checkTarget(const Form& form, const QString& name, Input input) {
    const auto fail = [&](const QString& why) {
        throw ScriptError{QStringLiteral("%1 %2").arg(name, why)};
    };
    if (const std::optional<ControlId> id = form.controlNamed(name)) {
        const ControlKind kind = form.definition(*id).kind;
        const bool textField = kind == ControlKind::TextField;
        if (input != Input::Click && !textField)
            fail(QStringLiteral("is not a text field"));
        if (input == Input::Click && textField)
            fail(QStringLiteral("is a text field: set it with \"%1 = TEXT\" or double-click it "
                                "with \"dblclick %1\"")
                     .arg(name));
        if (kind == ControlKind::Line)
            fail(QStringLiteral("is a line and takes no click"));
        if (!form.enabled(*id))
            fail(QStringLiteral("is disabled and ") + inputWords(input));
        if (!form.visible(*id))
            fail(QStringLiteral("is hidden and ") + inputWords(input));
        return *id;
    }
    const std::optional<ElementId> element = form.elementNamed(name);
    if (!element)
        fail(QStringLiteral("is not a control of the window"));
    if (input != Input::Click)
        fail(QStringLiteral("is not a text field"));
    if (!form.element(*element).visible)
        fail(QStringLiteral("is hidden and ") + inputWords(input));
    return *element;
}

QString describe(const CommandError& error) {
    return error.field().isEmpty()
               ? error.message()
               : QStringLiteral("%1 in %2 (%3)")
                     .arg(errorText(error.kind()), error.field(), error.label());
}

} // namespace

LineRunner::LineRunner(Form& form, UserActions& actions, ScriptWorld& world)
    : form_(form), actions_(actions), world_(world) {}

// Only the first error of a line counts: it is the one that stopped the command. A failed export
// fails its line as well, after its own message.
void LineRunner::commandFailed(const CommandError& error) {
    if (!commandError_)
        commandError_ = describe(error);
}

void LineRunner::exportFailed(const QString& path, const QString& reason) {
    if (!commandError_)
        commandError_ = QStringLiteral("the export did not write %1: %2").arg(path, reason);
}

std::optional<ScriptFailure> LineRunner::run(QIODevice& script) {
    ScriptReader reader(script);
    QByteArray bytes;
    for (lineNumber_ = 1;; ++lineNumber_) {
        switch (reader.next(bytes)) {
        case ScriptReader::Result::Line:
            break;
        case ScriptReader::Result::End:
            return std::nullopt;
        case ScriptReader::Result::TooLong:
            return ScriptFailure{lineNumber_,
                                 {},
                                 QStringLiteral("the line is longer than %1 bytes (1 MiB)")
                                     .arg(ScriptReader::MaxLineBytes),
                                 false};
        case ScriptReader::Result::Failed:
            return ScriptFailure{lineNumber_, {}, script.errorString(), true};
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(bytes);
        try {
            if (decoder.hasError())
                throw ScriptError{QStringLiteral("the line is not UTF-8 text")};
            runLine(line);
        } catch (const ScriptError& error) {
            return ScriptFailure{lineNumber_, line, error.message, false};
        }
        if (world_.quitRequested())
            return std::nullopt;
        if (keepGoing && !keepGoing())
            return ScriptFailure{lineNumber_, line, QStringLiteral("运行在此行之后被取消"), false};
    }
}

void LineRunner::runLine(const QString& line) {
    const std::optional<ScriptAction> action = parseScriptLine(line);
    if (!action)
        return;
    commandError_.reset();
    perform(*action);
    // The timer's half second would have passed before the user's next action.
    if (!commandError_ && !world_.quitRequested() && form_.timerRunning())
        form_.timerTick();
    if (!commandError_)
        return;
    if (!action->mayFail)
        throw ScriptError{*commandError_};
    if (errorTolerated)
        errorTolerated(lineNumber_, *std::exchange(commandError_, std::nullopt));
    commandError_.reset();
}

void LineRunner::perform(const ScriptAction& action) {
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
    case Kind::Save: {
        WriteFailure failure;
        if (!writePictureFile(capturedPicture(form_, form_.platform().devicePixelRatio()),
                              action.text, &failure))
            throw ScriptError{QStringLiteral("cannot write %1: %2").arg(action.text, failure.text)};
        return;
    }
    case Kind::SetClock:
        world_.fixClock(action.moment);
        return;
    case Kind::SetClipboard:
        world_.putClipboardText(action.text);
        return;
    }
}

QString failureText(const QString& scriptName, const ScriptFailure& failure) {
    if (failure.unreadable)
        return QStringLiteral("cannot read %1 at line %2: %3")
            .arg(scriptName)
            .arg(failure.line)
            .arg(failure.message);
    QString text = QStringLiteral("%1:%2: ").arg(scriptName).arg(failure.line);
    if (!failure.lineText.isEmpty())
        text += failure.lineText.trimmed() + QStringLiteral(": ");
    return text + failure.message;
}
