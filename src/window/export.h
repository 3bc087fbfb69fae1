// SPDX-License-Identifier: MIT
#pragma once

class Form;

// The export as the label and the timer run it: reads the clipboard's picture (the last capture's
// when the clipboard refused it and holds none), pauses, and saves it as a JPEG named after the
// number, in the program's folder or, when that cannot be written, in the user's pictures folder;
// says in the caption whether it was saved, reports the outcome to the form's observer, and widens
// the window again. The event goes on until then.
void exportClipboardPicture(Form& form);
