#pragma once

class Form;
struct RecordRow;

// Shows a row as an unanswered call when its unanswered box is ticked (red date and time, the
// unanswered-call icon, "响铃" before the duration) and as an answered one otherwise. Marking
// twice is the same as marking once.
void applyUnansweredMarking(Form& form, const RecordRow& row);

// Click of a row's unanswered box: a row that is switched off is left alone; its box keeps the
// Value and is applied when the row comes back.
void unansweredBoxClicked(Form& form, const RecordRow& row);
