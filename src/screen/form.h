#pragma once

#include "basic/platform.h"
#include "screen_element.h"

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class CommandError;
class Form;

using Handler = void (*)(Form&);

// Which handler answers which event; each subsystem adds its own bindings.
struct EventTable {
    QHash<QString, Handler> click;
    QHash<QString, Handler> dblClick;
    Handler load = nullptr;
    Handler resize = nullptr;
    Handler timer = nullptr;
};

// The state of a settings-panel control at run time.
struct ControlState {
    QString text;  // text fields
    int value = 0; // check boxes
    bool enabled = true;
    bool visible = true;
};

// The single window: its phone-screen elements, its settings panel, its size and caption, and the
// forms layer's event rules. It holds the whole state of the program; the desktop shell only shows
// it and forwards the user's events.
class Form {
public:
    explicit Form(Platform& platform);

    Platform& platform() const { return platform_; }

    // Creation: runs the start-up initialisation, then the resize rules once, as the first showing
    // of the window does.
    void start();

    // --- Entry points for the user's events. Each runs its handler to its end; an error stops the
    // handler, is reported in a message box, and leaves what was already written.
    // A click on a control or element; on a check box it toggles the Value (which runs its Click).
    // A disabled or hidden control takes no click.
    void click(const QString& control);
    void dblClick(const QString& control);
    void timerTick();
    // The user typed into a text field: no handler runs.
    void type(const QString& field, const QString& text);
    // Runs an event-like action with the forms layer's error rule.
    void dispatch(const std::function<void()>& action);

    // --- Phone-screen elements.
    ScreenElement& element(const QString& name);
    const ScreenElement& element(const QString& name) const;
    const std::vector<ScreenElement>& elements() const { return elements_; }
    // Left, Top and Width as the forms layer takes them: a value no element can hold is refused.
    void setLeft(const QString& name, double twips);
    void setTop(const QString& name, double twips);
    void setWidth(const QString& name, double twips);

    // --- Settings-panel controls.
    const QString& text(const QString& field) const;
    void setText(const QString& field, const QString& text);
    int value(const QString& box) const;
    // A new Value runs the box's Click handler at once, nested; the same Value runs nothing.
    void setValue(const QString& box, int value);
    bool enabled(const QString& control) const;
    void setEnabled(const QString& control, bool enabled);
    bool visible(const QString& control) const;
    void setVisible(const QString& control, bool visible);

    // --- The window. Width and Height are client sizes in twips; a real change runs the resize
    // rules at once, nested.
    float width() const { return width_; }
    float height() const { return height_; }
    void setWidth(double twips);
    void setHeight(double twips);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // The battery fill's width at 100 %, in twips.
    qint32 image4w = 0;

    // Timer1: one interval of 500 ms.
    static constexpr int Timer1Interval = 500;
    bool timer1Running() const { return timer1Running_; }
    void startTimer1();
    void stopTimer1();

    // Called after every event has run, so that a view can show the new state.
    std::function<void()> changed;
    // When set, an event's error goes here instead of a message box: a run without a user (a
    // script) must tell an error from the export's own message.
    std::function<void(const CommandError&)> reportError;
    // When set, told that the export wrote nothing, after its own message has said so: a run
    // without a user (a script) must not go on as if the file were there.
    std::function<void(const QString& path, const QString& reason)> exportFailed;

    const EventTable& events() const { return events_; }

private:
    ControlState& control(const QString& name);
    const ControlState& control(const QString& name) const;
    void runResize();

    Platform& platform_;
    EventTable events_;
    std::vector<ScreenElement> elements_;
    QHash<QString, qsizetype> elementIndex_;
    QHash<QString, ControlState> controls_;
    float width_;
    float height_;
    QString caption_;
    bool timer1Running_ = false;
    int dispatchDepth_ = 0;
};

// The handlers of each subsystem, bound to their controls' events.
void bindScreenEvents(EventTable& table);
void bindSettingsEvents(EventTable& table);
void bindRecordsEvents(EventTable& table);
void bindWindowEvents(EventTable& table);
