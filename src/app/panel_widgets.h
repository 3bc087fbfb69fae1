#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>

// A caption of the panel. Its Click fires on a single click only: the second press of a double
// click is a double click, not another click. It wraps its text at its width with lines as high
// as the font: the CJK faces have a taller natural line than the faces the panel was laid out for,
// and the long instructions must stay inside their label.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent* event) override;
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
