#include "fake_platform.h"

void FakePlatform::setClipboardImage(const QImage& image) {
    // A picture replaces any text, as on the real clipboard.
    clipboardImageValue = image;
    clipboardTextValue.clear();
}
