// SPDX-License-Identifier: MIT
#include "row_table.h"

using enum ControlId;
using enum ElementId;

const std::array<RecordRow, 3> recordRows{{
    {.fields = {Row1MonthField, Row1DayField, Row1TimeField, Row1MinutesField, Row1SecondsField},
     .unansweredBox = Row1MissedBox,
     .enablingBox = std::nullopt,
     .elements = {Row1DateTime, Row1Number, Row1Duration, Row1CallIcon, Row1MissedIcon},
     .buttons = {Row1TodayButton, Row1DateTimeSubmitButton, Row1NowButton, Row1PlusSevenButton,
                 Row1DurationSubmitButton},
     .durationSubmitMarks = false},
    {.fields = {Row2MonthField, Row2DayField, Row2TimeField, Row2MinutesField, Row2SecondsField},
     .unansweredBox = Row2MissedBox,
     .enablingBox = Row2EnableBox,
     .elements = {Row2DateTime, Row2Number, Row2Duration, Row2CallIcon, Row2MissedIcon},
     .buttons = {Row2TodayButton, Row2DateTimeSubmitButton, Row2NowButton, Row2PlusSevenButton,
                 Row2DurationSubmitButton},
     .durationSubmitMarks = true},
    {.fields = {Row3MonthField, Row3DayField, Row3TimeField, Row3MinutesField, Row3SecondsField},
     .unansweredBox = Row3MissedBox,
     .enablingBox = Row3EnableBox,
     .elements = {Row3DateTime, Row3Number, Row3Duration, Row3CallIcon, Row3MissedIcon},
     .buttons = {Row3TodayButton, Row3DateTimeSubmitButton, Row3NowButton, Row3PlusSevenButton,
                 Row3DurationSubmitButton},
     .durationSubmitMarks = true},
}};
