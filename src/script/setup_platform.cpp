#include "setup_platform.h"

void SetupPlatform::beginScript() {
    inScript_ = true;
    fixedClock_.reset();
    scriptClipboard_.clear();
    quitRequested_ = false;
}

void SetupPlatform::endScript() {
    inScript_ = false;
    fixedClock_.reset();
    quitRequested_ = false;
}

void SetupPlatform::startWatching() {
    clockRead_.reset();
    clipboardTextRead_.reset();
}

QDateTime SetupPlatform::now() const {
    QDateTime moment = system_.now();
    if (inScript_ && fixedClock_) {
        moment = *fixedClock_;
    } else {
        const QTime time = moment.time();
        moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    }
    clockRead_ = moment;
    return moment;
}

ClipboardText SetupPlatform::clipboardText() const {
    const ClipboardText read = inScript_ ? answeredText(scriptClipboard_) : system_.clipboardText();
    if (read.read == ClipboardRead::Found)
        clipboardTextRead_ = read.text;
    return read;
}

void SetupPlatform::quit() {
    if (inScript_)
        quitRequested_ = true;
    else
        system_.quit();
}

void SetupPlatform::showMessage(const QString& text, const QString& title) {
    if (inScript_ && heldMessage)
        heldMessage(text);
    else
        system_.showMessage(text, title);
}
