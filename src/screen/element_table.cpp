// SPDX-License-Identifier: MIT
#include "element_table.h"

namespace {

QString indexed(const char* arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index);
}

const FontSpec Ebrima12{QStringLiteral("Ebrima"), 12, 400, 0};
const FontSpec Arial36{QStringLiteral("Arial"), 36, 400, 0};
const FontSpec Arial18{QStringLiteral("Arial"), 18, 400, 0};
const FontSpec Hei15{QStringLiteral("黑体"), 15, 400, 134};
const FontSpec Hei18{QStringLiteral("黑体"), 18, 400, 134};
const FontSpec HeiBold2175{QStringLiteral("黑体"), 21.75, 700, 134};

constexpr PackedColour Grey = 0x00808080;
constexpr PackedColour LightGrey = 0x00C0C0C0;

ScreenElement image(ElementId id, const QString& name, ElementRect rect, Asset picture,
                    bool visible = true) {
    ScreenElement e;
    e.id = id;
    e.name = name;
    e.kind = ElementKind::Image;
    e.rect = rect;
    e.picture = picture;
    e.visible = visible;
    return e;
}

ScreenElement pictureBox(ElementId id, const QString& name, ElementRect rect, Asset picture,
                         bool visible) {
    ScreenElement e = image(id, name, rect, picture, visible);
    e.kind = ElementKind::PictureBox;
    return e;
}

ScreenElement label(ElementId id, const QString& name, ElementRect rect, const QString& caption,
                    PackedColour fore, PackedColour back, const FontSpec& font, Alignment alignment,
                    bool visible = true) {
    ScreenElement e;
    e.id = id;
    e.name = name;
    e.kind = ElementKind::Label;
    e.rect = rect;
    e.caption = caption;
    e.foreColor = fore;
    e.backColor = back;
    e.font = font;
    e.alignment = alignment;
    e.visible = visible;
    return e;
}

// The call-record rows; row 2 lies 1365 twips below row 1, row 3 1440 below row 2.
struct RowLayout {
    ElementId dateTime, number, duration, callIcon, missedIcon;
    float dateTimeTop, dateTimeWidth, numberTop, durationTop, callIconTop, missedIconTop;
    const char* date;
    const char* seconds;
};
constexpr RowLayout Rows[3] = {
    {ElementId::Row1DateTime, ElementId::Row1Number, ElementId::Row1Duration,
     ElementId::Row1CallIcon, ElementId::Row1MissedIcon, 6795, 5055, 7470, 7080, 7530, 11040,
     "10月14日 9:32", "1分11秒"},
    {ElementId::Row2DateTime, ElementId::Row2Number, ElementId::Row2Duration,
     ElementId::Row2CallIcon, ElementId::Row2MissedIcon, 8160, 5295, 8835, 8445, 8895, 11400,
     "10月10日 10:12", "34秒"},
    {ElementId::Row3DateTime, ElementId::Row3Number, ElementId::Row3Duration,
     ElementId::Row3CallIcon, ElementId::Row3MissedIcon, 9600, 5655, 10275, 9885, 10335, 11760,
     "10月8日 15:47", "19秒"},
};

ScreenElement dateTimeLabel(int i) {
    const RowLayout& r = Rows[i];
    return label(r.dateTime, indexed("md1", i), {360, r.dateTimeTop, r.dateTimeWidth, 495},
                 QString::fromUtf8(r.date), Black, White, HeiBold2175, Alignment::Left, i == 0);
}
ScreenElement numberLabel(int i) {
    const RowLayout& r = Rows[i];
    return label(r.number, indexed("phone3", i), {720, r.numberTop, 2655, 495},
                 QStringLiteral("138 0013 8000"), Grey, White, Arial18, Alignment::Left, i == 0);
}
ScreenElement durationLabel(int i) {
    const RowLayout& r = Rows[i];
    return label(r.duration, indexed("Label14", i), {5400, r.durationTop, 2295, 495},
                 QString::fromUtf8(r.seconds), LightGrey, White, Hei18, Alignment::Right, i == 0);
}
ScreenElement callIcon(int i) {
    const RowLayout& r = Rows[i];
    return pictureBox(r.callIcon, indexed("Picture1", i), {360, r.callIconTop, 300, 285},
                      Asset::CallIcon, i == 0);
}
ScreenElement missedIcon(int i) {
    const RowLayout& r = Rows[i];
    return pictureBox(r.missedIcon, indexed("Picture2", i), {8160, r.missedIconTop, 300, 285},
                      Asset::MissedCallIcon, false);
}

} // namespace

const std::vector<ScreenElement>& elementTable() {
    static const std::vector<ScreenElement> table = {
        image(ElementId::Background, QStringLiteral("Image1"), {0, 0, 7860, 12825},
              Asset::PhoneBackground),
        label(ElementId::NumberLarge, QStringLiteral("phone1"), {960, 3840, 6015, 855},
              QStringLiteral("138 0013 8000"), ButtonTextColour, White, Arial36, Alignment::Centre),
        label(ElementId::NumberLine, QStringLiteral("phone2"), {600, 5030, 2895, 495},
              QStringLiteral("138 0013 8000"), Black, White, Arial18, Alignment::Left),
        numberLabel(0),
        label(ElementId::Location, QStringLiteral("yys"), {600, 5480, 3375, 375},
              QStringLiteral("广东湛江 移动"), LightGrey, White, Hei15, Alignment::Left),
        dateTimeLabel(0),
        durationLabel(0),
        label(ElementId::BatteryText, QStringLiteral("Label15"), {5600, 90, 615, 375},
              QStringLiteral("91%"), ButtonTextColour, White, Ebrima12, Alignment::Centre),
        label(ElementId::ClockText, QStringLiteral("Label17"), {6795, 90, 975, 375},
              QStringLiteral("15:17"), ButtonTextColour, White, Ebrima12, Alignment::Left),
        image(ElementId::BackArrow, QStringLiteral("Image2"), {400, 800, 855, 735}, Asset::None),
        durationLabel(1),
        dateTimeLabel(1),
        numberLabel(1),
        durationLabel(2),
        dateTimeLabel(2),
        numberLabel(2),
        image(ElementId::BottomBand, QStringLiteral("Image3"), {0, 11760, 7860, 3465},
              Asset::BottomBand, false),
        image(ElementId::BatteryFill, QStringLiteral("Image4"), {6310, 200, 315, 150},
              Asset::BatteryFill),
        // Picture boxes have windows of their own and so lie above every element above.
        callIcon(0),
        callIcon(1),
        callIcon(2),
        missedIcon(0),
        missedIcon(1),
        missedIcon(2),
    };
    return table;
}
