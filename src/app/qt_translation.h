// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// Qt's own texts in the window (the buttons of a message box, the file dialogs, a text field's
// context menu) in Simplified Chinese, as the rest of the window is, whatever the locale says.
// When Qt's translation is not installed, says so on standard error and returns false; Qt's texts
// then stay English.
bool loadChineseQtTexts(QCoreApplication& app);
