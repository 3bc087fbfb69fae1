// SPDX-License-Identifier: MIT
#pragma once

#include "event_queue.h"
#include "form/control.h"
#include "form/element.h"
#include "panel_focus.h"
#include "session/window_model.h"
#include "session_keeper.h"
#include "setup_files.h"
#include "window_actions.h"
#include "window_mover.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class Form;
class Locations;
class Messages;
class UserActions;
class QLabel;
class QLineEdit;
class QCheckBox;
class PhoneScreenView;
class FieldEdit;

// The borderless window: it paints the phone screen from the form, lays the settings panel's
// widgets over it from the panel table, forwards every event to the window's model and shows the
// form's state after each. Ctrl+S, Ctrl+O and a dropped script save and open set-ups. Its
// background moves it; the phone screen drags its picture out.
class MainWindow : public QWidget {
public:
    MainWindow(WindowModel& model, const ShellServices& services);
    ~MainWindow() override;

    // Shows the form's current state: window size and caption, texts, boxes, visibility.
    void syncFromForm();
    // Runs one of the window's events (doing says which, for a message) through the form's event
    // boundary, so that nothing it throws reaches Qt's event loop, then shows the new state; while
    // another event runs, it runs after that one, in its turn.
    void runEvent(const QString& doing, std::function<void()> event);
    // The window's timer ticked.
    void timerTicked();
    // The top-level window around this one: closing it quits as the exit button does.
    void framedBy(QWidget& frame);
    // The program is asked to end by the signal: what runs stops where it may (a set-up's run after
    // its line, an open box or dialog with its escape answer), then the session is kept, or why not
    // recorded, and the program ends with 128 + the signal's number.
    void endBySignal(int signalNumber);
    // How the program ends, with its exit status: Qt's event loop ends. A test stands in for it.
    std::function<void(int status)> endProgram = [](int status) { QCoreApplication::exit(status); };
    // What the window says once it is shown: why the last session was not kept, if it was not.
    void greet();
    QWidget* controlWidget(ControlId id) const { return widgets_[std::size_t(id)]; }
    PhoneScreenView& phoneScreen() const { return *phoneScreen_; }
    SetupFiles& setupFiles() { return setupFiles_; }
    WindowActions& windowActions() { return windowActions_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildPanel();
    QString controlName(ControlId id) const;
    QString hint(const PanelControl& control) const;
    void click(ControlId id);
    std::optional<ElementId> elementAt(QPoint pixel) const;
    bool onPhoneScreen(QPoint pixel) const;
    // A notice of the picture just handed over, which the caption says in a title bar that the
    // borderless window does not have.
    void noticeHandedOver();
    // After each event: the window shows the new state, and ends the program when asked to.
    void afterEvent();
    // Ends the program for the signal that asked it to, keeping the session first.
    void endForSignal();
    void quit();
    Task<> quitSteps();
    Task<> pasteInto(ControlId id, QPointer<FieldEdit> field);
    // The user's typing in a field, which turned before into after, for the form once the events
    // before it have run.
    void typeLater(ControlId field, const QString& before, const QString& after);

    WindowModel& model_;
    Form& form_;
    UserActions& actions_;
    EventQueue events_;
    SetupFiles setupFiles_;
    WindowActions windowActions_;
    SessionKeeper session_;
    WindowMover mover_;
    std::array<QWidget*, ControlCount> widgets_{};
    PhoneScreenView* phoneScreen_ = nullptr;
    PanelFocus panelFocus_;
    std::optional<ElementId> pressedElement_;
    // The phone screen's elements as last drawn.
    std::vector<ScreenElement> paintedElements_;
    // Where a left press on the phone screen started, while it may still become a drag.
    std::optional<QPoint> screenPressedAt_;
    WindowModel::HandedOver noticed_;
    Messages& messages_;
    const Locations& locations_;
    // The signal that asked the program to end, while what ran then comes to its end.
    std::optional<int> endingSignal_;
    // The top-level window around this one, whose closing quits.
    QPointer<QWidget> frame_;
    // The field a paste puts its text in, which the pasting event takes at once.
    std::optional<ControlId> pastingInto_;
    // A field's typed texts still waiting for an event that runs.
    std::array<int, ControlCount> typingWaits_{};
    bool endedForSignal_ = false;
};
