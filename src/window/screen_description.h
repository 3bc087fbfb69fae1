// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Form;

// What the phone screen shows, read out as a phone's screen reader reads it, for a user who cannot
// see the picture: the clock and the battery, the number as grouped, the number's line with the
// location and carrier, then every record shown with its date and time, number, whether it was
// answered and its duration. Only what is shown is read; a text is read as plain text, without the
// line breaks and direction controls it may hold, and a long one shortened.
QString phoneScreenDescription(const Form& form);
