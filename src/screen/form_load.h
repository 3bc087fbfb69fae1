#pragma once

class Form;

// Start-up initialisation, run once before the window is first shown: the status-bar labels take
// the band's colour, the battery fill its 91 % width, and the unanswered-call icons their places
// on the call icons.
void Form_Load(Form& form);
