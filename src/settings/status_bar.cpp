#include "status_bar.h"

#include "basic/conversions.h"
#include "field_blame.h"
#include "screen/form.h"
#include "status_bar_colour.h"

#include <QDateTime>

namespace {

const QString Battery = QStringLiteral("Text1");
const QString Percent = QStringLiteral("%");

// The whole percentage the battery field stands for, whatever "%" it carries.
double batteryLevel(const Form& form) {
    return blamingField(Battery,
                        [&] { return vbFloor(toDouble(removeAll(form.text(Battery), Percent))); });
}

// The fill shows the left part of the bar in proportion to the level. A level beyond what the
// element can hold is refused by the element; the user has to mend the battery field.
void setBatteryFill(Form& form, double level) {
    blamingField(Battery, [&] {
        form.setWidth(QStringLiteral("Image4"), vbFloor(level / 100 * form.image4w));
    });
}

void showBattery(Form& form) {
    form.element(QStringLiteral("Label15")).caption = form.text(Battery);
}

void showClock(Form& form) {
    form.element(QStringLiteral("Label17")).caption = form.text(QStringLiteral("Text2"));
}

} // namespace

void Command1_Click(Form& form) {
    form.setText(Battery, removeAll(form.text(Battery), Percent));
    form.setText(Battery, numberToText(batteryLevel(form) - 1));
    // Stepping down from 1 % starts again at a full battery: the phone never shows 0 %.
    if (batteryLevel(form) <= 0)
        form.setText(Battery, QStringLiteral("100"));
    setBatteryFill(form, batteryLevel(form));
    form.setText(Battery, form.text(Battery) + Percent);
    showBattery(form);
}

void Command2_Click(Form& form) {
    if (!form.text(Battery).contains(Percent))
        form.setText(Battery, form.text(Battery) + Percent);
    showBattery(form);
    setBatteryFill(form, batteryLevel(form));
}

void Command3_Click(Form& form) {
    const QTime now = form.platform().now().time();
    form.setText(QStringLiteral("Text2"),
                 QString::number(now.hour()) + QStringLiteral(":") + QString::number(now.minute()));
    showClock(form);
}

void Command4_Click(Form& form) {
    showClock(form);
}

void Command13_Click(Form& form) {
    const OleColor colour = statusBarColour(form, ColourReadOrder::RedFirst);
    form.element(QStringLiteral("Label15")).backColor = colour;
    form.element(QStringLiteral("Label17")).backColor = colour;
}
