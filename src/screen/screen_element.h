#pragma once

#include "basic/colour.h"

#include <QString>

enum class ElementKind { Image, Label, PictureBox };

// The pictures that come with the window.
enum class Asset { None, PhoneBackground, BottomBand, BatteryFill, CallIcon, MissedCallIcon };

struct FontSpec {
    QString face;
    double points = 12.0;
    int weight = 400; // 400 normal, 700 bold
    int charset = 0;  // 0 Western, 134 GB2312
};

// Left, top, width and height in twips; single precision, as the forms layer keeps them.
struct ElementRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct ScreenElement {
    QString name; // an array member carries its index: "md1(1)"
    ElementKind kind = ElementKind::Label;
    ElementRect rect;
    QString caption;
    OleColor foreColor = ButtonTextColour;
    OleColor backColor = ButtonFaceColour;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    Asset picture = Asset::None;
};

// "md1" and 2 give "md1(2)".
QString indexed(const char* arrayName, int index);
