#include "window_modes.h"

#include "basic/twips.h"
#include "capture.h"
#include "screen/form.h"

namespace {

const QString Background = QStringLiteral("Image1");
const QString Band = QStringLiteral("Image3");

// The lengthened height: the band's bottom edge, summed in single precision as the forms layer
// keeps element sizes.
float bandBottom(const Form& form) {
    const ElementRect& r = form.element(Band).rect;
    return r.top + r.height;
}

void toggleWidth(Form& form, CaptureExport exportAfter) {
    if (form.width() > NarrowWidth) {
        form.setWidth(NarrowWidth);
        captureWindow(form, exportAfter);
    } else {
        form.setWidth(WideWidth);
    }
}

} // namespace

void Image2_Click(Form& form) {
    toggleWidth(form, CaptureExport::WhenTicked);
}

void Label1_Click(Form& form) {
    toggleWidth(form, CaptureExport::Never);
}

// Both height commands set the height while the band still has its old visibility, so the resize
// rules see the old band; the labels ask for two slow clicks because one click can stop half way.
void Label30_Click(Form& form) {
    form.setHeight(bandBottom(form));
    form.element(Band).visible = true;
}

void Label29_Click(Form& form) {
    form.setHeight(form.element(Background).rect.height);
    form.element(Band).visible = false;
}

void Command23_Click(Form& form) {
    form.platform().quit();
}

// A height set here runs these rules again, nested; every value is read afresh for that reason.
void Form_Resize(Form& form) {
    const double screenHeight = double(form.platform().screenHeightPixels()) * TwipsPerPixel;
    if (!(bandBottom(form) > screenHeight) && form.element(Band).visible)
        form.setHeight(bandBottom(form));
    const float backgroundHeight = form.element(Background).rect.height;
    if (form.height() > backgroundHeight && !form.element(Band).visible)
        form.setHeight(backgroundHeight);
}
