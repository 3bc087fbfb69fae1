// SPDX-License-Identifier: MIT
#pragma once

class Form;
struct RecordRow;

// The five buttons every call-record row has. The rows differ only in their fields and elements;
// none of these commands touches another row, a colour, an icon or a visibility.

// "提交" beside the date and time.
void submitDateTime(Form& form, const RecordRow& row);
// "今天": today's month and day into the fields, then as "提交".
void fillToday(Form& form, const RecordRow& row);
// "现在": the current time into the time field, then as "提交".
void fillNow(Form& form, const RecordRow& row);
// "秒+7": seven seconds more, wrapped once past 60, shown in the answered form.
void addSevenSeconds(Form& form, const RecordRow& row);
// "提交" beside the duration.
void submitDuration(Form& form, const RecordRow& row);
