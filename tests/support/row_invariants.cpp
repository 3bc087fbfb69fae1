#include "row_invariants.h"

#include "basic/colour.h"
#include "records/row_table.h"
#include "screen/form.h"

QString brokenRowInvariant(const Form& form) {
    const auto shown = [&](const char* name) { return form.element(name).visible; };
    if (form.value("Check2") == 1 && form.value("Check1") != 1)
        return QStringLiteral("Check2 ticked without Check1");
    for (const RecordRow& row : recordRows) {
        const QString at = QStringLiteral(" (row %1)").arg(row.index + 1);
        const bool on = !row.enablingBox || form.value(row.enablingBox) == 1;
        const bool unanswered = form.value(row.unansweredBox) == 1;
        const RowElements& e = row.elements;
        if (row.enablingBox && form.enabled(row.unansweredBox) != on)
            return QStringLiteral("unanswered box enabled differs from its row") + at;
        if (shown(e.md1) != on || shown(e.phone3) != on || shown(e.label14) != on)
            return QStringLiteral("labels shown differ from the row") + at;
        if (shown(e.picture2) != (on && unanswered) || shown(e.picture1) != (on && !unanswered))
            return QStringLiteral("wrong icon") + at;
        if (on && form.element(e.md1).foreColor != (unanswered ? Red : Black))
            return QStringLiteral("wrong date colour") + at;
    }
    return {};
}
