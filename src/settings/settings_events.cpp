#include "number_location.h"
#include "screen/form.h"
#include "status_bar.h"

void bindSettingsEvents(EventTable& table) {
    table.click.insert(QStringLiteral("Command1"), Command1_Click);
    table.click.insert(QStringLiteral("Command2"), Command2_Click);
    table.click.insert(QStringLiteral("Command3"), Command3_Click);
    table.click.insert(QStringLiteral("Command4"), Command4_Click);
    table.click.insert(QStringLiteral("Command13"), Command13_Click);
    table.click.insert(QStringLiteral("Command5"), Command5_Click);
    table.click.insert(QStringLiteral("Command6"), Command6_Click);
    table.click.insert(QStringLiteral("Command7"), Command7_Click);
    table.click.insert(QStringLiteral("Command8"), Command8_Click);
    table.dblClick.insert(QStringLiteral("Text3"), Text3_DblClick);
}
