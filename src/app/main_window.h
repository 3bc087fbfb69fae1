// SPDX-License-Identifier: MIT
#pragma once

#include "form/control.h"
#include "form/element.h"
#include "script/setup_session.h"
#include "setup_files.h"
#include "window_actions.h"
#include "window_mover.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class Form;
class UserActions;
class QLabel;
class QLineEdit;
class QCheckBox;

// The borderless window: it paints the phone screen from the form, lays the settings panel's
// widgets over it from the panel table, forwards every event to the form through the set-up's
// recorder and shows the form's state after each. Ctrl+S, Ctrl+O and a dropped script save and
// open set-ups. Its background moves it; the phone screen drags its picture out.
class MainWindow : public QWidget {
public:
    MainWindow(Form& form, SetupSession& setups);

    // Shows the form's current state: window size and caption, texts, boxes, visibility.
    void syncFromForm();
    // Runs one of the user's events (doing says which, for a message) through the form's event
    // boundary, so that nothing it throws reaches Qt's event loop, then shows the new state.
    void runEvent(const QString& doing, const std::function<void()>& event);
    QWidget* controlWidget(ControlId id) const { return widgets_[std::size_t(id)]; }
    SetupFiles& setupFiles() { return setupFiles_; }
    WindowActions& windowActions() { return windowActions_; }

protected:
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
    void click(ControlId id);
    std::optional<ElementId> elementAt(QPoint pixel) const;
    bool onPhoneScreen(QPoint pixel) const;
    // A notice of the picture just handed over, which the caption says in a title bar that the
    // borderless window does not have.
    void noticeHandedOver();

    Form& form_;
    SetupSession& setups_;
    UserActions& actions_;
    SetupFiles setupFiles_;
    WindowActions windowActions_;
    WindowMover mover_;
    std::array<QWidget*, ControlCount> widgets_{};
    std::optional<ElementId> pressedElement_;
    // The phone screen's elements as last drawn.
    std::vector<ScreenElement> paintedElements_;
    // An event of the user's is running (it may be pausing, or showing a message).
    bool eventRunning_ = false;
    // Where a left press on the phone screen started, while it may still become a drag.
    std::optional<QPoint> screenPressedAt_;
    SetupSession::HandedOver noticed_;
};
