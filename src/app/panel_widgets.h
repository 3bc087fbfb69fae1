#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>

// A label whose Click fires on a single click only: the second press of a double click is a
// double click, not another click.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A text field that reports a mouse double click after its own handling of it.
class FieldEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> doubleClicked;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
