#include "panel_table.h"

#include <array>

namespace {

using K = ControlKind;
using F = PanelFont;
using E = ControlEvent;

constexpr auto L = K::Label;
constexpr auto T = K::TextField;
constexpr auto B = K::Button;
constexpr auto C = K::CheckBox;

constexpr std::optional<OleColor> RedText = Red;
constexpr std::optional<OleColor> BlueText = Blue;
constexpr std::optional<OleColor> NoColour = std::nullopt;

constexpr const char* Instructions =
    "说明：步骤1、设置手机号及参数；步骤2、点左箭头隐藏设置(此时已自动截屏)，如未截屏按ALT+"
    "PRTSCEEN截"
    "屏，再粘贴到聊天窗口即可。显示不了底下部分，需要把屏幕设置为纵向就可见了。";

const std::array Table = {
    // Top of the panel
    PanelControl{
        B, "Command23", {8040, 0, 5295, 255}, "退出软件", F::Default, NoColour, 85, E::Click},
    PanelControl{L,
                 "Label1",
                 {7920, 480, 5775, 495},
                 " 设置：（点←开/关设置）",
                 F::Title,
                 NoColour,
                 0,
                 E::Click},
    // Status bar
    PanelControl{L, "Label2", {8040, 1320, 1455, 255}, "电量：", F::Caption, NoColour, 1},
    PanelControl{T, "Text1", {9480, 1320, 2055, 270}, "92%", F::Default, NoColour, 2},
    PanelControl{B, "Command1", {11520, 1320, 855, 255}, "减1", F::Default, NoColour, 3, E::Click},
    PanelControl{B, "Command2", {12360, 1320, 855, 255}, "提交", F::Default, NoColour, 4, E::Click},
    PanelControl{L, "Label3", {8040, 1800, 1455, 255}, "手机时间：", F::Caption, NoColour, 5},
    PanelControl{T, "Text2", {9480, 1800, 2055, 270}, "15:17", F::Default, NoColour, 6},
    PanelControl{B, "Command3", {11520, 1800, 855, 255}, "现在", F::Default, NoColour, 7, E::Click},
    PanelControl{B, "Command4", {12360, 1800, 855, 255}, "提交", F::Default, NoColour, 8, E::Click},
    // Number and location
    PanelControl{L, "Label4", {8040, 2280, 1455, 255}, "手机号码：", F::Caption, NoColour, 9},
    PanelControl{
        T, "Text3", {9480, 2280, 2055, 270}, "13800138000", F::Number, RedText, 10, E::DblClick},
    PanelControl{
        B, "Command5", {11520, 2280, 855, 255}, "粘贴", F::Default, NoColour, 11, E::Click},
    PanelControl{
        B, "Command6", {12360, 2280, 855, 255}, "提交", F::Default, NoColour, 12, E::Click},
    PanelControl{L, "Label5", {8040, 2760, 1455, 255}, "手机营运商：", F::Caption, NoColour, 13},
    PanelControl{T, "Text4", {9480, 2760, 2055, 270}, "广东湛江 移动", F::Default, NoColour, 14},
    PanelControl{
        B, "Command7", {11520, 2760, 855, 255}, "粘贴", F::Default, NoColour, 15, E::Click},
    PanelControl{
        B, "Command8", {12360, 2760, 855, 255}, "提交", F::Default, NoColour, 16, E::Click},
    // Call record 1
    PanelControl{L, "Label6", {8040, 3240, 1455, 255}, "通话日期：", F::Caption, NoColour, 17},
    PanelControl{T, "Text5", {9480, 3240, 615, 270}, "10", F::Default, NoColour, 18},
    PanelControl{L, "Label7", {10080, 3240, 375, 255}, "月", F::Caption, NoColour, 21},
    PanelControl{T, "Text6", {10440, 3240, 615, 270}, "15", F::Default, NoColour, 22},
    PanelControl{L, "Label8", {11040, 3240, 375, 255}, "日", F::Caption, NoColour, 23},
    PanelControl{
        B, "Command9", {11520, 3240, 855, 255}, "今天", F::Default, NoColour, 19, E::Click},
    PanelControl{
        B, "Command10", {12360, 3240, 855, 735}, "提交", F::Default, NoColour, 20, E::Click},
    PanelControl{L, "Label31", {8040, 3720, 1455, 255}, "通话时间：", F::Caption, NoColour, 90},
    PanelControl{T, "Text20", {9480, 3720, 2055, 270}, "9:01", F::Default, NoColour, 89},
    PanelControl{
        B, "Command25", {11520, 3720, 855, 255}, "现在", F::Default, NoColour, 88, E::Click},
    PanelControl{L, "Label9", {8040, 4200, 1455, 255}, "通话时长：", F::Caption, NoColour, 24},
    PanelControl{T, "Text7", {9480, 4200, 615, 270}, "1", F::Default, NoColour, 25, E::DblClick},
    PanelControl{L, "Label10", {10080, 4200, 375, 255}, "分", F::Caption, NoColour, 28},
    PanelControl{T, "Text8", {10440, 4200, 615, 270}, "11", F::Default, NoColour, 29},
    PanelControl{L, "Label11", {11040, 4200, 375, 255}, "秒", F::Caption, NoColour, 30},
    PanelControl{
        B, "Command11", {11520, 4200, 855, 255}, "秒+7", F::Default, NoColour, 26, E::Click},
    PanelControl{
        B, "Command12", {12360, 4200, 855, 255}, "提交", F::Default, NoColour, 27, E::Click},
    PanelControl{B,
                 "Command22",
                 {11520, 4440, 1695, 255},
                 "手机时间加此时长",
                 F::Default,
                 NoColour,
                 83,
                 E::Click},
    PanelControl{
        C, "Check3", {9480, 4560, 1455, 180}, "未接通(红色)", F::Default, NoColour, 91, E::Click},
    PanelControl{K::Line, "Line1(0)", {8040, 4800, 13200, 4800}, "", F::Default, NoColour, -1},
    // Call record 2
    PanelControl{
        C, "Check1", {8160, 5040, 1695, 255}, "启用通话记录2", F::Default, NoColour, 45, E::Click},
    PanelControl{L, "Label21", {8040, 5520, 1455, 255}, "通话日期：", F::Caption, NoColour, 58},
    PanelControl{T, "Text15", {9480, 5520, 615, 270}, "10", F::Default, NoColour, 52},
    PanelControl{L, "Label20", {10080, 5520, 375, 255}, "月", F::Caption, NoColour, 57},
    PanelControl{T, "Text14", {10440, 5520, 615, 270}, "10", F::Default, NoColour, 49},
    PanelControl{L, "Label19", {11040, 5520, 375, 255}, "日", F::Caption, NoColour, 56},
    PanelControl{
        B, "Command17", {11520, 5520, 855, 255}, "今天", F::Default, NoColour, 51, E::Click},
    PanelControl{
        B, "Command16", {12360, 5520, 855, 735}, "提交", F::Default, NoColour, 50, E::Click},
    PanelControl{L, "Label32", {8040, 6000, 1455, 255}, "通话时间：", F::Caption, NoColour, 94},
    PanelControl{
        T, "Text21", {9480, 6000, 2055, 270}, "10:12", F::Default, NoColour, 93, E::DblClick},
    PanelControl{
        B, "Command27", {11520, 6000, 855, 255}, "现在", F::Default, NoColour, 92, E::Click},
    PanelControl{L, "Label18", {8040, 6480, 1455, 255}, "通话时长：", F::Caption, NoColour, 55},
    PanelControl{T, "Text13", {9480, 6480, 615, 270}, "", F::Default, NoColour, 73, E::DblClick},
    PanelControl{L, "Label13", {10080, 6480, 375, 255}, "分", F::Caption, NoColour, 54},
    PanelControl{T, "Text12", {10440, 6480, 615, 270}, "34", F::Default, NoColour, 46},
    PanelControl{L, "Label12", {11040, 6480, 375, 255}, "秒", F::Caption, NoColour, 53},
    PanelControl{
        B, "Command15", {11520, 6480, 855, 255}, "秒+7", F::Default, NoColour, 48, E::Click},
    PanelControl{
        B, "Command14", {12360, 6480, 855, 255}, "提交", F::Default, NoColour, 47, E::Click},
    PanelControl{C,
                 "Check4",
                 {9480, 6840, 1695, 180},
                 "未接通(红色)",
                 F::Default,
                 NoColour,
                 95,
                 E::Click,
                 true,
                 false},
    PanelControl{K::Line, "Line1(1)", {8040, 7080, 13200, 7080}, "", F::Default, NoColour, -1},
    // Call record 3
    PanelControl{
        C, "Check2", {8160, 7320, 1695, 255}, "启用通话记录3", F::Default, NoColour, 59, E::Click},
    PanelControl{L, "Label27", {8040, 7800, 1455, 255}, "通话日期：", F::Caption, NoColour, 72},
    PanelControl{T, "Text19", {9480, 7800, 615, 270}, "10", F::Default, NoColour, 66},
    PanelControl{L, "Label26", {10080, 7800, 375, 255}, "月", F::Caption, NoColour, 71},
    PanelControl{T, "Text18", {10440, 7800, 615, 270}, "8", F::Default, NoColour, 63},
    PanelControl{L, "Label25", {11040, 7800, 375, 255}, "日", F::Caption, NoColour, 70},
    PanelControl{
        B, "Command21", {11520, 7800, 855, 255}, "今天", F::Default, NoColour, 65, E::Click},
    PanelControl{
        B, "Command20", {12360, 7800, 855, 735}, "提交", F::Default, NoColour, 64, E::Click},
    PanelControl{L, "Label33", {8040, 8280, 1455, 255}, "通话时间：", F::Caption, NoColour, 98},
    PanelControl{
        T, "Text22", {9480, 8280, 2055, 270}, "15:47", F::Default, NoColour, 97, E::DblClick},
    PanelControl{
        B, "Command29", {11520, 8280, 855, 255}, "现在", F::Default, NoColour, 96, E::Click},
    PanelControl{L, "Label24", {8040, 8760, 1455, 255}, "通话时长：", F::Caption, NoColour, 69},
    PanelControl{T, "Text17", {9480, 8760, 615, 270}, "", F::Default, NoColour, 74, E::DblClick},
    PanelControl{L, "Label23", {10080, 8760, 375, 255}, "分", F::Caption, NoColour, 68},
    PanelControl{T, "Text16", {10440, 8760, 615, 270}, "19", F::Default, NoColour, 60},
    PanelControl{L, "Label22", {11040, 8760, 375, 255}, "秒", F::Caption, NoColour, 67},
    PanelControl{
        B, "Command19", {11520, 8760, 855, 255}, "秒+7", F::Default, NoColour, 62, E::Click},
    PanelControl{
        B, "Command18", {12360, 8760, 855, 255}, "提交", F::Default, NoColour, 61, E::Click},
    PanelControl{C,
                 "Check5",
                 {9480, 9120, 1575, 180},
                 "未接通(红色)",
                 F::Default,
                 NoColour,
                 99,
                 E::Click,
                 true,
                 false},
    // Instructions, window and export
    PanelControl{L, "Label28", {8160, 9480, 5175, 1215}, Instructions, F::Caption, NoColour, 84},
    PanelControl{L,
                 "Label29",
                 {11520, 10800, 1695, 255},
                 "慢双击恢复窗口高度",
                 F::Default,
                 BlueText,
                 86,
                 E::Click},
    PanelControl{L,
                 "Label30",
                 {11520, 11040, 1695, 255},
                 "慢双击加长窗口高度",
                 F::Default,
                 BlueText,
                 87,
                 E::Click},
    PanelControl{L,
                 "Label34",
                 {11280, 11520, 2175, 255},
                 "保存截屏JPG到软件位置",
                 F::Default,
                 BlueText,
                 103,
                 E::Click,
                 false},
    PanelControl{C,
                 "Check6",
                 {11880, 11760, 1575, 255},
                 "自动保存JPG",
                 F::Default,
                 BlueText,
                 105,
                 E::None,
                 true,
                 true,
                 1},
    // Status-bar colour
    PanelControl{L, "Label16", {8040, 12480, 1815, 255}, "上侧灰色RGB：", F::Caption, NoColour, 38},
    PanelControl{T, "Text9", {9840, 12480, 615, 270}, "225", F::Default, NoColour, 39},
    PanelControl{T, "Text10", {10680, 12480, 615, 270}, "218", F::Default, NoColour, 41},
    PanelControl{T, "Text11", {11400, 12480, 615, 270}, "236", F::Default, NoColour, 42},
    PanelControl{
        B, "Command13", {12360, 12480, 855, 255}, "保存", F::Default, NoColour, 40, E::Click},
};

} // namespace

std::span<const PanelControl> panelTable() {
    return Table;
}

const PanelControl* findPanelControl(QStringView name) {
    for (const PanelControl& c : Table)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
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
