#pragma once

#include <array>

// One call-record row: which settings fields, boxes and buttons belong to it and which
// phone-screen elements show it. The field numbers follow the window definition and do not run
// the same way in every row, so every command looks its fields up here.
struct RowFields {
    const char* month;
    const char* day;
    const char* time;
    const char* minutes;
    const char* seconds;
};

struct RowElements {
    const char* md1;      // date and time
    const char* phone3;   // number
    const char* label14;  // duration
    const char* picture1; // call icon
    const char* picture2; // unanswered-call icon, lying on the call icon
};

struct RowButtons {
    const char* today;
    const char* submitDateTime;
    const char* now;
    const char* plusSeven;
    const char* submitDuration;
};

struct RecordRow {
    int index;
    RowFields fields;
    const char* unansweredBox;
    const char* enablingBox; // nullptr: the row is always shown
    RowElements elements;
    RowButtons buttons;
    // Whether the duration "提交" puts the unanswered box's "响铃" on the caption. The first row's
    // leaves that to the box itself.
    bool durationSubmitMarks;
};

extern const std::array<RecordRow, 3> recordRows;
