// SPDX-License-Identifier: MIT
#include "time_of_day.h"

#include "conversions.h"

QString minuteText(double minute) {
    const QString digits = numberToText(minute);
    return minute >= 0 && minute < 10 ? QStringLiteral("0") + digits : digits;
}

QString timeOfDayText(double hour, double minute) {
    return numberToText(hour) + QStringLiteral(":") + minuteText(minute);
}
