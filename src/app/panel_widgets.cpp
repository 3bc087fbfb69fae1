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

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && clicked)
        clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // QWidget passes a double click on to mousePressEvent; the release that follows must still
    // not count as a click.
    QLabel::mouseDoubleClickEvent(event);
    pressed_ = false;
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
