// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"
#include "control.h"
#include "element.h"
#include "events.h"

#include <QImage>
#include <QString>
#include <QStringView>
#include <array>
#include <deque>
#include <functional>
#include <list>
#include <optional>
#include <utility>
#include <vector>

class CommandError;

// Everything the user's events can change in the window, to tell an event that changed something
// from one that changed nothing.
struct FormState {
    std::vector<ScreenElement> elements;
    std::array<ControlState, ControlCount> controls;
    float width;
    float height;
    QString caption;
    friend bool operator==(const FormState&, const FormState&) = default;
};

// What an export did: the file it wrote, or why it wrote none, and what it says of that (the
// caption it set).
struct ExportOutcome {
    QString path;
    QString failure; // empty when the file was written
    QString message;
    bool saved() const { return failure.isEmpty(); }
};

// Told what the user's events did: the one way a command's outcome leaves the form. Each form has
// one, given to it when it is made: the window's model, the headless runner or a test.
class FormObserver {
public:
    // An event's handler stopped at an error; what it had already written stays written. An
    // unexpected failure arrives here too, as an internal error that says what was being done.
    virtual void commandFailed(const CommandError& error) = 0;
    // The export has ended, written or not, before the window widens again: the user learns of it
    // now, and a run without a user (a script) must not go on as if a file were there that is not.
    virtual void exportFinished(const ExportOutcome& outcome) = 0;
    // The capture took its picture and offered it to the clipboard, which may have refused it.
    virtual void copied() {}
    // A command asked for the program to end (the exit button).
    virtual void quitAsked() = 0;

protected:
    ~FormObserver() = default;
};

// The observer of a window that a user works: each error and each export's outcome in a message
// box, as the user sees it.
class UserMessages final : public FormObserver {
public:
    explicit UserMessages(Messages& messages) : messages_(messages) {}
    void commandFailed(const CommandError& error) override;
    void exportFinished(const ExportOutcome& outcome) override;
    void quitAsked() override { quitWasAsked_ = true; }
    bool quitWasAsked() const { return quitWasAsked_; }

private:
    Messages& messages_;
    bool quitWasAsked_ = false;
};

// The single window: its phone-screen elements, its settings panel, its size and caption, and the
// forms layer's event rules. It holds the whole state of the program; the desktop shell only shows
// it and forwards the user's events.
class Form {
public:
    Form(const Services& services, const WindowDefinition& definition, FormObserver& observer);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The services the commands use.
    Clock& clock() const { return services_.clock; }
    Clipboard& clipboard() const { return services_.clipboard; }
    FileStore& files() const { return services_.files; }
    ExportLocations& locations() const { return services_.locations; }
    Screen& screen() const { return services_.screen; }
    Timer& timer() const { return services_.timer; }
    FormObserver& observer() const { return *observer_; }

    // Another observer in the form's own one's place for as long as it lives: a script's run hears
    // what its lines did, and passes on what it does not take.
    class ObservedBy {
    public:
        ObservedBy(Form& form, FormObserver& during)
            : form_(form), outside_(*std::exchange(form.observer_, &during)) {}
        ~ObservedBy() { form_.observer_ = &outside_; }
        ObservedBy(const ObservedBy&) = delete;
        ObservedBy& operator=(const ObservedBy&) = delete;
        FormObserver& outside() const { return outside_; }

    private:
        Form& form_;
        FormObserver& outside_;
    };

    // Creation: runs the start-up initialisation, then the resize rules once, as the first showing
    // of the window does.
    void start();
    // Back to the window as it was created, then started again: a set-up is run from there.
    void restart();
    FormState snapshot() const;
    // Sets the window back to a state it had, as undo and redo do: no handler runs, and a timer
    // that runs is stopped, since what it was to do belongs to the state left.
    void restore(const FormState& state);

    // --- Entry points for the user's events. Each runs its handler to its end; an error stops the
    // handler, is reported in a message box, and leaves what was already written.
    // A click on a control; on a check box it toggles the Value (which runs its Click). A disabled
    // or hidden control takes no click.
    void click(ControlId control);
    // A click on a phone-screen element; a hidden one takes none.
    void click(ElementId element);
    void dblClick(ControlId control);
    void timerTick();
    // The user typed into a text field: no handler runs. A text longer than a field holds is
    // refused, as a command's error.
    void type(ControlId field, const QString& text);
    // Runs an event-like action with the forms layer's error rule. Nothing it throws goes further:
    // an error the commands know is the observer's, anything else an internal error naming what
    // was being done (the handler's name in the window definition).
    void dispatch(const std::function<void()>& action, const QString& doing = {});
    // --- Events that wait. A handler goes on in a task when it must wait (the export's pause, a
    // read of another program's clipboard): its event is pending until the task ends, and an error
    // the task ends with is reported as the handler's own would be.
    void goOnWith(Task<> task);
    // Whether no event's task is pending.
    bool idle() const { return pending_.empty(); }
    // Runs then once no event's task is pending: at once when none is, else in the order asked.
    void whenIdle(std::function<void()> then);
    // The same, awaited by a task.
    Answer<Arrived> untilIdle() {
        return Answer<Arrived>(
            [this](auto then) { whenIdle([then = std::move(then)] { then(Arrived{}); }); });
    }
    // Whether a handler answers the event on the control.
    bool answers(ControlId control, EventKind event) const;
    // Whether a set-up records a click on the control or element, as the binding table says.
    bool recorded(ControlId control) const;
    bool recorded(ElementId element) const;

