#pragma once

#include "script/setup_session.h"
#include "form/form.h"
#include "support/fake_platform.h"
#include "window/window_definition.h"

// The window's form as the program starts it, its set-ups recorded, on the fake platform: the
// platform that the set-ups wrap is the fake one.
struct RecordedForm {
    FakePlatform platform;
    SetupPlatform setupPlatform{platform};
    Form form{setupPlatform, windowDefinition()};
    SetupSession setups{form, setupPlatform};

    SetupRecorder& recorder() { return setups.recorder(); }
};
