// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "session/window_model.h"
#include "support/fake_services.h"

// The window's model as the program starts it, its set-ups recorded, on the fake services.
struct RecordedForm {
    FakeServices platform;
    WindowModel model{platform.services(), platform.messages};
    Form& form = model.form();

    SetupRecorder& recorder() { return model.recorder(); }
};
