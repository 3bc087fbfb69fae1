// SPDX-License-Identifier: MIT
#include "derived_times.h"

#include "basic/command_error.h"
#include "basic/conversions.h"
#include "basic/time_of_day.h"
#include "field_numbers.h"
#include "form/field_blame.h"
#include "form/form.h"
#include "row_captions.h"
#include "row_commands.h"
#include "row_table.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// The minutes of a duration, or none when the field holds no number: the phone-clock advance
// then adds the seconds alone.
std::optional<double> givenMinutes(const Form& form, ControlId field) {
    try {
        return toDouble(form.text(field));
    } catch (const CommandError&) {
        return std::nullopt;
    }
}

// The phone clock read with ":00" appended, so that "15" reads as 15:00 and "15:17" as 15:17:00,
// while a clock that already shows seconds does not read at all.
QTime readPhoneClock(const QString& clock) {
    static const QRegularExpression number(QStringLiteral(R"(\A[ \t]*([0-9]{1,9})[ \t]*\z)"));
    const QStringList parts =
        splitAll(numberReading(clock) + QStringLiteral(":00"), QStringLiteral(":"));
    if (parts.size() > 3)
        throw CommandError(ErrorKind::TypeMismatch);
    const int limits[3] = {23, 59, 59};
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QRegularExpressionMatch m = number.match(parts[i]);
        if (!m.hasMatch())
            throw CommandError(ErrorKind::TypeMismatch);
        values[i] = m.captured(1).toInt();
        if (values[i] > limits[i])
            throw CommandError(ErrorKind::TypeMismatch);
    }
    return QTime(values[0], values[1], values[2]);
}

// The time `minutes` minutes before the source row's time, into the target row's time field
// (the rows list the calls from the newest down), then the target row's date-and-time "提交".
void deriveTime(Form& form, const RecordRow& source, const RecordRow& target, int minutes) {
    const ControlId from = source.fields.time;
    const ControlId to = target.fields.time;
    // A full-width colon splits as the ASCII one, and the hour is copied as it reads: a time the
    // command writes is in ASCII digits, as a phone shows it.
    const QStringList parts = splitAll(numberReading(form.text(from)), QStringLiteral(":"));
    // The hour is copied as typed otherwise; only a borrow rewrites it as a number.
    const double minute = roundDown(partNumber(form, parts, 1, from)) - minutes;
    form.setText(to, parts[0] + QStringLiteral(":") + minuteText(minute));

    if (form.text(to).contains(u'-')) {
        // The target now holds the source's hour as typed and a computed minute: an hour that
        // does not read is the source's to mend.
        const QStringList written = splitAll(form.text(to), QStringLiteral(":"));
        double hour = roundDown(partNumber(form, written, 0, from)) - 1;
        const double borrowed = roundDown(partNumber(form, written, 1, from)) + 60;
        // Shortly after midnight the earlier call was on the evening before; the date fields are
        // the user's to set.
        if (hour == -1)
            hour = 23;
        form.setText(to, timeOfDayText(hour, borrowed));
    }
    submitDateTime(form, target);
}

} // namespace

void advancePhoneClock(Form& form) {
    const RowFields& first = recordRows[0].fields;
    const std::int16_t seconds = blamingField(
        form, first.seconds, [&] { return toInt16(roundDown(fieldNumber(form, first.seconds))); });
    std::int16_t duration = seconds;
    if (const std::optional<double> minutes = givenMinutes(form, first.minutes);
        minutes && *minutes != 0) {
        // A call with minutes counts five seconds more; a seconds-only call is added as it is. A
        // sum too long for the clock is the fault of whichever part makes up more of it.
        const double minuteSeconds = roundDown(*minutes) * 60;
        const ControlId larger =
            std::fabs(minuteSeconds) >= std::abs(seconds) ? first.minutes : first.seconds;
        duration = blamingField(form, larger, [&] { return toInt16(minuteSeconds + seconds + 5); });
    }
    const QTime clock = blamingField(form, ControlId::ClockField, [&] {
        return readPhoneClock(form.text(ControlId::ClockField));
    });
    // Wall-clock arithmetic on today's date: a daylight-saving change must not move the phone's
    // time, and the date takes the carry past midnight.
    const QTime moved =
        QDateTime(form.clock().now().date(), clock, Qt::UTC).addSecs(duration).time();
    form.setText(ControlId::ClockField, timeOfDayText(moved.hour(), moved.minute()));
    form.element(ElementId::ClockText).caption = form.text(ControlId::ClockField);
}

void deriveSecondRowTime(Form& form) {
    deriveTime(form, recordRows[0], recordRows[1], 2);
}

void deriveThirdRowTime(Form& form) {
    deriveTime(form, recordRows[1], recordRows[2], 3);
}

void clearMinutes(Form& form, const RecordRow& row) {
    form.setText(row.fields.minutes, QString());
}
