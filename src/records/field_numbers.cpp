#include "field_numbers.h"

#include "basic/conversions.h"
#include "screen/form.h"

double fieldNumber(const Form& form, const char* field) {
    return blamed(field, [&] { return toDouble(form.text(field)); });
}

double partNumber(const QStringList& parts, qsizetype index, const char* field) {
    return blamed(field, [&] { return toDouble(partAt(parts, index)); });
}
