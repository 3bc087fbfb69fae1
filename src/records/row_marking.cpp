// SPDX-License-Identifier: MIT
#include "row_marking.h"

#include "basic/colour.h"
#include "form/form.h"
#include "row_captions.h"
#include "row_table.h"

#include <initializer_list>

namespace {

void setVisible(Form& form, std::initializer_list<ElementId> elements, bool visible) {
    for (const ElementId id : elements)
        form.element(id).visible = visible;
}

bool ticked(const Form& form, ControlId box) {
    return form.value(box) == 1;
}

const RecordRow& second = recordRows[1];
const RecordRow& third = recordRows[2];

} // namespace

void applyUnansweredMarking(Form& form, const RecordRow& row) {
    const bool unanswered = ticked(form, row.unansweredBox);
    const RowElements& e = row.elements;
    form.element(e.missedIcon).visible = unanswered;
    form.element(e.callIcon).visible = !unanswered;
    form.element(e.dateTime).foreColor = unanswered ? Red : Black;
    QString& duration = form.element(e.duration).caption;
    duration = markedDuration(duration, unanswered);
}

void unansweredBoxClicked(Form& form, const RecordRow& row) {
    if (!row.enablingBox || ticked(form, *row.enablingBox))
        applyUnansweredMarking(form, row);
}

void switchSecondRow(Form& form) {
    const RowElements& e2 = second.elements;
    const RowElements& e3 = third.elements;
    if (ticked(form, *second.enablingBox)) {
        setVisible(form, {e2.dateTime, e2.callIcon, e2.number, e2.duration}, true);
        form.setEnabled(second.unansweredBox, true);
        // The marking the row had when it was switched off comes back with it.
        applyUnansweredMarking(form, second);
        return;
    }
    setVisible(form, {e2.dateTime, e2.callIcon, e2.number, e2.duration}, false);
    form.setEnabled(second.unansweredBox, false);
    // The third record cannot be shown without the second; its box's handler hides it.
    form.setValue(*third.enablingBox, 0);
    setVisible(form,
               {e3.dateTime, e3.callIcon, e2.missedIcon, e3.missedIcon, e3.number, e3.duration},
               false);
}

void switchThirdRow(Form& form) {
    const RowElements& e2 = second.elements;
    const RowElements& e3 = third.elements;
    const bool on = ticked(form, *third.enablingBox);
    applyUnansweredMarking(form, third);
    if (on) {
        setVisible(form, {e3.dateTime, e3.number, e3.duration}, true);
        form.setEnabled(third.unansweredBox, true);
        // Showing the third record shows the second too, through its own box's handler.
        form.setValue(*second.enablingBox, 1);
        setVisible(form, {e2.dateTime, e2.number, e2.duration}, true);
        return;
    }
    setVisible(form, {e3.missedIcon, e3.callIcon, e3.dateTime, e3.number, e3.duration}, false);
    form.setEnabled(third.unansweredBox, false);
}

void layMissedCallIcons(Form& form) {
    for (const RecordRow& row : recordRows) {
        const ElementRect call = form.element(row.elements.callIcon).rect;
        form.setTop(row.elements.missedIcon, call.top);
        form.setLeft(row.elements.missedIcon, call.left);
    }
}
