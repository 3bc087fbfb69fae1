// SPDX-License-Identifier: MIT
#pragma once

class Form;

// The status-bar rows of the settings panel: battery, clock and background colour.
void stepBatteryDown(Form& form);      // "减1": one percent down, wrapping to 100
void submitBattery(Form& form);        // "提交": the battery text as typed
void fillClockNow(Form& form);         // "现在": the clock from the computer
void submitClock(Form& form);          // "提交": the clock text as typed
void applyStatusBarColour(Form& form); // "保存": the labels' background from the colour row

// The status bar as the program starts: the labels take the band's colour from the colour row,
// the battery fill 91 % of its full width, which it remembers.
void startStatusBar(Form& form);
