#include "form_load.h"

#include "basic/colour.h"
#include "basic/conversions.h"
#include "form.h"
#include "screen_element.h"

#include <cmath>

namespace {

// Blue, green, red in that order, as the colour row is read everywhere.
OleColor statusBarColour(const Form& form) {
    const int blue = toInt16(form.text(QStringLiteral("Text11")));
    const int green = toInt16(form.text(QStringLiteral("Text10")));
    const int red = toInt16(form.text(QStringLiteral("Text9")));
    return colourRule(red, green, blue);
}

} // namespace

void Form_Load(Form& form) {
    form.element(QStringLiteral("Label15")).backColor = statusBarColour(form);
    form.element(QStringLiteral("Label17")).backColor = statusBarColour(form);

    form.image4w = toInt32(form.element(QStringLiteral("Image4")).rect.width);
    form.setWidth(QStringLiteral("Image4"), std::floor(form.image4w * 0.91));

    for (int i = 0; i < 3; ++i) {
        const ElementRect call = form.element(indexed("Picture1", i)).rect;
        form.setTop(indexed("Picture2", i), call.top);
        form.setLeft(indexed("Picture2", i), call.left);
    }
}

void bindScreenEvents(EventTable& table) {
    table.load = Form_Load;
}
