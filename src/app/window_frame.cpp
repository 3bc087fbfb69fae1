// SPDX-License-Identifier: MIT
#include "window_frame.h"

#include "accessible_widgets.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

WindowFrame::WindowFrame(QWidget& window) : QScrollArea(nullptr) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFrameShape(QFrame::NoFrame);
    // Tab goes from the panel's last control to its first: the frame is no stop between them.
    setFocusPolicy(Qt::NoFocus);
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
    renewAccessibleInterface(*this);
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
    const QSize frame(size.width() + scrollBar, scrolls ? available : size.height());
    alignSizeSteps(frame);
    setFixedSize(frame);
}

namespace {

// The base of a row of sizes, in window pixels, that holds the size: sizes the window manager
// allows are the base and then every step of device pixels.
int baseHolding(int size, qreal ratio, int step) {
    const int device = qRound(size * ratio);
    for (int base = 0; base < 4 * step; ++base) {
        const int baseDevice = qRound(base * ratio);
        if (baseDevice <= device && (device - baseDevice) % step == 0)
            return base;
    }
    return 0;
}

} // namespace

// Qt asks the window manager for sizes in steps of one window pixel in device pixels, rounded:
// two at a scale of 1.5, so that a manager that keeps to the steps (openbox does) makes the window
// a row shorter than its picture whenever the picture's height is odd. The base the steps start
// from is chosen so that the window's own size is one of them.
void WindowFrame::alignSizeSteps(QSize size) {
    QWindow* handle = windowHandle();
    if (!handle)
        return;
    const qreal ratio = handle->devicePixelRatio();
    const int step = qRound(ratio);
    if (step <= 1)
        return;
    // The widget's own base size: it is what the widget hands its window with every constraint.
    setBaseSize(baseHolding(size.width(), ratio, step), baseHolding(size.height(), ratio, step));
}
