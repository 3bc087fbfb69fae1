// SPDX-License-Identifier: MIT
// Compiled as a file of the lowest layer would be: it names a folder that layer does not stand on,
// which its include root does not hold.
#include "form/form.h"
