// SPDX-License-Identifier: MIT
#include "panel_widgets.h"

#include "screen/caption_layout.h"
#include "setup_files.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

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

bool isPasteKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Paste) ||
           key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert);
}

// An input method's event that leaves text still being composed: the composition is the
// method's, and setting the text would cut it short.
bool composing(const QEvent* event) {
    return event->type() == QEvent::InputMethod &&
           !static_cast<const QInputMethodEvent*>(event)->preeditString().isEmpty();
}

// Characters of Qt's record of a field's edits beyond which it is forgotten: a few megabytes at the
// most, and seldom met while typing (forgetting sets the text, which resets the input method).
constexpr qsizetype RecordedCharactersKept = 1 << 16;

} // namespace

FieldEdit::FieldEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), stepStart_(text), lengthBefore_(QLineEdit::text().size()),
      shown_(text) {
    // First of the field's receivers, so that every other one can tell what the change changed.
    QObject::connect(this, &QLineEdit::textChanged, this,
                     [this](const QString& now) { before_ = std::exchange(shown_, now); });
    // Qt records an edit as the characters it removed and those it put in: no more than the text
    // before it and the text after it.
    QObject::connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        recorded_ += lengthBefore_ + edited.size();
        lengthBefore_ = edited.size();
        if (!undoing_)
            undone_.reset();
    });
}

// Undo and redo are the field's while it has typing to take back or to bring back, the window's
// otherwise.
bool FieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isRedoKey(key) || isUndoKey(key)) {
            const bool own = isRedoKey(key) ? hasUndoneTyping() : hasOwnTyping();
            event->setAccepted(own);
            return own;
        }
    }
    const bool handled = QLineEdit::event(event);
    if (!composing(event))
        keepRecordSmall();
    return handled;
}

void FieldEdit::showText(const QString& text) {
    stepStart_ = text;
    undone_.reset();
    setText(text);
    recorded_ = 0;
    lengthBefore_ = this->text().size();
}

qsizetype FieldEdit::roomFor(qsizetype most) const {
    return std::max<qsizetype>(0, most - (text().size() - selectedText().size()));
}

void FieldEdit::pasteText(const QString& text) {
    insert(text);
    keepRecordSmall();
}

void FieldEdit::askPaste() {
    if (!isReadOnly() && pasteAsked)
        pasteAsked();
}

void FieldEdit::undoOwnTyping() {
    if (!hasOwnTyping())
        return;
    const QString typed = text();
    editTo(stepStart_);
    undone_ = typed;
}

void FieldEdit::redoOwnTyping() {
    if (const std::optional<QString> redone = std::exchange(undone_, std::nullopt))
        editTo(*redone);
}

void FieldEdit::editTo(const QString& text) {
    const QScopedValueRollback keepUndone(undoing_, true);
    selectAll();
    insert(text);
    keepRecordSmall();
}

// Setting the text it holds empties Qt's record; the cursor and the selection, with the cursor at
// the end it was at, are put back.
void FieldEdit::keepRecordSmall() {
    if (recorded_ <= RecordedCharactersKept)
        return;
    recorded_ = 0;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    setText(text());
    if (start < 0)
        setCursorPosition(cursor);
    else if (cursor == start)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
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
    if (isPasteKey(event)) {
        askPaste();
    } else if (isRedoKey(event)) {
        redoOwnTyping();
    } else if (isUndoKey(event)) {
        undoOwnTyping();
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Qt's own menu asks the clipboard whether it holds text before it shows, and waits on the
// clipboard's owner to know: this one reads the clipboard only once 粘贴 is chosen. Its undo and
// redo are the field's own, as its keys are.
void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [this, menu](const char* caption, QKeySequence::StandardKey key,
                                  const char* icon, bool enabled,
                                  const std::function<void()>& run) {
        QString text = QCoreApplication::translate("QLineEdit", caption);
        if (key != QKeySequence::UnknownKey &&
            !QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus))
            text += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(QIcon::fromTheme(QLatin1String(icon)), text);
        action->setObjectName(QLatin1String(icon));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, this, [this, run] {
            run();
            keepRecordSmall();
        });
    };
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    if (editable) {
        add("&Undo", QKeySequence::Undo, "edit-undo", hasOwnTyping(), [this] { undoOwnTyping(); });
        add("&Redo", QKeySequence::Redo, "edit-redo", hasUndoneTyping(),
            [this] { redoOwnTyping(); });
        menu->addSeparator();
        add("Cu&t", QKeySequence::Cut, "edit-cut", selected, [this] { cut(); });
    }
    add("&Copy", QKeySequence::Copy, "edit-copy", selected, [this] { copy(); });
    if (editable) {
        add("&Paste", QKeySequence::Paste, "edit-paste", true, [this] { askPaste(); });
        add("Delete", QKeySequence::UnknownKey, "edit-delete", selected, [this] { del(); });
    }
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, "edit-select-all",
        selectedText().size() != text().size(), [this] { selectAll(); });
    menu->popup(event->globalPos());
    event->accept();
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
