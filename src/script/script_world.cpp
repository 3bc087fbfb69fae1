// SPDX-License-Identifier: MIT
#include "script_world.h"

QDateTime ScriptClock::now() const {
    QDateTime moment = fixed_.value_or(outside_.now());
    const QTime time = moment.time();
    moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    lastRead_ = moment;
    return moment;
}

ClipboardText ScriptClipboard::text(qsizetype mostCharacters) const {
    if (scriptText_ && scriptText_->size() > mostCharacters)
        return {ClipboardRead::TooLarge, {}};
    const ClipboardText read =
        scriptText_ ? answeredText(*scriptText_) : outside_.text(mostCharacters);
    if (read.read == ClipboardRead::Found)
        lastRead_ = read.text;
    return read;
}

void ScriptWorld::beginScript() {
    clock_.release();
    clipboard_.beginScript();
}

void ScriptWorld::endScript() {
    clock_.release();
    clipboard_.endScript();
}

void ScriptWorld::forgetReading() {
    clock_.forgetReading();
    clipboard_.forgetReading();
}
