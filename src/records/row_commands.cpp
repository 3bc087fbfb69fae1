// SPDX-License-Identifier: MIT
#include "row_commands.h"

#include "basic/conversions.h"
#include "basic/time_of_day.h"
#include "field_numbers.h"
#include "form/form.h"
#include "row_captions.h"
#include "row_table.h"

namespace {

void showAnsweredDuration(Form& form, const RecordRow& row) {
    form.element(row.elements.duration).caption =
        answeredDuration(form.text(row.fields.minutes), form.text(row.fields.seconds));
}

} // namespace

void submitDateTime(Form& form, const RecordRow& row) {
    const RowFields& f = row.fields;
    form.element(row.elements.dateTime).caption =
        dateTimeCaption(form.text(f.month), form.text(f.day), form.text(f.time));
}

void fillToday(Form& form, const RecordRow& row) {
    const QDate today = form.clock().now().date();
    form.setText(row.fields.month, QString::number(today.month()));
    form.setText(row.fields.day, QString::number(today.day()));
    submitDateTime(form, row);
}

void fillNow(Form& form, const RecordRow& row) {
    const QTime now = form.clock().now().time();
    form.setText(row.fields.time, timeOfDayText(now.hour(), now.minute()));
    submitDateTime(form, row);
}

void addSevenSeconds(Form& form, const RecordRow& row) {
    double seconds = roundDown(fieldNumber(form, row.fields.seconds)) + 7;
    // Taken back once only and never carried into the minutes: the button steps through one
    // minute's seconds and leaves the minutes to the user.
    if (seconds > 60)
        seconds -= 60;
    form.setText(row.fields.seconds, numberToText(seconds));
    showAnsweredDuration(form, row);
}

void submitDuration(Form& form, const RecordRow& row) {
    showAnsweredDuration(form, row);
    if (row.durationSubmitMarks) {
        QString& caption = form.element(row.elements.duration).caption;
        caption = markedDuration(caption, form.value(row.unansweredBox) == 1);
    }
}
