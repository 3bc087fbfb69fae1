// SPDX-License-Identifier: MIT
#include "panel_table.h"

#include <array>

namespace {

using enum ControlId;
using F = PanelFont;
using enum FieldInput;

// The kinds of control, each in the font it has unless the table says otherwise: the captions in
// the caption font, everything else in the window's default font.
// Every control but a text field goes by its caption.
constexpr PanelControl control(ControlId id, ControlKind kind, const char* name, ElementRect rect,
                               const char* text, int tabIndex, PanelFont font) {
    return {.id = id,
            .kind = kind,
            .name = name,
            .label = text,
            .rect = rect,
            .text = text,
            .font = font,
            .tabIndex = tabIndex};
}
constexpr PanelControl label(ControlId id, const char* name, ElementRect rect, const char* text,
                             int tabIndex, PanelFont font = F::Caption) {
    return control(id, ControlKind::Label, name, rect, text, tabIndex, font);
}
// A text field goes by the caption beside it, and by its record where there are three, since the
// user reads it from its place on the panel.
constexpr PanelControl field(ControlId id, const char* name, const char* label, FieldInput input,
                             ElementRect rect, const char* text, int tabIndex,
                             PanelFont font = F::Default) {
    PanelControl c = control(id, ControlKind::TextField, name, rect, text, tabIndex, font);
    c.label = label;
    c.input = input;
    return c;
}
constexpr PanelControl button(ControlId id, const char* name, ElementRect rect, const char* text,
                              int tabIndex) {
    return control(id, ControlKind::Button, name, rect, text, tabIndex, F::Default);
}
constexpr PanelControl box(ControlId id, const char* name, ElementRect rect, const char* text,
                           int tabIndex) {
    return control(id, ControlKind::CheckBox, name, rect, text, tabIndex, F::Default);
}
// A line has its two end points x1, y1, x2, y2 for a rectangle and takes no focus.
constexpr PanelControl line(ControlId id, const char* name, ElementRect ends) {
    return control(id, ControlKind::Line, name, ends, "", -1, F::Default);
}

// What sets a control apart from the platform's look and the usual start state.
constexpr PanelControl coloured(PanelControl c, PackedColour colour) {
    c.textColour = colour;
    return c;
}
constexpr PanelControl hidden(PanelControl c) {
    c.visible = false;
    return c;
}
constexpr PanelControl disabled(PanelControl c) {
    c.enabled = false;
    return c;
}
// Return in the field presses the button that submits the field's row.
constexpr PanelControl submittedBy(PanelControl c, ControlId button) {
    c.returnPresses = button;
    return c;
}
constexpr PanelControl ticked(PanelControl c) {
    c.value = 1;
    return c;
}
// What the control does, for its tooltip.
constexpr PanelControl hinted(PanelControl c, const char* hint) {
    c.hint = hint;
    return c;
}

// What the control acts on or belongs to, for a screen reader.
constexpr PanelControl about(PanelControl c, const char* subject) {
    c.subject = subject;
    return c;
}

// The hints the three call records share.
constexpr const char* TodayHint = "填入今天的月和日，并把这条通话记录的日期和时间显示到手机画面上";
constexpr const char* DateTimeHint = "把这条通话记录的日期和时间显示到手机画面上";
constexpr const char* NowHint = "填入电脑现在的时间，并把这条通话记录的日期和时间显示到手机画面上";
constexpr const char* PlusSevenHint = "通话时长加 7 秒，并显示到手机画面上";
constexpr const char* DurationHint = "把这条通话记录的通话时长显示到手机画面上";
constexpr const char* MissedHint = "标为未接通：日期变红，通话时长前显示“响铃”，图标换成未接来电的";

constexpr const char* InstructionsText =
    "说明：步骤1、设置手机号及参数；步骤2、点左箭头隐藏设置(此时已自动截屏)，如未截屏按ALT+"
    "PRTSCEEN截"
    "屏，再粘贴到聊天窗口即可。显示不了底下部分，需要把屏幕设置为纵向就可见了。";

constexpr std::array Table = {
    // Top of the panel
    hinted(button(QuitButton, "Command23", {8040, 0, 5295, 255}, "退出软件", 85),
           "退出软件；这次的操作保留为上次退出时的设置"),
    hinted(
        label(PanelTitle, "Label1", {7920, 480, 5775, 495}, " 设置：（点←开/关设置）", 0, F::Title),
        "点击：只显示手机画面并截屏到剪贴板（不自动保存），再点一次显示设置"),
    // Status bar
    label(BatteryCaption, "Label2", {8040, 1320, 1455, 255}, "电量：", 1),
    submittedBy(field(BatteryField, "Text1", "电量", Percent, {9480, 1320, 2055, 270}, "92%", 2),
                BatterySubmitButton),
    about(hinted(button(BatteryDownButton, "Command1", {11520, 1320, 855, 255}, "减1", 3),
                 "电量减 1，并显示到手机画面上"),
          "电量"),
    about(hinted(button(BatterySubmitButton, "Command2", {12360, 1320, 855, 255}, "提交", 4),
                 "把电量显示到手机画面上"),
          "电量"),
    label(ClockCaption, "Label3", {8040, 1800, 1455, 255}, "手机时间：", 5),
    submittedBy(
        field(ClockField, "Text2", "手机时间", TimeOfDay, {9480, 1800, 2055, 270}, "15:17", 6),
        ClockSubmitButton),
    about(hinted(button(ClockNowButton, "Command3", {11520, 1800, 855, 255}, "现在", 7),
                 "填入电脑现在的时间，并显示到手机画面上"),
          "手机时间"),
    about(hinted(button(ClockSubmitButton, "Command4", {12360, 1800, 855, 255}, "提交", 8),
                 "把手机时间显示到手机画面上"),
          "手机时间"),
    // Number and location
    label(NumberCaption, "Label4", {8040, 2280, 1455, 255}, "手机号码：", 9),
    coloured(submittedBy(field(NumberField, "Text3", "手机号码", FreeText, {9480, 2280, 2055, 270},
                               "13800138000", 10, F::Number),
                         NumberSubmitButton),
             Red),
    about(hinted(button(NumberPasteButton, "Command5", {11520, 2280, 855, 255}, "粘贴", 11),
                 "粘贴剪贴板中的号码，并显示到手机画面上"),
          "手机号码"),
    about(hinted(button(NumberSubmitButton, "Command6", {12360, 2280, 855, 255}, "提交", 12),
                 "把号码显示到手机画面上（手机号分成 3-4-4 位）"),
          "手机号码"),
    label(LocationCaption, "Label5", {8040, 2760, 1455, 255}, "手机营运商：", 13),
    submittedBy(field(LocationField, "Text4", "手机营运商", FreeText, {9480, 2760, 2055, 270},
                      "广东湛江 移动", 14),
                LocationSubmitButton),
    about(hinted(button(LocationPasteButton, "Command7", {11520, 2760, 855, 255}, "粘贴", 15),
                 "粘贴剪贴板中的营运商，并显示到手机画面上"),
          "手机营运商"),
    about(hinted(button(LocationSubmitButton, "Command8", {12360, 2760, 855, 255}, "提交", 16),
                 "把营运商显示到手机画面上"),
          "手机营运商"),
    // Call record 1
    about(label(Row1DateCaption, "Label6", {8040, 3240, 1455, 255}, "通话日期：", 17), "通话记录1"),
    submittedBy(field(Row1MonthField, "Text5", "通话记录1的通话日期（月）", Month,
                      {9480, 3240, 615, 270}, "10", 18),
                Row1DateTimeSubmitButton),
    about(label(Row1MonthUnit, "Label7", {10080, 3240, 375, 255}, "月", 21), "通话记录1的通话日期"),
    submittedBy(field(Row1DayField, "Text6", "通话记录1的通话日期（日）", Day,
                      {10440, 3240, 615, 270}, "15", 22),
                Row1DateTimeSubmitButton),
    about(label(Row1DayUnit, "Label8", {11040, 3240, 375, 255}, "日", 23), "通话记录1的通话日期"),
    about(
        hinted(button(Row1TodayButton, "Command9", {11520, 3240, 855, 255}, "今天", 19), TodayHint),
        "通话记录1的通话日期"),
    about(hinted(button(Row1DateTimeSubmitButton, "Command10", {12360, 3240, 855, 735}, "提交", 20),
                 DateTimeHint),
          "通话记录1的通话日期和时间"),
    about(label(Row1TimeCaption, "Label31", {8040, 3720, 1455, 255}, "通话时间：", 90),
          "通话记录1"),
    submittedBy(field(Row1TimeField, "Text20", "通话记录1的通话时间", TimeOfDay,
                      {9480, 3720, 2055, 270}, "9:01", 89),
                Row1DateTimeSubmitButton),
    about(hinted(button(Row1NowButton, "Command25", {11520, 3720, 855, 255}, "现在", 88), NowHint),
          "通话记录1的通话时间"),
    about(label(Row1DurationCaption, "Label9", {8040, 4200, 1455, 255}, "通话时长：", 24),
          "通话记录1"),
    submittedBy(field(Row1MinutesField, "Text7", "通话记录1的通话时长（分）", Minutes,
                      {9480, 4200, 615, 270}, "1", 25),
                Row1DurationSubmitButton),
    about(label(Row1MinutesUnit, "Label10", {10080, 4200, 375, 255}, "分", 28),
          "通话记录1的通话时长"),
    submittedBy(field(Row1SecondsField, "Text8", "通话记录1的通话时长（秒）", Seconds,
                      {10440, 4200, 615, 270}, "11", 29),
                Row1DurationSubmitButton),
    about(label(Row1SecondsUnit, "Label11", {11040, 4200, 375, 255}, "秒", 30),
          "通话记录1的通话时长"),
    about(hinted(button(Row1PlusSevenButton, "Command11", {11520, 4200, 855, 255}, "秒+7", 26),
                 PlusSevenHint),
          "通话记录1的通话时长"),
    about(hinted(button(Row1DurationSubmitButton, "Command12", {12360, 4200, 855, 255}, "提交", 27),
                 DurationHint),
          "通话记录1的通话时长"),
    about(hinted(button(ClockAdvanceButton, "Command22", {11520, 4440, 1695, 255},
                        "手机时间加此时长", 83),
                 "手机时间加上通话记录1的通话时长，并显示到手机画面上"),
          "通话记录1的通话时长"),
    about(hinted(box(Row1MissedBox, "Check3", {9480, 4560, 1455, 180}, "未接通(红色)", 91),
                 MissedHint),
          "通话记录1"),
    line(Row1Separator, "Line1(0)", {8040, 4800, 13200, 4800}),
    // Call record 2
    hinted(box(Row2EnableBox, "Check1", {8160, 5040, 1695, 255}, "启用通话记录2", 45),
           "在手机画面上显示或隐藏通话记录2（隐藏时也隐藏记录3）"),
    about(label(Row2DateCaption, "Label21", {8040, 5520, 1455, 255}, "通话日期：", 58),
          "通话记录2"),
    submittedBy(field(Row2MonthField, "Text15", "通话记录2的通话日期（月）", Month,
                      {9480, 5520, 615, 270}, "10", 52),
                Row2DateTimeSubmitButton),
    about(label(Row2MonthUnit, "Label20", {10080, 5520, 375, 255}, "月", 57),
          "通话记录2的通话日期"),
    submittedBy(field(Row2DayField, "Text14", "通话记录2的通话日期（日）", Day,
                      {10440, 5520, 615, 270}, "10", 49),
                Row2DateTimeSubmitButton),
    about(label(Row2DayUnit, "Label19", {11040, 5520, 375, 255}, "日", 56), "通话记录2的通话日期"),
    about(hinted(button(Row2TodayButton, "Command17", {11520, 5520, 855, 255}, "今天", 51),
                 TodayHint),
          "通话记录2的通话日期"),
    about(hinted(button(Row2DateTimeSubmitButton, "Command16", {12360, 5520, 855, 735}, "提交", 50),
                 DateTimeHint),
          "通话记录2的通话日期和时间"),
    about(label(Row2TimeCaption, "Label32", {8040, 6000, 1455, 255}, "通话时间：", 94),
          "通话记录2"),
    submittedBy(field(Row2TimeField, "Text21", "通话记录2的通话时间", TimeOfDay,
                      {9480, 6000, 2055, 270}, "10:12", 93),
                Row2DateTimeSubmitButton),
    about(hinted(button(Row2NowButton, "Command27", {11520, 6000, 855, 255}, "现在", 92), NowHint),
          "通话记录2的通话时间"),
    about(label(Row2DurationCaption, "Label18", {8040, 6480, 1455, 255}, "通话时长：", 55),
          "通话记录2"),
    submittedBy(field(Row2MinutesField, "Text13", "通话记录2的通话时长（分）", Minutes,
                      {9480, 6480, 615, 270}, "", 73),
                Row2DurationSubmitButton),
    about(label(Row2MinutesUnit, "Label13", {10080, 6480, 375, 255}, "分", 54),
          "通话记录2的通话时长"),
    submittedBy(field(Row2SecondsField, "Text12", "通话记录2的通话时长（秒）", Seconds,
                      {10440, 6480, 615, 270}, "34", 46),
                Row2DurationSubmitButton),
    about(label(Row2SecondsUnit, "Label12", {11040, 6480, 375, 255}, "秒", 53),
          "通话记录2的通话时长"),
    about(hinted(button(Row2PlusSevenButton, "Command15", {11520, 6480, 855, 255}, "秒+7", 48),
                 PlusSevenHint),
          "通话记录2的通话时长"),
    about(hinted(button(Row2DurationSubmitButton, "Command14", {12360, 6480, 855, 255}, "提交", 47),
                 DurationHint),
          "通话记录2的通话时长"),
    about(disabled(hinted(box(Row2MissedBox, "Check4", {9480, 6840, 1695, 180}, "未接通(红色)", 95),
                          MissedHint)),
          "通话记录2"),
    line(Row2Separator, "Line1(1)", {8040, 7080, 13200, 7080}),
    // Call record 3
    hinted(box(Row3EnableBox, "Check2", {8160, 7320, 1695, 255}, "启用通话记录3", 59),
           "在手机画面上显示或隐藏通话记录3（显示时也显示记录2）"),
    about(label(Row3DateCaption, "Label27", {8040, 7800, 1455, 255}, "通话日期：", 72),
          "通话记录3"),
    submittedBy(field(Row3MonthField, "Text19", "通话记录3的通话日期（月）", Month,
                      {9480, 7800, 615, 270}, "10", 66),
                Row3DateTimeSubmitButton),
    about(label(Row3MonthUnit, "Label26", {10080, 7800, 375, 255}, "月", 71),
          "通话记录3的通话日期"),
    submittedBy(field(Row3DayField, "Text18", "通话记录3的通话日期（日）", Day,
                      {10440, 7800, 615, 270}, "8", 63),
                Row3DateTimeSubmitButton),
    about(label(Row3DayUnit, "Label25", {11040, 7800, 375, 255}, "日", 70), "通话记录3的通话日期"),
    about(hinted(button(Row3TodayButton, "Command21", {11520, 7800, 855, 255}, "今天", 65),
                 TodayHint),
          "通话记录3的通话日期"),
    about(hinted(button(Row3DateTimeSubmitButton, "Command20", {12360, 7800, 855, 735}, "提交", 64),
                 DateTimeHint),
          "通话记录3的通话日期和时间"),
    about(label(Row3TimeCaption, "Label33", {8040, 8280, 1455, 255}, "通话时间：", 98),
          "通话记录3"),
    submittedBy(field(Row3TimeField, "Text22", "通话记录3的通话时间", TimeOfDay,
                      {9480, 8280, 2055, 270}, "15:47", 97),
                Row3DateTimeSubmitButton),
    about(hinted(button(Row3NowButton, "Command29", {11520, 8280, 855, 255}, "现在", 96), NowHint),
          "通话记录3的通话时间"),
    about(label(Row3DurationCaption, "Label24", {8040, 8760, 1455, 255}, "通话时长：", 69),
          "通话记录3"),
    submittedBy(field(Row3MinutesField, "Text17", "通话记录3的通话时长（分）", Minutes,
                      {9480, 8760, 615, 270}, "", 74),
                Row3DurationSubmitButton),
    about(label(Row3MinutesUnit, "Label23", {10080, 8760, 375, 255}, "分", 68),
          "通话记录3的通话时长"),
    submittedBy(field(Row3SecondsField, "Text16", "通话记录3的通话时长（秒）", Seconds,
                      {10440, 8760, 615, 270}, "19", 60),
                Row3DurationSubmitButton),
    about(label(Row3SecondsUnit, "Label22", {11040, 8760, 375, 255}, "秒", 67),
          "通话记录3的通话时长"),
    about(hinted(button(Row3PlusSevenButton, "Command19", {11520, 8760, 855, 255}, "秒+7", 62),
                 PlusSevenHint),
          "通话记录3的通话时长"),
    about(hinted(button(Row3DurationSubmitButton, "Command18", {12360, 8760, 855, 255}, "提交", 61),
                 DurationHint),
          "通话记录3的通话时长"),
    about(disabled(hinted(box(Row3MissedBox, "Check5", {9480, 9120, 1575, 180}, "未接通(红色)", 99),
                          MissedHint)),
          "通话记录3"),
    // Instructions, window and export
    label(Instructions, "Label28", {8160, 9480, 5175, 1215}, InstructionsText, 84),
    hinted(coloured(label(RestoreHeightLabel, "Label29", {11520, 10800, 1695, 255},
                          "慢双击恢复窗口高度", 86, F::Default),
                    Blue),
           "点两下，中间稍停：窗口恢复原来的高度，去掉下面加出的一截"),
    hinted(coloured(label(LengthenLabel, "Label30", {11520, 11040, 1695, 255}, "慢双击加长窗口高度",
                          87, F::Default),
                    Blue),
           "点两下，中间稍停：窗口加长，在下面再显示一截底栏"),
    hinted(hidden(coloured(label(SavePictureLabel, "Label34", {11280, 11520, 2175, 255},
                                 "保存截屏JPG到软件位置", 103, F::Default),
                           Blue)),
           "把剪贴板中的截屏保存为 JPG，以手机号码命名"),
    hinted(ticked(coloured(
               box(AutoSaveBox, "Check6", {11880, 11760, 1575, 255}, "自动保存JPG", 105), Blue)),
           "选中时，点←截屏后半秒自动把截屏保存为 JPG"),
    // Status-bar colour
    label(ColourCaption, "Label16", {8040, 12480, 1815, 255}, "上侧灰色RGB：", 38),
    submittedBy(field(ColourRedField, "Text9", "上侧灰色RGB的红", ColourComponent,
                      {9840, 12480, 615, 270}, "225", 39),
                ColourSaveButton),
    submittedBy(field(ColourGreenField, "Text10", "上侧灰色RGB的绿", ColourComponent,
                      {10680, 12480, 615, 270}, "218", 41),
                ColourSaveButton),
    submittedBy(field(ColourBlueField, "Text11", "上侧灰色RGB的蓝", ColourComponent,
                      {11400, 12480, 615, 270}, "236", 42),
                ColourSaveButton),
    about(hinted(button(ColourSaveButton, "Command13", {12360, 12480, 855, 255}, "保存", 40),
                 "用红、绿、蓝三个数（0 到 255）设置状态栏的背景颜色"),
          "上侧灰色RGB"),
};

} // namespace

std::span<const PanelControl> panelTable() {
    return Table;
}

FontSpec panelFontSpec(PanelFont font) {
    switch (font) {
    case PanelFont::Title:
        return {QStringLiteral("宋体"), 21.75, 700, 134};
    case PanelFont::Caption:
        return {QStringLiteral("宋体"), 12, 400, 134};
    case PanelFont::Number:
        return {QStringLiteral("宋体"), 9, 700, 134};
    case PanelFont::Default:
        break;
    }
    return defaultPanelFontSpec();
}

FontSpec defaultPanelFontSpec() {
    return {QStringLiteral("Noto Sans CJK SC"), 9, 400, 134};
}
