#pragma once

#include "form/control.h"
#include "form/element.h"

#include <QWidget>
#include <array>
#include <optional>

class Form;
class QLabel;
class QLineEdit;
class QCheckBox;

// The borderless window: it paints the phone screen from the form, lays the settings panel's
// widgets over it from the panel table, forwards every event to the form and shows its state.
class MainWindow : public QWidget {
public:
    explicit MainWindow(Form& form);

    // Shows the form's current state: window size and caption, texts, boxes, visibility.
    void syncFromForm();
    QWidget* controlWidget(ControlId id) const { return widgets_[std::size_t(id)]; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildPanel();
    std::optional<ElementId> elementAt(QPoint pixel) const;

    Form& form_;
    std::array<QWidget*, ControlCount> widgets_{};
    std::optional<ElementId> pressedElement_;
};
