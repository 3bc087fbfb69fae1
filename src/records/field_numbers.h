#pragma once

#include "basic/command_error.h"

#include <QStringList>

class Form;

// Numbers read from settings fields. A text that does not convert stops the command with an error
// that names the field, so the user knows which one to mend.

// Runs a step whose failure comes from the field's content, and names the field in its error.
template <typename Step> auto blamed(const char* field, Step step) -> decltype(step()) {
    try {
        return step();
    } catch (const CommandError& error) {
        throw error.blame(field);
    }
}

double fieldNumber(const Form& form, const char* field);
// The number in one of the ":"-separated parts of a field's text; a missing part is a subscript
// error.
double partNumber(const QStringList& parts, qsizetype index, const char* field);
