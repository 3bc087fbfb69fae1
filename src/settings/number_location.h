// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Form;

// The number and location rows of the settings panel.
void pasteNumber(Form& form);    // "粘贴": number from the clipboard, then submitted
void submitNumber(Form& form);   // "提交": number to the five number labels
void pasteLocation(Form& form);  // "粘贴": location from the clipboard, then submitted
void submitLocation(Form& form); // "提交": location line under the number
void clearNumber(Form& form);    // double click: empties the number field for a fresh entry

// A number as the phone shows it: blanks dropped, an eleven-character mobile number grouped
// 3-4-4, an eleven-character fixed-line number with its area code 4-7, anything else unsplit.
QString shownNumber(const QString& typed);
