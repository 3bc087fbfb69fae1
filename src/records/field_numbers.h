// SPDX-License-Identifier: MIT
#pragma once

#include "form/control.h"

#include <QStringList>

class Form;

// Numbers read from settings fields. A text that does not convert stops the command with an error
// that names the field, so the user knows which one to mend.
double fieldNumber(const Form& form, ControlId field);
// The number in one of the ":"-separated parts of a field's text; a missing part is a subscript
// error.
double partNumber(const Form& form, const QStringList& parts, qsizetype index, ControlId field);
