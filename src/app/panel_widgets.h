// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

// A caption of the panel. Its Click fires on a single click only: the second press of a double
// click is a double click, not another click. It lays its text out as the phone screen's labels
// do, by the line metrics of the face the panel names, so that the long instructions stay inside
// their label although the CJK stand-ins have a taller natural line.
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

// A text field that reports a mouse double click after its own handling of it, and the loss of
// the focus. A set-up dragged over it goes on to the window, instead of dropping its path in as
// text. Escape leaves it. Its own typing is undone and redone by its keys first; with none left,
// the keys go on to the window's undo and redo.
class FieldEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> doubleClicked;
    std::function<void()> focusLost;

    // Shows a text the window set, which the field's own undo does not go back past.
    void showText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    // Whether the field holds typing of its own to undo.
    bool hasOwnTyping() const { return isUndoAvailable() && text() != shownText_; }

    QString shownText_ = QLineEdit::text();
};

// A button of the panel. Return and Enter press it when it has the focus, as Space does: the
// users of this window expect it from the platform it was made on.
class PanelButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
