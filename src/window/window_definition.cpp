// SPDX-License-Identifier: MIT
#include "window_definition.h"

#include "capture.h"
#include "export.h"
#include "records/derived_times.h"
#include "records/row_commands.h"
#include "records/row_marking.h"
#include "records/row_table.h"
#include "screen/element_table.h"
#include "settings/number_location.h"
#include "settings/panel_table.h"
#include "settings/status_bar.h"
#include "window_modes.h"

namespace {

// A command of every call-record row, for one row.
template <void (*Command)(Form&, const RecordRow&), int Row> void onRow(Form& form) {
    Command(form, recordRows[Row]);
}

using enum ControlId;
using enum EventKind;
using enum Recording;

// Each handler under the name the window definition gives it, its control and event first.
const EventBinding Bindings[] = {
    {"Form_Load", Load, {}, startUp},
    {"Form_Resize", Resize, {}, applyResizeRules},
    {"Timer1_Timer", Timer, {}, exportAfterCapture},
    // Status bar
    {"Command1_Click", Click, BatteryDownButton, stepBatteryDown},
    {"Command2_Click", Click, BatterySubmitButton, submitBattery},
    {"Command3_Click", Click, ClockNowButton, fillClockNow},
    {"Command4_Click", Click, ClockSubmitButton, submitClock},
    {"Command13_Click", Click, ColourSaveButton, applyStatusBarColour},
    // Number and location
    {"Command5_Click", Click, NumberPasteButton, pasteNumber},
    {"Command6_Click", Click, NumberSubmitButton, submitNumber},
    {"Text3_DblClick", DblClick, NumberField, clearNumber, Recorded, "empties it"},
    {"Command7_Click", Click, LocationPasteButton, pasteLocation},
    {"Command8_Click", Click, LocationSubmitButton, submitLocation},
    // Call record 1
    {"Command9_Click", Click, Row1TodayButton, onRow<fillToday, 0>},
    {"Command10_Click", Click, Row1DateTimeSubmitButton, onRow<submitDateTime, 0>},
    {"Command25_Click", Click, Row1NowButton, onRow<fillNow, 0>},
    {"Command11_Click", Click, Row1PlusSevenButton, onRow<addSevenSeconds, 0>},
    {"Command12_Click", Click, Row1DurationSubmitButton, onRow<submitDuration, 0>},
    {"Text7_DblClick", DblClick, Row1MinutesField, onRow<clearMinutes, 0>, Recorded, "empties it"},
    {"Check3_Click", Click, Row1MissedBox, onRow<unansweredBoxClicked, 0>},
    {"Command22_Click", Click, ClockAdvanceButton, advancePhoneClock},
    // Call record 2
    {"Check1_Click", Click, Row2EnableBox, switchSecondRow},
    {"Command17_Click", Click, Row2TodayButton, onRow<fillToday, 1>},
    {"Command16_Click", Click, Row2DateTimeSubmitButton, onRow<submitDateTime, 1>},
    {"Text21_DblClick", DblClick, Row2TimeField, deriveSecondRowTime, Recorded,
     "sets it two minutes before the record above"},
    {"Command27_Click", Click, Row2NowButton, onRow<fillNow, 1>},
    {"Command15_Click", Click, Row2PlusSevenButton, onRow<addSevenSeconds, 1>},
    {"Command14_Click", Click, Row2DurationSubmitButton, onRow<submitDuration, 1>},
    {"Text13_DblClick", DblClick, Row2MinutesField, onRow<clearMinutes, 1>, Recorded, "empties it"},
    {"Check4_Click", Click, Row2MissedBox, onRow<unansweredBoxClicked, 1>},
    // Call record 3
    {"Check2_Click", Click, Row3EnableBox, switchThirdRow},
    {"Command21_Click", Click, Row3TodayButton, onRow<fillToday, 2>},
    {"Command20_Click", Click, Row3DateTimeSubmitButton, onRow<submitDateTime, 2>},
    {"Text22_DblClick", DblClick, Row3TimeField, deriveThirdRowTime, Recorded,
     "sets it three minutes before the record above"},
    {"Command29_Click", Click, Row3NowButton, onRow<fillNow, 2>},
    {"Command19_Click", Click, Row3PlusSevenButton, onRow<addSevenSeconds, 2>},
    {"Command18_Click", Click, Row3DurationSubmitButton, onRow<submitDuration, 2>},
    {"Text17_DblClick", DblClick, Row3MinutesField, onRow<clearMinutes, 2>, Recorded, "empties it"},
    {"Check5_Click", Click, Row3MissedBox, onRow<unansweredBoxClicked, 2>},
    // Window, capture and export
    {"Image2_Click", Click, ElementId::BackArrow, toggleWidthAutoSaving, Recorded,
     "the back arrow ←"},
    {"Label1_Click", Click, PanelTitle, toggleWidthWithoutSaving},
    {"Label30_Click", Click, LengthenLabel, lengthenWindow},
    {"Label29_Click", Click, RestoreHeightLabel, restoreHeight},
    {"Label34_Click", Click, SavePictureLabel, exportClipboardPicture, Unrecorded},
    {"Command23_Click", Click, QuitButton, quitProgram, Unrecorded},
};

} // namespace

void startUp(Form& form) {
    startStatusBar(form);
    layMissedCallIcons(form);
}

const WindowDefinition& windowDefinition() {
    static const WindowDefinition definition{elementTable(), panelTable(), Bindings};
    return definition;
}
