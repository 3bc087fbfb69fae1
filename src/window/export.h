// SPDX-License-Identifier: MIT
#pragma once

#include "basic/image_file.h"
#include "basic/services.h"

#include <QString>

class Form;
struct ExportOutcome;

// Saves the picture the clipboard gave as a JPEG named after the number, in the program's folder
// or, when that cannot be written, in the user's pictures folder, and says in the caption whether
// it was saved.
ExportOutcome writePicture(Form& form, const ClipboardPicture& clipboard);

// The export as the label and the timer run it: reads the clipboard's picture (the last capture's
// when the clipboard refused it and holds none), pauses, writes it, reports the outcome to the
// form's observer, and widens the window again. The event goes on until then.
void exportClipboardPicture(Form& form);

// Why a number text cannot name a file inside the program's folder and nowhere else, naming the
// character at fault; empty when it can.
QString fileNameRefusal(const QString& name);

// Why the writer wrote nothing, as a short reason in the window's language that says what to mend.
QString writeFailureReason(const WriteFailure& failure);
