// SPDX-License-Identifier: MIT
#pragma once

#include "form/control.h"

#include <QString>

// The name a screen reader says for a control of the panel: what a field holds, with its record
// where there are three ("通话记录2的通话日期（月）"); for the rest the caption the user sees, then
// what it acts on ("提交 通话记录2的通话时长"), so that no two controls sound alike. A line has
// none.
QString accessibleName(const PanelControl& control);
