// SPDX-License-Identifier: MIT
#include "number_location.h"

#include "basic/conversions.h"
#include "form/form.h"

#include <string>

namespace {

// The clipboard's text into a field, then submitted; a clipboard without text changes nothing.
Task<> pasteSteps(Form& form, ControlId field, void (*submit)(Form&)) {
    const QString text = co_await form.clipboardTextFor(field, Form::MaxFieldText);
    if (text.isEmpty())
        co_return;
    form.setText(field, text);
    submit(form);
}

void paste(Form& form, ControlId field, void (*submit)(Form&)) {
    form.goOnWith(pasteSteps(form, field, submit));
}

} // namespace

QString shownNumber(const QString& typed) {
    // Counted and cut in whole characters, so that a character beyond the basic plane is never
    // split into a broken half.
    const std::u32string c = removeAll(typed, QStringLiteral(" ")).toStdU32String();
    const auto part = [&c](std::size_t from, std::size_t length) {
        return QString::fromStdU32String(c.substr(from, length));
    };
    if (c.size() == 11 && c.front() == U'1')
        return part(0, 3) + u' ' + part(3, 4) + u' ' + part(7, 4);
    if (c.size() == 11 && c.front() == U'0')
        return part(0, 4) + u' ' + part(4, 7);
    return QString::fromStdU32String(c);
}

void submitNumber(Form& form) {
    const QString shown = shownNumber(form.text(ControlId::NumberField));
    // Hidden rows keep the number too, so that switching a row on shows the current one.
    for (const ElementId label :
         {ElementId::NumberLarge, ElementId::NumberLine, ElementId::Row1Number,
          ElementId::Row2Number, ElementId::Row3Number})
        form.element(label).caption = shown;
}

void pasteNumber(Form& form) {
    paste(form, ControlId::NumberField, submitNumber);
}

void submitLocation(Form& form) {
    form.element(ElementId::Location).caption = form.text(ControlId::LocationField);
}

void pasteLocation(Form& form) {
    paste(form, ControlId::LocationField, submitLocation);
}

void clearNumber(Form& form) {
    form.setText(ControlId::NumberField, QString());
}