    // --- Phone-screen elements.
    ScreenElement& element(ElementId id) { return elements_[std::size_t(id)]; }
    const ScreenElement& element(ElementId id) const { return elements_[std::size_t(id)]; }
    // In stacking order, from the bottom.
    const std::vector<ScreenElement>& elements() const { return elements_; }
    // Left, Top and Width as the forms layer takes them: a value no element can hold is refused
    // with an error that names no field; the command knows which field asked for it.
    void setLeft(ElementId id, double twips);
    void setTop(ElementId id, double twips);
    void setWidth(ElementId id, double twips);

    // The element as the window definition creates it.
    const ScreenElement& definition(ElementId id) const {
        return definition_.elements[std::size_t(id)];
    }

    // --- Settings-panel controls.
    // The control as the window definition creates it: kind, name, place, caption.
    const PanelControl& definition(ControlId id) const {
        return definition_.controls[std::size_t(id)];
    }
    // The most characters a text field holds, as a single-line text box of the platform does.
    static constexpr qsizetype MaxFieldText = 32767;
    const QString& text(ControlId field) const { return state(field).text; }
    // A text longer than MaxFieldText is refused with an error that names the field, and the
    // field keeps what it held.
    void setText(ControlId field, const QString& text);
    // The error that refuses a text longer than the field holds.
    static CommandError tooLongFor(const PanelControl& field);
    // The clipboard's text for a paste into the field, which has room for room more characters;
    // empty when the clipboard holds no text. A text beyond the room is refused as setText refuses
    // it, and an owner of the clipboard that does not answer is an error too: the paste changes
    // nothing then.
    Task<QString> clipboardTextFor(ControlId field, qsizetype room);
    int value(ControlId box) const { return state(box).value; }
    // A new Value runs the box's Click handler at once, nested; the same Value runs nothing.
    void setValue(ControlId box, int value);
    bool enabled(ControlId control) const { return state(control).enabled; }
    void setEnabled(ControlId control, bool enabled) { state(control).enabled = enabled; }
    bool visible(ControlId control) const { return state(control).visible; }
    void setVisible(ControlId control, bool visible) { state(control).visible = visible; }

    // The definition's names, where users meet them: script lines and messages.
    std::optional<ControlId> controlNamed(QStringView name) const;
    std::optional<ElementId> elementNamed(QStringView name) const;

    // --- The window. Width and Height are client sizes in twips; a real change runs the resize
    // rules at once, nested.
    float width() const { return width_; }
    float height() const { return height_; }
    void setWidth(double twips);
    void setHeight(double twips);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // The last capture's picture while the clipboard refused it, for the export to save in its
    // place; null when the capture reached the clipboard. Like the clipboard, it is no part of the
    // window's state: undo does not bring an earlier one back.
    const QImage& captureOffClipboard() const { return captureOffClipboard_; }
    void keepCaptureOffClipboard(const QImage& picture) { captureOffClipboard_ = picture; }

    // The window's one timer, of one interval.
    static constexpr int TimerInterval = 500;
    bool timerRunning() const { return timerRunning_; }
    void startTimer();
    void stopTimer();

private:
    void setInitialState();
    ControlState& state(ControlId id) { return controls_[std::size_t(id)]; }
    const ControlState& state(ControlId id) const { return controls_[std::size_t(id)]; }
    void run(const EventBinding* binding);
    // A new width or height runs the resize rules; the same one runs nothing.
    void setSide(float& side, double twips, const QString& name);
    void runResize();

    void runIdleWaiters();

    Services services_;
    FormObserver* observer_;
    // The handler that runs, for an error of the task it goes on in.
    QString doing_;
    // The tasks of events that wait, and what waits for them to end.
    std::list<Task<>> pending_;
    std::deque<std::function<void()>> idleWaiters_;
    WindowDefinition definition_;
    std::vector<ScreenElement> elements_;
    std::array<ControlState, ControlCount> controls_;
    // The binding table, looked up by what the event happens to.
    std::array<const EventBinding*, ControlCount> controlClick_{};
    std::array<const EventBinding*, ControlCount> controlDblClick_{};
    std::array<const EventBinding*, ElementCount> elementClick_{};
    const EventBinding* load_ = nullptr;
    const EventBinding* resize_ = nullptr;
    const EventBinding* timer_ = nullptr;
    float width_;
    float height_;
    QString caption_;
    QImage captureOffClipboard_;
    bool timerRunning_ = false;
};
