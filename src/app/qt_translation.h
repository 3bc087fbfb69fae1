#pragma once

class QCoreApplication;

// Qt's own texts in the window (the buttons of a message box, the file dialogs, a text field's
// context menu) in Simplified Chinese, as the rest of the window is, whatever the locale says.
// Returns false, and Qt's texts stay English, when Qt's translation is not installed.
bool loadChineseQtTexts(QCoreApplication& app);
