// SPDX-License-Identifier: MIT
#pragma once

#include "form/element.h"

#include <vector>

// The phone screen as the window definition creates it, in stacking order from the bottom
// (Image1) to the top (Picture2(2)), which is the order of ElementId: an element paints over
// every element before it.
const std::vector<ScreenElement>& elementTable();
