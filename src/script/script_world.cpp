// SPDX-License-Identifier: MIT
#include "script_world.h"

QDateTime ScriptClock::now() const {
    QDateTime moment = fixed_.value_or(outside_.now());
    const QTime time = moment.time();
    moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    lastRead_ = moment;
    return moment;
}

void ScriptClipboard::readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) {
    const auto found = [this, then = std::move(then)](ClipboardText read) {
        if (read.read == ClipboardRead::Found)
            lastRead_ = read.text;
        then(std::move(read));
    };
    if (!scriptText_)
        outside_.readText(mostCharacters, found);
    else if (scriptText_->size() > mostCharacters)
        found({ClipboardRead::TooLarge, {}});
    else
        found(answeredText(*scriptText_));
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
