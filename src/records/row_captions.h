// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The captions of a call-record row, built from the settings fields exactly as typed: nothing is
// trimmed, padded or checked.

// "10月15日 9:01".
QString dateTimeCaption(const QString& month, const QString& day, const QString& time);
// "1分11秒"; only the empty minutes text leaves the minutes out ("0" gives "0分11秒").
QString answeredDuration(const QString& minutes, const QString& seconds);
// The caption with every "响铃" taken out, wherever it stands (also one typed into a field).
QString withoutRinging(const QString& caption);
// "响铃" once in front of the caption, however often it was marked before.
QString ringingForm(const QString& caption);
// The duration caption as an unanswered box wants it: ringing when ticked, answered otherwise.
QString markedDuration(const QString& caption, bool unanswered);
