#pragma once

#include "basic/command_error.h"

#include <QString>

// Runs one step of a command whose failure is the fault of a settings field's content, and names
// that field in the error. It replaces whatever the step named (an element refusing a width the
// field asked for): the user can mend the field, not the element.
template <typename Step> auto blamingField(const QString& field, Step step) -> decltype(step()) {
    try {
        return step();
    } catch (const CommandError& error) {
        throw CommandError(error.kind(), field);
    }
}
