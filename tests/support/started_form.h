// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "support/fake_services.h"
#include "window/window_definition.h"

// The window's form as the program starts it, on the fake services, on a screen of the given
// height in pixels; its errors and exports in the fake messages.
struct StartedForm {
    FakeServices platform;
    UserMessages messages{platform.messages};
    Form form{platform.services(), windowDefinition(), messages};

    explicit StartedForm(int screenPixels = 1080) {
        platform.screen.height = screenPixels;
        form.start();
    }
};
