// SPDX-License-Identifier: MIT
#include "status_bar.h"

#include "basic/conversions.h"
#include "basic/time_of_day.h"
#include "form/field_blame.h"
#include "form/form.h"
#include "status_bar_colour.h"

#include <QDateTime>
#include <cmath>

namespace {

const QString Percent = QStringLiteral("%");
// What a Chinese input method types for it.
const QString FullWidthPercent = QStringLiteral("％");

QString withoutPercentSigns(const QString& text) {
    return removeAll(removeAll(text, Percent), FullWidthPercent);
}

// The whole percentage the battery field stands for, whatever percent signs it carries.
double batteryLevel(const Form& form) {
    return blamingField(form, ControlId::BatteryField, [&] {
        return roundDown(toDouble(withoutPercentSigns(form.text(ControlId::BatteryField))));
    });
}

// The battery fill's width at 100 %, in twips: the width the window definition gives it.
qint32 fullBatteryWidth(const Form& form) {
    return toInt32(form.definition(ElementId::BatteryFill).rect.width);
}

// The fill shows the left part of the bar in proportion to the level. A level beyond what the
// element can hold is refused by the element; the user has to mend the battery field.
void setBatteryFill(Form& form, double level) {
    blamingField(form, ControlId::BatteryField, [&] {
        form.setWidth(ElementId::BatteryFill, roundDown(level / 100 * fullBatteryWidth(form)));
    });
}

void showBattery(Form& form) {
    form.element(ElementId::BatteryText).caption = form.text(ControlId::BatteryField);
}

void showClock(Form& form) {
    form.element(ElementId::ClockText).caption = form.text(ControlId::ClockField);
}

} // namespace

void stepBatteryDown(Form& form) {
    const ControlId battery = ControlId::BatteryField;
    form.setText(battery, withoutPercentSigns(form.text(battery)));
    form.setText(battery, numberToText(batteryLevel(form) - 1));
    // Stepping down from 1 % starts again at a full battery: the phone never shows 0 %.
    if (batteryLevel(form) <= 0)
        form.setText(battery, QStringLiteral("100"));
    setBatteryFill(form, batteryLevel(form));
    form.setText(battery, form.text(battery) + Percent);
    showBattery(form);
}

void submitBattery(Form& form) {
    const ControlId battery = ControlId::BatteryField;
    const QString& typed = form.text(battery);
    if (!typed.contains(Percent) && !typed.contains(FullWidthPercent))
        form.setText(battery, form.text(battery) + Percent);
    showBattery(form);
    setBatteryFill(form, batteryLevel(form));
}

void fillClockNow(Form& form) {
    const QTime now = form.clock().now().time();
    form.setText(ControlId::ClockField, timeOfDayText(now.hour(), now.minute()));
    showClock(form);
}

void submitClock(Form& form) {
    showClock(form);
}

void applyStatusBarColour(Form& form) {
    const PackedColour colour = statusBarColour(form, ColourReadOrder::RedFirst);
    form.element(ElementId::BatteryText).backColor = colour;
    form.element(ElementId::ClockText).backColor = colour;
}

void startStatusBar(Form& form) {
    form.element(ElementId::BatteryText).backColor =
        statusBarColour(form, ColourReadOrder::BlueFirst);
    form.element(ElementId::ClockText).backColor =
        statusBarColour(form, ColourReadOrder::BlueFirst);

    form.setWidth(ElementId::BatteryFill, std::floor(fullBatteryWidth(form) * 0.91));
}
