#include "panel_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

void ClickLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int lineHeight = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (int y = 0; y < height();) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        // Centre the glyphs' own height in the tighter line.
        line.setPosition(QPointF(0, y - (line.height() - lineHeight) / 2));
        y += lineHeight;
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
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
