// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Form;
struct RecordRow;

// The row's place in the row table, from 0 at the top.
int rowIndex(const RecordRow& row);

// The rules the enabling and unanswered boxes keep whenever no handler is running; the empty text
// when they hold, else the first one broken.
QString brokenRowInvariant(const Form& form);
