// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// Qt's own file dialogs, as the window opens them, wide enough to show their columns whole: at
// Qt's size the date column is cut after the day and the places beside the files after a few
// letters. Fitting them again does nothing.
void fitFileDialogs(QCoreApplication& app);
