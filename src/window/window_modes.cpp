// SPDX-License-Identifier: MIT
#include "window_modes.h"

#include "basic/twips.h"
#include "capture.h"
#include "form/form.h"

namespace {

// The lengthened height: the band's bottom edge, summed in single precision as the forms layer
// keeps element sizes.
float bandBottom(const Form& form) {
    const ElementRect& r = form.element(ElementId::BottomBand).rect;
    return r.top + r.height;
}

void toggleWidthCapturing(Form& form, CaptureExport exportAfter) {
    if (form.width() > NarrowWidth) {
        form.setWidth(NarrowWidth);
        captureWindow(form, exportAfter);
    } else {
        form.setWidth(WideWidth);
    }
}

} // namespace

void toggleWidthAutoSaving(Form& form) {
    toggleWidthCapturing(form, CaptureExport::WhenTicked);
}

void toggleWidthWithoutSaving(Form& form) {
    toggleWidthCapturing(form, CaptureExport::Never);
}

// Both height commands set the height while the band still has its old visibility, so the resize
// rules see the old band; the labels ask for two slow clicks because one click can stop half way.
void lengthenWindow(Form& form) {
    form.setHeight(bandBottom(form));
    form.element(ElementId::BottomBand).visible = true;
}

void restoreHeight(Form& form) {
    form.setHeight(form.element(ElementId::Background).rect.height);
    form.element(ElementId::BottomBand).visible = false;
}

void quitProgram(Form& form) {
    form.observer().quitAsked();
}

// A height set here runs these rules again, nested; every value is read afresh for that reason.
void applyResizeRules(Form& form) {
    const double screenHeight = double(form.screen().heightPixels()) * TwipsPerPixel;
    if (!(bandBottom(form) > screenHeight) && form.element(ElementId::BottomBand).visible)
        form.setHeight(bandBottom(form));
    const float backgroundHeight = form.element(ElementId::Background).rect.height;
    if (form.height() > backgroundHeight && !form.element(ElementId::BottomBand).visible)
        form.setHeight(backgroundHeight);
}
