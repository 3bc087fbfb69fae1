#pragma once

#include "basic/colour.h"
#include "screen/screen_element.h"

#include <optional>
#include <span>

enum class ControlKind { Label, TextField, Button, CheckBox, Line };

enum class PanelFont {
    Default, // the window's default font
    Title,   // 宋体 21.75 pt bold
    Caption, // 宋体 12 pt
    Number,  // 宋体 9 pt bold
};

enum class ControlEvent { None, Click, DblClick };

// One control of the settings panel, exactly as the window definition places it.
struct PanelControl {
    ControlKind kind;
    const char* name;
    // Left, top, width, height in twips; for a line its end points x1, y1, x2, y2.
    ElementRect rect;
    const char* text; // caption, or a text field's initial text (UTF-8)
    PanelFont font = PanelFont::Default;
    std::optional<OleColor> textColour = std::nullopt; // none: the platform's control colours
    int tabIndex = -1;                                 // -1: takes no focus
    ControlEvent event = ControlEvent::None;
    bool visible = true;
    bool enabled = true;
    int value = 0; // check boxes: 0 clear, 1 ticked
};

// Every control of the panel, top to bottom.
std::span<const PanelControl> panelTable();
const PanelControl* findPanelControl(QStringView name);

FontSpec panelFontSpec(PanelFont font);
// The window's default font for fields, buttons, check boxes and the blue labels: the CJK sans at
// 12 pixels, which a 17-pixel button and an 18-pixel field hold on one line.
FontSpec defaultPanelFontSpec();
