// SPDX-License-Identifier: MIT
#include "qt_platform.h"

#include "clipboard_reading.h"
#include "x11_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QWidget>

QtPlatform::QtPlatform() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimer)
            onTimer();
    });
}

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

QLocale QtPlatform::locale() const {
    return QLocale::system();
}

namespace {

// On X11, Qt's clipboard waits on the user-interface thread for the answers of the clipboard's
// owner, and the window stops painting meanwhile: there the clipboard is read away from it.
bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

ClipboardText QtPlatform::clipboardText() const {
    if (onX11())
        if (const std::optional<ClipboardText> read = readX11ClipboardText())
            return *read;
    return readClipboardText(QGuiApplication::clipboard()->mimeData());
}

ClipboardPicture QtPlatform::clipboardPicture() const {
    const QMimeData* data = offered_ ? QGuiApplication::clipboard()->mimeData() : nullptr;
    // The capture's own picture is read in this program, with no other program to wait for.
    if (data && data == offered_)
        return answeredPicture(qvariant_cast<QImage>(data->imageData()));
    if (onX11())
        if (const std::optional<ClipboardPicture> read = readX11ClipboardPicture())
            return *read;
    return readClipboardPicture(QGuiApplication::clipboard()->mimeData());
}

void QtPlatform::setClipboardImage(const QImage& image) {
    // Qt offers image data to other programs in every image format they ask for, image/png
    // included, encoding it only when one is asked for.
    auto* data = new QMimeData;
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
    offered_ = data;
}

// An event loop of its own that only a timer ends: paint events, the clipboard's requests from
// other programs and timers go on, while clicks and keys stay queued until the command has ended,
// and then reach the window in their order.
void QtPlatform::pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

ProgramFolder QtPlatform::programFolder() const {
    return runningProgramFolder();
}

int QtPlatform::screenHeightPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : 0;
}

qreal QtPlatform::devicePixelRatio() const {
    if (window)
        return window->devicePixelRatioF();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}

void QtPlatform::showMessage(const QString& text, const QString& title) {
    if (beforeMessage)
        beforeMessage();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, window);
    box.exec();
}

void QtPlatform::startTimer(int milliseconds) {
    timer_.start(milliseconds);
}

void QtPlatform::stopTimer() {
    timer_.stop();
}

void QtPlatform::quit() {
    QCoreApplication::exit(0);
}
