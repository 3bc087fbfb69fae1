#pragma once

class Form;

// The call-record handlers under the names of the window definition, one per control and event.
// Each row's handlers are bindings to the shared row commands, marking and shortcuts.

// Row 1: "今天", "提交" date and time, "现在", "秒+7", "提交" duration.
void Command9_Click(Form& form);
void Command10_Click(Form& form);
void Command25_Click(Form& form);
void Command11_Click(Form& form);
void Command12_Click(Form& form);
// Row 2.
void Command17_Click(Form& form);
void Command16_Click(Form& form);
void Command27_Click(Form& form);
void Command15_Click(Form& form);
void Command14_Click(Form& form);
// Row 3.
void Command21_Click(Form& form);
void Command20_Click(Form& form);
void Command29_Click(Form& form);
void Command19_Click(Form& form);
void Command18_Click(Form& form);

// Enabling boxes of rows 2 and 3; each may run the other's handler.
void Check1_Click(Form& form);
void Check2_Click(Form& form);
// Unanswered boxes of rows 1, 2 and 3.
void Check3_Click(Form& form);
void Check4_Click(Form& form);
void Check5_Click(Form& form);

// "手机时间加此时长": the phone clock moves on by row 1's duration.
void Command22_Click(Form& form);
// Row 2's time 2 minutes before row 1's, row 3's 3 minutes before row 2's.
void Text21_DblClick(Form& form);
void Text22_DblClick(Form& form);
// Empty the minutes of rows 1, 2 and 3.
void Text7_DblClick(Form& form);
void Text13_DblClick(Form& form);
void Text17_DblClick(Form& form);
