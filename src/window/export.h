// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Form;
struct ExportOutcome;

// Saves the picture on the clipboard as a JPEG named after the number, in the program's folder or,
// when that cannot be written, in the user's pictures folder, and says in the caption whether it
// was saved. The clipboard holding no picture, the last capture's is saved when the clipboard
// refused it.
ExportOutcome writeClipboardPicture(Form& form);

// The export as the label and the timer run it: writes the picture, reports the outcome to the
// form's observer, and widens the window again.
void exportClipboardPicture(Form& form);
