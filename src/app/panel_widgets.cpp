// SPDX-License-Identifier: MIT
#include "panel_widgets.h"

#include "screen/caption_layout.h"
#include "setup_files.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void ClickLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    drawCaption(painter, rect(), text(), font(), Alignment::Left);
}

// A label that answers clicks keeps its presses: passed on, the panel's background would take
// them for the start of a move. One that does not is part of that background.
void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    if (clicked)
        event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (clicked)
        event->accept();
    if (click && clicked)
        clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // QWidget passes a double click on to mousePressEvent; the release that follows must still
    // not count as a click.
    QLabel::mouseDoubleClickEvent(event);
    pressed_ = false;
    if (clicked)
        event->accept();
}

namespace {

bool isUndoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo);
}

bool isRedoKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

bool FieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((isUndoKey(key) && !hasOwnTyping()) || (isRedoKey(key) && !isRedoAvailable())) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void FieldEdit::showText(const QString& text) {
    shownText_ = text;
    setText(text);
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        clearFocus();
        return;
    }
    // Holding Return down submits once.
    if (event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClicked)
        doubleClicked();
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (focusLost)
        focusLost();
}

void FieldEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (SetupFiles::setupIn(event->mimeData())) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void PanelButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
