// SPDX-License-Identifier: MIT
#include "headless_platform.h"

HeadlessPlatform::HeadlessPlatform(ProgramFolder programFolder, qreal pixelRatio)
    : programFolder_(std::move(programFolder)), pixelRatio_(pixelRatio) {}

QDateTime HeadlessPlatform::now() const {
    return fixedClock_.value_or(QDateTime::currentDateTime());
}

QLocale HeadlessPlatform::locale() const {
    return QLocale::system();
}

void HeadlessPlatform::showMessage(const QString& text, const QString&) {
    if (messageShown)
        messageShown(text);
}
