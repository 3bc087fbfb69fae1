#include "derived_times.h"
#include "records_handlers.h"
#include "row_commands.h"
#include "row_marking.h"
#include "row_table.h"
#include "screen/form.h"

void Command9_Click(Form& f) {
    fillToday(f, recordRows[0]);
}
void Command10_Click(Form& f) {
    submitDateTime(f, recordRows[0]);
}
void Command25_Click(Form& f) {
    fillNow(f, recordRows[0]);
}
void Command11_Click(Form& f) {
    addSevenSeconds(f, recordRows[0]);
}
void Command12_Click(Form& f) {
    submitDuration(f, recordRows[0]);
}

void Command17_Click(Form& f) {
    fillToday(f, recordRows[1]);
}
void Command16_Click(Form& f) {
    submitDateTime(f, recordRows[1]);
}
void Command27_Click(Form& f) {
    fillNow(f, recordRows[1]);
}
void Command15_Click(Form& f) {
    addSevenSeconds(f, recordRows[1]);
}
void Command14_Click(Form& f) {
    submitDuration(f, recordRows[1]);
}

void Command21_Click(Form& f) {
    fillToday(f, recordRows[2]);
}
void Command20_Click(Form& f) {
    submitDateTime(f, recordRows[2]);
}
void Command29_Click(Form& f) {
    fillNow(f, recordRows[2]);
}
void Command19_Click(Form& f) {
    addSevenSeconds(f, recordRows[2]);
}
void Command18_Click(Form& f) {
    submitDuration(f, recordRows[2]);
}

void Check3_Click(Form& f) {
    unansweredBoxClicked(f, recordRows[0]);
}
void Check4_Click(Form& f) {
    unansweredBoxClicked(f, recordRows[1]);
}
void Check5_Click(Form& f) {
    unansweredBoxClicked(f, recordRows[2]);
}

void Text21_DblClick(Form& f) {
    deriveTime(f, recordRows[0], recordRows[1], 2);
}
void Text22_DblClick(Form& f) {
    deriveTime(f, recordRows[1], recordRows[2], 3);
}

void Text7_DblClick(Form& f) {
    clearMinutes(f, recordRows[0]);
}
void Text13_DblClick(Form& f) {
    clearMinutes(f, recordRows[1]);
}
void Text17_DblClick(Form& f) {
    clearMinutes(f, recordRows[2]);
}

namespace {

// Each row's handlers, in the order of the row table's buttons, then its unanswered box, its time
// field and its minutes field.
struct RowHandlers {
    Handler today, submitDateTime, now, plusSeven, submitDuration;
    Handler unansweredBox;
    Handler timeDblClick; // nullptr: row 1's time is typed, not derived
    Handler minutesDblClick;
};

constexpr RowHandlers rowHandlers[3] = {
    {Command9_Click, Command10_Click, Command25_Click, Command11_Click, Command12_Click,
     Check3_Click, nullptr, Text7_DblClick},
    {Command17_Click, Command16_Click, Command27_Click, Command15_Click, Command14_Click,
     Check4_Click, Text21_DblClick, Text13_DblClick},
    {Command21_Click, Command20_Click, Command29_Click, Command19_Click, Command18_Click,
     Check5_Click, Text22_DblClick, Text17_DblClick},
};

} // namespace

void bindRecordsEvents(EventTable& table) {
    for (std::size_t i = 0; i < recordRows.size(); ++i) {
        const RecordRow& row = recordRows[i];
        const RowHandlers& h = rowHandlers[i];
        table.click.insert(row.buttons.today, h.today);
        table.click.insert(row.buttons.submitDateTime, h.submitDateTime);
        table.click.insert(row.buttons.now, h.now);
        table.click.insert(row.buttons.plusSeven, h.plusSeven);
        table.click.insert(row.buttons.submitDuration, h.submitDuration);
        table.click.insert(row.unansweredBox, h.unansweredBox);
        if (h.timeDblClick)
            table.dblClick.insert(row.fields.time, h.timeDblClick);
        table.dblClick.insert(row.fields.minutes, h.minutesDblClick);
    }
    table.click.insert(recordRows[1].enablingBox, Check1_Click);
    table.click.insert(recordRows[2].enablingBox, Check2_Click);
    table.click.insert(QStringLiteral("Command22"), Command22_Click);
}
