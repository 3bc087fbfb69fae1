#include "capture.h"
#include "export.h"
#include "screen/form.h"
#include "window_modes.h"

void bindWindowEvents(EventTable& table) {
    table.click.insert(QStringLiteral("Image2"), Image2_Click);
    table.click.insert(QStringLiteral("Label1"), Label1_Click);
    table.click.insert(QStringLiteral("Label29"), Label29_Click);
    table.click.insert(QStringLiteral("Label30"), Label30_Click);
    table.click.insert(QStringLiteral("Command23"), Command23_Click);
    table.click.insert(QStringLiteral("Label34"), Label34_Click);
    table.resize = Form_Resize;
    table.timer = Timer1_Timer;
}
