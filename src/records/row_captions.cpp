// SPDX-License-Identifier: MIT
#include "row_captions.h"

#include "basic/conversions.h"

namespace {

const QString Ringing = QStringLiteral("响铃");

} // namespace

QString dateTimeCaption(const QString& month, const QString& day, const QString& time) {
    return month + QStringLiteral("月") + day + QStringLiteral("日 ") + time;
}

QString answeredDuration(const QString& minutes, const QString& seconds) {
    if (minutes.isEmpty())
        return seconds + QStringLiteral("秒");
    return minutes + QStringLiteral("分") + seconds + QStringLiteral("秒");
}

QString withoutRinging(const QString& caption) {
    return removeAll(caption, Ringing);
}

QString ringingForm(const QString& caption) {
    return Ringing + withoutRinging(caption);
}

QString markedDuration(const QString& caption, bool unanswered) {
    return unanswered ? ringingForm(caption) : withoutRinging(caption);
}
