// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A message in both of the program's languages: the script mode on a terminal speaks English, as
// the script's keywords do, and the window speaks Chinese.
struct BilingualText {
    QString english;
    QString chinese;
};
