// SPDX-License-Identifier: MIT
#pragma once

#include "form/control.h"
#include "form/element.h"

#include <array>
#include <optional>

// One call-record row: which settings fields, boxes and buttons belong to it and which
// phone-screen elements show it. The rows differ only in these, so every row command looks its
// fields and elements up here.
struct RowFields {
    ControlId month;
    ControlId day;
    ControlId time;
    ControlId minutes;
    ControlId seconds;
};

struct RowElements {
    ElementId dateTime;
    ElementId number;
    ElementId duration;
    ElementId callIcon;
    ElementId missedIcon; // lies on the call icon
};

struct RowButtons {
    ControlId today;
    ControlId submitDateTime;
    ControlId now;
    ControlId plusSeven;
    ControlId submitDuration;
};

struct RecordRow {
    RowFields fields;
    ControlId unansweredBox;
    std::optional<ControlId> enablingBox; // none: the row is always shown
    RowElements elements;
    RowButtons buttons;
    // Whether the duration "提交" puts the unanswered box's "响铃" on the caption. The first row's
    // leaves that to the box itself.
    bool durationSubmitMarks;
};

extern const std::array<RecordRow, 3> recordRows;
