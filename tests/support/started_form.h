// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "support/fake_platform.h"
#include "window/window_definition.h"

// The window's form as the program starts it, on the fake platform, on a screen of the given
// height in pixels.
struct StartedForm {
    FakePlatform platform;
    ErrorMessages messages{platform};
    Form form{platform, windowDefinition(), messages};

    explicit StartedForm(int screenPixels = 1080) {
        platform.screenHeight = screenPixels;
        form.start();
    }
};
