// SPDX-License-Identifier: MIT
#pragma once

#include "basic/colour.h"

#include <QString>

// The phone-screen elements, by what they show, in stacking order from the bottom: an element
// paints over every element before it. The comments give each one's name in the window
// definition, which the element table keeps for the places where users meet it.
enum class ElementId {
    Background,     // Image1
    NumberLarge,    // phone1
    NumberLine,     // phone2
    Row1Number,     // phone3(0)
    Location,       // yys
    Row1DateTime,   // md1(0)
    Row1Duration,   // Label14(0)
    BatteryText,    // Label15
    ClockText,      // Label17
    BackArrow,      // Image2
    Row2Duration,   // Label14(1)
    Row2DateTime,   // md1(1)
    Row2Number,     // phone3(1)
    Row3Duration,   // Label14(2)
    Row3DateTime,   // md1(2)
    Row3Number,     // phone3(2)
    BottomBand,     // Image3
    BatteryFill,    // Image4
    Row1CallIcon,   // Picture1(0)
    Row2CallIcon,   // Picture1(1)
    Row3CallIcon,   // Picture1(2)
    Row1MissedIcon, // Picture2(0)
    Row2MissedIcon, // Picture2(1)
    Row3MissedIcon, // Picture2(2)
};
inline constexpr int ElementCount = int(ElementId::Row3MissedIcon) + 1;

enum class ElementKind { Image, Label, PictureBox };

// The pictures that come with the window.
enum class Asset { None, PhoneBackground, BottomBand, BatteryFill, CallIcon, MissedCallIcon };

struct FontSpec {
    QString face;
    double points = 12.0;
    int weight = 400; // 400 normal, 700 bold
    int charset = 0;  // 0 Western, 134 GB2312
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Left, top, width and height in twips; single precision, as the forms layer keeps them.
struct ElementRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const ElementRect&, const ElementRect&) = default;
};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct ScreenElement {
    ElementId id = ElementId::Background;
    QString name; // the window definition's: an array member carries its index, "md1(1)"
    ElementKind kind = ElementKind::Label;
    ElementRect rect;
    QString caption;
    PackedColour foreColor = ButtonTextColour;
    PackedColour backColor = ButtonFaceColour;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    Asset picture = Asset::None;
    friend bool operator==(const ScreenElement&, const ScreenElement&) = default;
};
