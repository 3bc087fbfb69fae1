// SPDX-License-Identifier: MIT
#pragma once

#include "basic/image_file.h"

#include <QString>

class Form;

// Saves the picture on the clipboard as a JPEG named after the number, in the program's folder or,
// when that cannot be written, in the user's pictures folder; tells the user whether it was saved,
// and widens the window again.
void exportClipboardPicture(Form& form);

// Why a number text cannot name a file inside the program's folder and nowhere else, naming the
// character at fault; empty when it can.
QString fileNameRefusal(const QString& name);

// Why the writer wrote nothing, as a short reason in the window's language that says what to mend.
QString writeFailureReason(const WriteFailure& failure);
