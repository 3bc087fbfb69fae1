// SPDX-License-Identifier: MIT
#pragma once

#include "form/control.h"

#include <span>

// Every control of the panel, top to bottom, in the order of ControlId.
std::span<const PanelControl> panelTable();

FontSpec panelFontSpec(PanelFont font);
// The window's default font for fields, buttons, check boxes and the blue labels: the CJK sans at
// 12 pixels, which a 17-pixel button and an 18-pixel field hold on one line.
FontSpec defaultPanelFontSpec();
