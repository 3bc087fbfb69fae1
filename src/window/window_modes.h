#pragma once

class Form;

// The two window widths, in twips: the phone screen alone, and the phone screen with the settings
// panel beside it.
inline constexpr double NarrowWidth = 7860;
inline constexpr double WideWidth = 13335;

// Back arrow and panel title: both toggle the width; only the back arrow may export on its own.
void Image2_Click(Form& form);
void Label1_Click(Form& form);
// "慢双击加长窗口高度" and "慢双击恢复窗口高度".
void Label30_Click(Form& form);
void Label29_Click(Form& form);
// "退出软件".
void Command23_Click(Form& form);
// The resize rules that keep the height in step with the bottom band.
void Form_Resize(Form& form);
