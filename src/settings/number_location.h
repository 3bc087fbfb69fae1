#pragma once

#include <QString>

class Form;

// The number and location rows of the settings panel.
void Command5_Click(Form& form); // "粘贴": number from the clipboard, then submitted
void Command6_Click(Form& form); // "提交": number to the five number labels
void Command7_Click(Form& form); // "粘贴": location from the clipboard, then submitted
void Command8_Click(Form& form); // "提交": location line to yys
void Text3_DblClick(Form& form); // empties the number field for a fresh entry

// A number as the phone shows it: blanks dropped, an eleven-character mobile number grouped
// 3-4-4, an eleven-character fixed-line number with its area code 4-7, anything else unsplit.
QString shownNumber(const QString& typed);
