// SPDX-License-Identifier: MIT
#pragma once

// Teaches Qt's accessibility what the window's own widgets are: a caption that answers clicks is a
// button that can be pressed, the phone screen an image that can be pressed as its back arrow, a
// notice an alert, the frame around the window a window that shows it all. Installing it again does
// nothing.
void installAccessibleWidgets();

class QWidget;

// Qt makes a widget's accessible interface as soon as it is asked for one, which may be while the
// widget is still being built and is not yet what it will be: a caption is then a plain label.
// Called once it is built, the next interface asked for is the one for what it is.
void renewAccessibleInterface(QWidget& widget);
