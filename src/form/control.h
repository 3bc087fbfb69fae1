// SPDX-License-Identifier: MIT
#pragma once

#include "basic/colour.h"
#include "element.h"

#include <QString>
#include <optional>

// The settings panel's controls, by what they are, top to bottom. The comments give each one's
// name in the window definition, which the panel table keeps for the places where users meet it.
enum class ControlId {
    QuitButton,               // Command23
    PanelTitle,               // Label1
    BatteryCaption,           // Label2
    BatteryField,             // Text1
    BatteryDownButton,        // Command1
    BatterySubmitButton,      // Command2
    ClockCaption,             // Label3
    ClockField,               // Text2
    ClockNowButton,           // Command3
    ClockSubmitButton,        // Command4
    NumberCaption,            // Label4
    NumberField,              // Text3
    NumberPasteButton,        // Command5
    NumberSubmitButton,       // Command6
    LocationCaption,          // Label5
    LocationField,            // Text4
    LocationPasteButton,      // Command7
    LocationSubmitButton,     // Command8
    Row1DateCaption,          // Label6
    Row1MonthField,           // Text5
    Row1MonthUnit,            // Label7
    Row1DayField,             // Text6
    Row1DayUnit,              // Label8
    Row1TodayButton,          // Command9
    Row1DateTimeSubmitButton, // Command10
    Row1TimeCaption,          // Label31
    Row1TimeField,            // Text20
    Row1NowButton,            // Command25
    Row1DurationCaption,      // Label9
    Row1MinutesField,         // Text7
    Row1MinutesUnit,          // Label10
    Row1SecondsField,         // Text8
    Row1SecondsUnit,          // Label11
    Row1PlusSevenButton,      // Command11
    Row1DurationSubmitButton, // Command12
    ClockAdvanceButton,       // Command22
    Row1MissedBox,            // Check3
    Row1Separator,            // Line1(0)
    Row2EnableBox,            // Check1
    Row2DateCaption,          // Label21
    Row2MonthField,           // Text15
    Row2MonthUnit,            // Label20
    Row2DayField,             // Text14
    Row2DayUnit,              // Label19
    Row2TodayButton,          // Command17
    Row2DateTimeSubmitButton, // Command16
    Row2TimeCaption,          // Label32
    Row2TimeField,            // Text21
    Row2NowButton,            // Command27
    Row2DurationCaption,      // Label18
    Row2MinutesField,         // Text13
    Row2MinutesUnit,          // Label13
    Row2SecondsField,         // Text12
    Row2SecondsUnit,          // Label12
    Row2PlusSevenButton,      // Command15
    Row2DurationSubmitButton, // Command14
    Row2MissedBox,            // Check4
    Row2Separator,            // Line1(1)
    Row3EnableBox,            // Check2
    Row3DateCaption,          // Label27
    Row3MonthField,           // Text19
    Row3MonthUnit,            // Label26
    Row3DayField,             // Text18
    Row3DayUnit,              // Label25
    Row3TodayButton,          // Command21
    Row3DateTimeSubmitButton, // Command20
    Row3TimeCaption,          // Label33
    Row3TimeField,            // Text22
    Row3NowButton,            // Command29
    Row3DurationCaption,      // Label24
    Row3MinutesField,         // Text17
    Row3MinutesUnit,          // Label23
    Row3SecondsField,         // Text16
    Row3SecondsUnit,          // Label22
    Row3PlusSevenButton,      // Command19
    Row3DurationSubmitButton, // Command18
    Row3MissedBox,            // Check5
    Instructions,             // Label28
    RestoreHeightLabel,       // Label29
    LengthenLabel,            // Label30
    SavePictureLabel,         // Label34
    AutoSaveBox,              // Check6
    ColourCaption,            // Label16
    ColourRedField,           // Text9
    ColourGreenField,         // Text10
    ColourBlueField,          // Text11
    ColourSaveButton,         // Command13
};
inline constexpr int ControlCount = int(ControlId::ColourSaveButton) + 1;

enum class ControlKind { Label, TextField, Button, CheckBox, Line };

// What a text field holds, for the message that tells the user what to type into it.
enum class FieldInput {
    FreeText,        // anything: the number, the location
    Percent,         // the battery: 92%
    TimeOfDay,       // hours and minutes: 9:05
    Minutes,         // a call's minutes
    Seconds,         // a call's seconds
    Month,           // 1 to 12
    Day,             // 1 to 31
    ColourComponent, // 0 to 255
};

enum class PanelFont {
    Default, // the window's default font
    Title,   // 宋体 21.75 pt bold
    Caption, // 宋体 12 pt
    Number,  // 宋体 9 pt bold
};

// One control of the settings panel, exactly as the window definition places it.
struct PanelControl {
    ControlId id;
    ControlKind kind;
    const char* name;  // the window definition's: "Text3", "Line1(0)"
    const char* label; // what the user calls it: its caption, or the caption beside a text field
    FieldInput input = FieldInput::FreeText;
    // Left, top, width, height in twips; for a line its end points x1, y1, x2, y2.
    ElementRect rect;
    const char* text; // caption, or a text field's initial text (UTF-8)
    PanelFont font = PanelFont::Default;
    std::optional<PackedColour> textColour = std::nullopt; // none: the platform's control colours
    int tabIndex = -1;                                     // -1: takes no focus
    bool visible = true;
    bool enabled = true;
    int value = 0; // check boxes: 0 clear, 1 ticked
    // Text fields: the button that Return in the field presses; none, and Return does nothing.
    std::optional<ControlId> returnPresses = std::nullopt;
    // What a control that answers clicks does, as its tooltip says it (UTF-8); none for the rest.
    const char* hint = nullptr;
    // What a button, box or caption acts on or belongs to, where its caption alone does not say
    // (UTF-8): a screen reader, which reads no layout, names the control by its caption and this.
    const char* subject = nullptr;
};

// The state of a control at run time.
struct ControlState {
    QString text;  // text fields
    int value = 0; // check boxes
    bool enabled = true;
    bool visible = true;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};
