#include "batch_runner.h"

#include "basic/command_error.h"
#include "picture_file.h"
#include "script_reader.h"
#include "window/capture.h"
#include "window/window_definition.h"

#include <QStringDecoder>
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
               ? errorText(error.kind())
               : QStringLiteral("%1 in %2 (%3)")
                     .arg(errorText(error.kind()), error.field(), error.label());
}

} // namespace

BatchRunner::BatchRunner(const ProgramFolder& programFolder, int scale)
    : platform_(programFolder, scale), form_(platform_, windowDefinition()) {
    // Only the first error of a line counts: it is the one that stopped the command. A failed
    // export fails its line as well, after its own message.
    form_.reportError = [this](const CommandError& error) {
        if (!commandError_)
            commandError_ = describe(error);
    };
    form_.exportFailed = [this](const QString& path, const QString& reason) {
        if (!commandError_)
            commandError_ = QStringLiteral("the export did not write %1: %2").arg(path, reason);
    };
    platform_.messageShown = [this](const QString& text) {
        if (messageShown)
            messageShown(lineNumber_, text);
    };
    form_.start();
}

std::optional<ScriptFailure> BatchRunner::run(QIODevice& script) {
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
        if (platform_.quitRequested())
            return std::nullopt;
    }
}

void BatchRunner::runLine(const QString& line) {
    const std::optional<ScriptAction> action = parseScriptLine(line);
    if (!action)
        return;
    commandError_.reset();
    perform(*action);
    // The timer's half second would have passed before the user's next action.
    if (!commandError_ && !platform_.quitRequested() && form_.timerRunning())
        form_.timerTick();
    if (commandError_)
        throw ScriptError{*commandError_};
}

void BatchRunner::perform(const ScriptAction& action) {
    using Kind = ScriptAction::Kind;
    switch (action.kind) {
    case Kind::SetField:
        form_.type(std::get<ControlId>(checkTarget(form_, action.name, Input::Text)), action.text);
        return;
    case Kind::Click:
        std::visit([this](auto id) { form_.click(id); },
                   checkTarget(form_, action.name, Input::Click));
        return;
    case Kind::DblClick:
        form_.dblClick(std::get<ControlId>(checkTarget(form_, action.name, Input::DoubleClick)));
        return;
    case Kind::Save: {
        WriteFailure failure;
        if (!writePictureFile(capturedPicture(form_, platform_.devicePixelRatio()), action.text,
                              &failure))
            throw ScriptError{QStringLiteral("cannot write %1: %2").arg(action.text, failure.text)};
        return;
    }
    case Kind::SetClock:
        platform_.fixClock(action.moment);
        return;
    }
}
