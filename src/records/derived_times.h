#pragma once

class Form;
struct RecordRow;

// Double-click on a row's time field: the time `minutes` minutes before the source row's time
// (the rows list the calls from the newest down), then the row's date-and-time "提交".
void deriveTime(Form& form, const RecordRow& source, const RecordRow& target, int minutes);

// Double-click on a row's minutes field: the next duration "提交" shows seconds only.
void clearMinutes(Form& form, const RecordRow& row);
