// SPDX-License-Identifier: MIT
#pragma once

#include "form/events.h"

class Form;

// The window as its definition creates it: the phone screen's elements, the settings panel's
// controls and the binding table, which says which handler answers which event.
const WindowDefinition& windowDefinition();

// The start-up initialisation, run once before the window is first shown: the status-bar labels
// take the band's colour, the battery fill its 91 % width, and the unanswered-call icons their
// places on the call icons.
void startUp(Form& form);
