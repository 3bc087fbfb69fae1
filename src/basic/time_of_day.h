// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A time of day as the commands write it, the way a phone's clock reads: the hour without a
// leading zero, the minute always with two digits ("9:05", "0:00", "23:59").
QString timeOfDayText(double hour, double minute);
// The minute part alone: "05" for 5, "30" for 30. A minute outside 0..9 is written as its number,
// sign included, so an intermediate "-1" still reads as a negative minute.
QString minuteText(double minute);
