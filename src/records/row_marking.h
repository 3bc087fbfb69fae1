// SPDX-License-Identifier: MIT
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

// The enabling boxes of rows 2 and 3: each shows its row or hides it as its Value says, and keeps
// the other box consistent (row 3 cannot be shown without row 2), which may run the other's
// handler.
void switchSecondRow(Form& form);
void switchThirdRow(Form& form);

// At start: the unanswered-call icons, kept beside the panel in the window's definition, are laid
// exactly on the call icons, still hidden.
void layMissedCallIcons(Form& form);
