// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>

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
// text. Escape leaves it.
// Its own typing since the window last set its text is undone by its keys in one step, and redone
// once; with none, the keys go on to the window's undo and redo. That one step is all it keeps,
// with the window's history of steps beside it: Qt's own record, which holds every character of
// every edit, gigabytes after a few thousand long pastes, is cut short.
// A paste, by its keys or its menu, is asked of the window, which reads the clipboard as its
// paste buttons do, without waiting on another program for good, and puts the text in with
// pasteText().
class FieldEdit : public QLineEdit {
public:
    FieldEdit(const QString& text, QWidget* parent);
    std::function<void()> doubleClicked;
    std::function<void()> focusLost;
    std::function<void()> pasteAsked;

    // Shows a text the window set, which the field's own undo does not go back past.
    void showText(const QString& text);
    // How many characters a paste may bring, in place of the selection, for the field to hold no
    // more than most.
    qsizetype roomFor(qsizetype most) const;
    // Puts the text in at the cursor, over the selection, as typing it would.
    void pasteText(const QString& text);
    // The text before the change being told of, while its textEdited or textChanged is told (Qt
    // tells textEdited first).
    const QString& textBefore() const { return shown_ != text() ? shown_ : before_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Whether the field holds typing of its own to undo, and undone typing to redo.
    bool hasOwnTyping() const { return text() != stepStart_; }
    bool hasUndoneTyping() const { return undone_.has_value(); }
    void askPaste();
    void undoOwnTyping();
    void redoOwnTyping();
    // Replaces the whole text as an edit of the user's, which the window hears of as typing.
    void editTo(const QString& text);
    // Empties Qt's record of the edits made once it has grown beyond a few edits of a full field,
    // keeping the cursor and the selection. Qt's undo is never used: the field's own replaces it.
    void keepRecordSmall();

    // The text the window last set: undoing the field's own typing goes back to it.
    QString stepStart_;
    // What the last undo took back, until the next edit.
    std::optional<QString> undone_;
    // At least as many characters as Qt's record of the edits holds, and the length of the text
    // before the next edit.
    qsizetype recorded_ = 0;
    qsizetype lengthBefore_;
    bool undoing_ = false;
    QString shown_;
    QString before_;
};

// A button of the panel. Return and Enter press it when it has the focus, as Space does: the
// users of this window expect it from the platform it was made on.
class PanelButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
