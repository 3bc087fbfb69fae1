#pragma once

class Form;

// The status-bar rows of the settings panel: battery, clock and background colour.
void Command1_Click(Form& form);  // "减1": battery one percent down, wrapping to 100
void Command2_Click(Form& form);  // "提交": the battery text as typed
void Command3_Click(Form& form);  // "现在": the clock from the computer
void Command4_Click(Form& form);  // "提交": the clock text as typed
void Command13_Click(Form& form); // "保存": the labels' background from the colour row
