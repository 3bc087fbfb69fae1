#pragma once

#include "form/control.h"
#include "form/element.h"
#include "setup_files.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class Form;
class SetupSession;
class UserActions;
class QLabel;
class QLineEdit;
class QCheckBox;

// The borderless window: it paints the phone screen from the form, lays the settings panel's
// widgets over it from the panel table, forwards every event to the form through the set-up's
// recorder and shows the form's state after each. Ctrl+S, Ctrl+O and a dropped script save and
// open set-ups.
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildPanel();
    QString controlName(ControlId id) const;
    void click(ControlId id);
    std::optional<ElementId> elementAt(QPoint pixel) const;

    Form& form_;
    SetupSession& setups_;
    UserActions& actions_;
    SetupFiles setupFiles_;
    std::array<QWidget*, ControlCount> widgets_{};
    std::optional<ElementId> pressedElement_;
    // An event of the user's is running (it may be pausing, or showing a message).
    bool eventRunning_ = false;
};
