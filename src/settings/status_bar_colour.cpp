#include "status_bar_colour.h"

#include "basic/conversions.h"
#include "field_blame.h"
#include "screen/form.h"

namespace {

int component(const Form& form, const QString& field) {
    return blamingField(field, [&] { return toInt16(form.text(field)); });
}

} // namespace

OleColor statusBarColour(const Form& form) {
    const int blue = component(form, QStringLiteral("Text11"));
    const int green = component(form, QStringLiteral("Text10"));
    const int red = component(form, QStringLiteral("Text9"));
    return colourRule(red, green, blue);
}
