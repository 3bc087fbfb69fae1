// SPDX-License-Identifier: MIT
#pragma once

class Form;
struct RecordRow;

// "手机时间加此时长": the phone clock moves on by row 1's duration.
void advancePhoneClock(Form& form);

// Double click on the time field of row 2 or row 3: the time 2 (row 2) or 3 (row 3) minutes
// before the row above, then the row's date-and-time "提交".
void deriveSecondRowTime(Form& form);
void deriveThirdRowTime(Form& form);

// Double click on a row's minutes field: the next duration "提交" shows seconds only.
void clearMinutes(Form& form, const RecordRow& row);
