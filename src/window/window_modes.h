// SPDX-License-Identifier: MIT
#pragma once

class Form;

// The two window widths, in twips: the phone screen alone, and the phone screen with the settings
// panel beside it.
inline constexpr double NarrowWidth = 7860;
inline constexpr double WideWidth = 13335;

// Back arrow and panel title: both toggle the width, capturing the window when it narrows; only the
// back arrow then saves the picture on its own, when "自动保存JPG" is ticked.
void toggleWidthAutoSaving(Form& form);
void toggleWidthWithoutSaving(Form& form);
// "慢双击加长窗口高度" and "慢双击恢复窗口高度".
void lengthenWindow(Form& form);
void restoreHeight(Form& form);
// "退出软件".
void quitProgram(Form& form);
// The resize rules that keep the height in step with the bottom band.
void applyResizeRules(Form& form);
