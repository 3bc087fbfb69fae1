// SPDX-License-Identifier: MIT
#pragma once

#include "basic/command_error.h"
#include "form.h"

// What a field of this kind takes, with an example, as the message of an error in it says it;
// empty for a field that takes any text.
QString acceptedInput(FieldInput input);

// Runs one step of a command whose failure comes from the content of a settings field, and names
// that field in the error, unless a step inside it has named one already: the field named is the
// one whose text the user has to mend.
template <typename Step>
auto blamingField(const Form& form, ControlId field, Step step) -> decltype(step()) {
    try {
        return step();
    } catch (const CommandError& error) {
        const PanelControl& control = form.definition(field);
        throw error.blame(QString::fromLatin1(control.name), QString::fromUtf8(control.label),
                          acceptedInput(control.input));
    }
}
