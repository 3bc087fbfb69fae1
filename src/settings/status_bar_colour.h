// SPDX-License-Identifier: MIT
#pragma once

#include "basic/colour.h"

class Form;

// Start-up converts the colour row blue first, the "保存" button red first; of two faulty fields
// the first one converted is the one named.
enum class ColourReadOrder { BlueFirst, RedFirst };

// The status-bar labels' background from the colour row: red, green and blue.
PackedColour statusBarColour(const Form& form, ColourReadOrder order);
