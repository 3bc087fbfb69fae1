// SPDX-License-Identifier: MIT
#include "field_blame.h"

QString acceptedInput(FieldInput input) {
    // The duration's limit is the clock advance's: it adds the call in seconds to the phone's time.
    const QString durationLimit = QStringLiteral("，分和秒合计最多 32767 秒（约 9 小时）");
    switch (input) {
    case FieldInput::FreeText:
        break;
    case FieldInput::Percent:
        return QStringLiteral("应填写电量的百分数（例如 92%）");
    case FieldInput::TimeOfDay:
        return QStringLiteral("应填写时:分（例如 9:05）");
    case FieldInput::Minutes:
        return QStringLiteral("应填写分钟数（例如 1）") + durationLimit;
    case FieldInput::Seconds:
        return QStringLiteral("应填写秒数（例如 11）") + durationLimit;
    case FieldInput::Month:
        return QStringLiteral("应填写 1 到 12 的月份（例如 10）");
    case FieldInput::Day:
        return QStringLiteral("应填写 1 到 31 的日（例如 15）");
    case FieldInput::ColourComponent:
        return QStringLiteral("应填写 0 到 255 的整数（例如 225）");
    }
    return {};
}
