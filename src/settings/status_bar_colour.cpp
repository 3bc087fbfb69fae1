#include "status_bar_colour.h"

#include "basic/conversions.h"
#include "field_blame.h"
#include "screen/form.h"

namespace {

int component(const Form& form, const QString& field) {
    return blamingField(field, [&] { return toInt16(form.text(field)); });
}

} // namespace

OleColor statusBarColour(const Form& form, ColourReadOrder order) {
    const QString fields[] = {QStringLiteral("Text9"), QStringLiteral("Text10"),
                              QStringLiteral("Text11")};
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const int at = order == ColourReadOrder::RedFirst ? i : 2 - i;
        rgb[at] = component(form, fields[at]);
    }
    return colourRule(rgb[0], rgb[1], rgb[2]);
}
