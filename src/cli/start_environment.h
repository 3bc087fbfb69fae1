// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

// The environment, made right before Qt reads it: Qt takes some variables as given where they
// would have the program write into whatever folder it was started in, or open no usable window.

// The base-directory rules make a relative XDG_DATA_HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR and the
// like invalid, to be ignored; Qt would take one relative to the current folder and keep the
// session and the settings wherever the program happened to start. Unsets XDG_*_HOME and
// XDG_RUNTIME_DIR when they are not absolute and drops the relative entries of XDG_DATA_DIRS and
// XDG_CONFIG_DIRS (unset when none is left). Silent, as Qt and other programs are about them.
// Called before anything reads them: the application object, QStandardPaths, the runtime folder.
void ignoreRelativeBaseDirectories();

// Whether the window can be shown at a scale factor: a finite number from 0.5 to 4, read as Qt
// reads it (blanks around it allowed). At 0, a negative factor or NaN there is no visible window;
// at 1000 the window would take gigabytes and its capture fail.
bool usableScaleFactor(const QByteArray& value);

// Unsets QT_SCALE_FACTOR when its factor is not usable, and QT_SCREEN_SCALE_FACTORS (";" between
// "name=factor" or a bare factor for the screen at that place) when the factor of any of its
// entries is not. Returns a line for each variable unset, naming what is ignored and the scale
// the window opens at instead, for standard error. An empty variable means none and is left to
// Qt. Called before the application object is made.
QStringList ignoreUnusableScaleFactors();

// Whether the text can be laid out at a font resolution: a whole number from 48 to 480 as Qt reads
// it. At 0 or below Qt takes the screen's; far above, a window tens of thousands of pixels wide.
bool usableFontDpi(const QByteArray& value);

// Unsets QT_FONT_DPI when its resolution is not usable; returns the line that says so, if any.
// An empty variable is left to Qt, which reads it as none.
QStringList ignoreUnusableFontDpi();
