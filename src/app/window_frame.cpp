// SPDX-License-Identifier: MIT
#include "window_frame.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>

WindowFrame::WindowFrame(QWidget& window) : QScrollArea(nullptr) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    setWidget(&window);
    setWindowTitle(window.windowTitle());
    setWindowIcon(window.windowIcon());
    window.installEventFilter(this);
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget() && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 0, 8);
    });
    fitToWindow();
}

// The window belongs to whoever made it.
WindowFrame::~WindowFrame() {
    if (widget())
        widget()->removeEventFilter(this);
    takeWidget();
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget()) {
        switch (event->type()) {
        case QEvent::Resize:
            fitToWindow();
            break;
        case QEvent::WindowTitleChange:
            setWindowTitle(widget()->windowTitle());
            break;
        case QEvent::WindowIconChange:
            setWindowIcon(widget()->windowIcon());
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void WindowFrame::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    // The screen is known for certain only once the frame is shown.
    if (QScreen* shown = screen())
        QObject::connect(shown, &QScreen::availableGeometryChanged, this, &WindowFrame::fitToWindow,
                         Qt::UniqueConnection);
    fitToWindow();
}

void WindowFrame::fitToWindow() {
    const QSize size = widget()->size();
    const QScreen* shown = screen();
    const int available = shown ? shown->availableGeometry().height() : size.height();
    const bool scrolls = size.height() > available;
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollBar = scrolls ? verticalScrollBar()->sizeHint().width() : 0;
    setFixedSize(size.width() + scrollBar, scrolls ? available : size.height());
}
