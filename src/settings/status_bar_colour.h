#pragma once

#include "basic/colour.h"

class Form;

// The status-bar labels' background from the colour row (red Text9, green Text10, blue Text11).
// The fields are converted blue first, as start-up always has, so that of two faulty fields the
// same one is named wherever the colour is taken.
OleColor statusBarColour(const Form& form);
