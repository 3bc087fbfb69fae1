#include "form_load.h"

#include "basic/conversions.h"
#include "form.h"
#include "screen_element.h"
#include "settings/status_bar_colour.h"

#include <cmath>

void Form_Load(Form& form) {
    form.element(QStringLiteral("Label15")).backColor =
        statusBarColour(form, ColourReadOrder::BlueFirst);
    form.element(QStringLiteral("Label17")).backColor =
        statusBarColour(form, ColourReadOrder::BlueFirst);

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
