#pragma once

#include <QString>

class Form;

// The rules the enabling and unanswered boxes keep whenever no handler is running; the empty text
// when they hold, else the first one broken.
QString brokenRowInvariant(const Form& form);
