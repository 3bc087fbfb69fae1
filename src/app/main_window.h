#pragma once

#include "form/control.h"
#include "form/element.h"
#include "setup_files.h"

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

class Form;
class SetupSession;
class UserActions;
class QLabel;
class QLineEdit;
class QCheckBox;

// The borderless window: it paints the phone screen from the form, lays the settings panel's
// widgets over it from the panel table, forwards every event to the form through the set-up's
// recorder and shows the form's state. Ctrl+S, Ctrl+O and a dropped script save and open set-ups.
class MainWindow : public QWidget {
public:
    MainWindow(Form& form, SetupSession& setups);

    // Shows the form's current state: window size and caption, texts, boxes, visibility.
    void syncFromForm();
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
    std::optional<ElementId> elementAt(QPoint pixel) const;

    Form& form_;
    SetupSession& setups_;
    UserActions& actions_;
    SetupFiles setupFiles_;
    std::array<QWidget*, ControlCount> widgets_{};
    std::optional<ElementId> pressedElement_;
    // The phone screen's elements as last drawn.
    std::vector<ScreenElement> paintedElements_;
};
