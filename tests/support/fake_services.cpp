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

ClipboardText FakeClipboard::text(qsizetype mostCharacters) const {
    ClipboardRead found = read();
    if (found == ClipboardRead::Found && textValue.size() > mostCharacters)
        found = ClipboardRead::TooLarge;
    return found == ClipboardRead::Found ? answeredText(textValue) : ClipboardText{found, {}};
}

ClipboardPicture FakeClipboard::picture() const {
    const ClipboardRead found = read();
    return found == ClipboardRead::Found ? answeredPicture(pictureValue)
                                         : ClipboardPicture{found, {}};
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
