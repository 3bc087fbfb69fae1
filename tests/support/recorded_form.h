// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "script/setup_session.h"
#include "support/fake_platform.h"

// The window's form as the program starts it, its set-ups recorded, on the fake platform: the
// platform that the set-ups wrap is the fake one.
struct RecordedForm {
    FakePlatform platform;
    SetupPlatform setupPlatform{platform};
    SetupSession setups{setupPlatform};
    Form& form = setups.form();

    SetupRecorder& recorder() { return setups.recorder(); }
};
