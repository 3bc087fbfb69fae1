#include "element_table.h"

QString indexed(const char* arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index);
}

namespace {

const FontSpec Ebrima12{QStringLiteral("Ebrima"), 12, 400, 0};
const FontSpec Arial36{QStringLiteral("Arial"), 36, 400, 0};
const FontSpec Arial18{QStringLiteral("Arial"), 18, 400, 0};
const FontSpec Hei15{QStringLiteral("黑体"), 15, 400, 134};
const FontSpec Hei18{QStringLiteral("黑体"), 18, 400, 134};
const FontSpec HeiBold2175{QStringLiteral("黑体"), 21.75, 700, 134};

constexpr OleColor Grey = 0x00808080;
constexpr OleColor LightGrey = 0x00C0C0C0;

ScreenElement image(const QString& name, ElementRect rect, Asset picture, bool visible = true) {
    ScreenElement e;
    e.name = name;
    e.kind = ElementKind::Image;
    e.rect = rect;
    e.picture = picture;
    e.visible = visible;
    return e;
}

ScreenElement pictureBox(const QString& name, ElementRect rect, Asset picture, bool visible) {
    ScreenElement e = image(name, rect, picture, visible);
    e.kind = ElementKind::PictureBox;
    return e;
}

ScreenElement label(const QString& name, ElementRect rect, const QString& caption, OleColor fore,
                    OleColor back, const FontSpec& font, Alignment alignment, bool visible = true) {
    ScreenElement e;
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
    float md1Top, md1Width, phone3Top, label14Top, picture1Top, picture2Top;
    const char* date;
    const char* duration;
};
constexpr RowLayout Rows[3] = {
    {6795, 5055, 7470, 7080, 7530, 11040, "10月14日 9:32", "1分11秒"},
    {8160, 5295, 8835, 8445, 8895, 11400, "10月10日 10:12", "34秒"},
    {9600, 5655, 10275, 9885, 10335, 11760, "10月8日 15:47", "19秒"},
};

ScreenElement md1(int i) {
    return label(indexed("md1", i), {360, Rows[i].md1Top, Rows[i].md1Width, 495},
                 QString::fromUtf8(Rows[i].date), Black, White, HeiBold2175, Alignment::Left,
                 i == 0);
}
ScreenElement phone3(int i) {
    return label(indexed("phone3", i), {720, Rows[i].phone3Top, 2655, 495},
                 QStringLiteral("138 0013 8000"), Grey, White, Arial18, Alignment::Left, i == 0);
}
ScreenElement label14(int i) {
    return label(indexed("Label14", i), {5400, Rows[i].label14Top, 2295, 495},
                 QString::fromUtf8(Rows[i].duration), LightGrey, White, Hei18, Alignment::Right,
                 i == 0);
}
ScreenElement picture1(int i) {
    return pictureBox(indexed("Picture1", i), {360, Rows[i].picture1Top, 300, 285}, Asset::CallIcon,
                      i == 0);
}
ScreenElement picture2(int i) {
    return pictureBox(indexed("Picture2", i), {8160, Rows[i].picture2Top, 300, 285},
                      Asset::MissedCallIcon, false);
}

} // namespace

std::vector<ScreenElement> elementTable() {
    return {
        image(QStringLiteral("Image1"), {0, 0, 7860, 12825}, Asset::PhoneBackground),
        label(QStringLiteral("phone1"), {960, 3840, 6015, 855}, QStringLiteral("138 0013 8000"),
              ButtonTextColour, White, Arial36, Alignment::Centre),
        label(QStringLiteral("phone2"), {600, 5030, 2895, 495}, QStringLiteral("138 0013 8000"),
              Black, White, Arial18, Alignment::Left),
        phone3(0),
        label(QStringLiteral("yys"), {600, 5480, 3375, 375}, QStringLiteral("广东湛江 移动"),
              LightGrey, White, Hei15, Alignment::Left),
        md1(0),
        label14(0),
        label(QStringLiteral("Label15"), {5600, 90, 615, 375}, QStringLiteral("91%"),
              ButtonTextColour, White, Ebrima12, Alignment::Centre),
        label(QStringLiteral("Label17"), {6795, 90, 975, 375}, QStringLiteral("15:17"),
              ButtonTextColour, White, Ebrima12, Alignment::Left),
        image(QStringLiteral("Image2"), {400, 800, 855, 735}, Asset::None),
        label14(1),
        md1(1),
        phone3(1),
        label14(2),
        md1(2),
        phone3(2),
        image(QStringLiteral("Image3"), {0, 11760, 7860, 3465}, Asset::BottomBand, false),
        image(QStringLiteral("Image4"), {6310, 200, 315, 150}, Asset::BatteryFill),
        // Picture boxes have windows of their own and so lie above every element above.
        picture1(0),
        picture1(1),
        picture1(2),
        picture2(0),
        picture2(1),
        picture2(2),
    };
}
