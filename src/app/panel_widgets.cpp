#include "panel_widgets.h"

#include <QMouseEvent>

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
    pressed_ = false;
    QLabel::mouseDoubleClickEvent(event);
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClicked)
        doubleClicked();
}
