// SPDX-License-Identifier: MIT
#include "fake_services.h"

ClipboardRead FakeClipboard::read() const {
    // A copy runs, so that it may take itself away.
    if (const std::function<void()> reading = whileReading)
        reading();
    if (!answers)
        return ClipboardRead::NoAnswer;
    return tooLarge ? ClipboardRead::TooLarge : ClipboardRead::Found;
}

void FakeClipboard::readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) {
    ClipboardRead found = read();
    if (found == ClipboardRead::Found && textValue.size() > mostCharacters)
        found = ClipboardRead::TooLarge;
    then(found == ClipboardRead::Found ? answeredText(textValue) : ClipboardText{found, {}});
}

void FakeClipboard::readPicture(std::function<void(ClipboardPicture)> then) {
    const ClipboardRead found = read();
    then(found == ClipboardRead::Found ? answeredPicture(pictureValue)
                                       : ClipboardPicture{found, {}});
}

bool FakeClipboard::setPicture(const QImage& picture) {
    if (refusesPictures)
        return false;
    pictureValue = picture;
    textValue.clear();
    answers = true;
    tooLarge = false;
    return true;
}
