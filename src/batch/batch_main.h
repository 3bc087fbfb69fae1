// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program without its window: runs the script at scriptPath ("-" for standard input), saving
// pictures of pixelRatio device pixels to the pixel, and returns the exit code. Uses Qt's offscreen
// platform unless QT_QPA_PLATFORM says otherwise, so that no display is needed.
int runBatch(int& argc, char** argv, const QString& scriptPath, qreal pixelRatio);
