// SPDX-License-Identifier: MIT
#include "fake_platform.h"

void FakePlatform::setClipboardImage(const QImage& image) {
    // A picture replaces any text, as on the real clipboard, and this program holds it now.
    clipboardImageValue = image;
    clipboardTextValue.clear();
    clipboardAnswers = true;
    clipboardTooLarge = false;
}

ClipboardText FakePlatform::clipboardText() const {
    if (!clipboardAnswers)
        return {ClipboardRead::NoAnswer, {}};
    if (clipboardTooLarge)
        return {ClipboardRead::TooLarge, {}};
    return answeredText(clipboardTextValue);
}

ClipboardPicture FakePlatform::clipboardPicture() const {
    if (!clipboardAnswers)
        return {ClipboardRead::NoAnswer, {}};
    if (clipboardTooLarge)
        return {ClipboardRead::TooLarge, {}};
    return answeredPicture(clipboardImageValue);
}
