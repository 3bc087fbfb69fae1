#include "row_marking.h"

#include "basic/colour.h"
#include "records_handlers.h"
#include "row_captions.h"
#include "row_table.h"
#include "screen/form.h"

#include <initializer_list>

namespace {

void setVisible(Form& form, std::initializer_list<const char*> elements, bool visible) {
    for (const char* name : elements)
        form.element(name).visible = visible;
}

bool ticked(const Form& form, const char* box) {
    return form.value(box) == 1;
}

const RecordRow& second = recordRows[1];
const RecordRow& third = recordRows[2];

} // namespace

void applyUnansweredMarking(Form& form, const RecordRow& row) {
    const bool unanswered = ticked(form, row.unansweredBox);
    const RowElements& e = row.elements;
    form.element(e.picture2).visible = unanswered;
    form.element(e.picture1).visible = !unanswered;
    form.element(e.md1).foreColor = unanswered ? Red : Black;
    QString& duration = form.element(e.label14).caption;
    duration = markedDuration(duration, unanswered);
}

void unansweredBoxClicked(Form& form, const RecordRow& row) {
    if (!row.enablingBox || ticked(form, row.enablingBox))
        applyUnansweredMarking(form, row);
}

void Check1_Click(Form& form) {
    const RowElements& e2 = second.elements;
    const RowElements& e3 = third.elements;
    if (ticked(form, second.enablingBox)) {
        setVisible(form, {e2.md1, e2.picture1, e2.phone3, e2.label14}, true);
        form.setEnabled(second.unansweredBox, true);
        // The marking the row had when it was switched off comes back with it.
        applyUnansweredMarking(form, second);
        return;
    }
    setVisible(form, {e2.md1, e2.picture1, e2.phone3, e2.label14}, false);
    form.setEnabled(second.unansweredBox, false);
    // The third record cannot be shown without the second; its box's handler hides it.
    form.setValue(third.enablingBox, 0);
    setVisible(form, {e3.md1, e3.picture1, e2.picture2, e3.picture2, e3.phone3, e3.label14}, false);
}

void Check2_Click(Form& form) {
    const RowElements& e2 = second.elements;
    const RowElements& e3 = third.elements;
    const bool on = ticked(form, third.enablingBox);
    applyUnansweredMarking(form, third);
    if (on) {
        setVisible(form, {e3.md1, e3.phone3, e3.label14}, true);
        form.setEnabled(third.unansweredBox, true);
        // Showing the third record shows the second too, through its own box's handler.
        form.setValue(second.enablingBox, 1);
        setVisible(form, {e2.md1, e2.phone3, e2.label14}, true);
        return;
    }
    setVisible(form, {e3.picture2, e3.picture1, e3.md1, e3.phone3, e3.label14}, false);
    form.setEnabled(third.unansweredBox, false);
}
