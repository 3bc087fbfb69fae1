#pragma once

#include "screen_element.h"

#include <vector>

// The phone screen as the window definition creates it, in stacking order from the bottom
// (Image1) to the top (Picture2(2)): an element paints over every element before it.
std::vector<ScreenElement> elementTable();
