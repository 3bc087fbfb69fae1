// SPDX-License-Identifier: MIT
// The headers of the libraries that draw the window, parsed once per build.
#pragma once

#include "core.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
