// SPDX-License-Identifier: MIT
#include "field_numbers.h"

#include "basic/conversions.h"
#include "form/field_blame.h"
#include "form/form.h"

double fieldNumber(const Form& form, ControlId field) {
    return blamingField(form, field, [&] { return toDouble(form.text(field)); });
}

double partNumber(const Form& form, const QStringList& parts, qsizetype index, ControlId field) {
    return blamingField(form, field, [&] { return toDouble(partAt(parts, index)); });
}
