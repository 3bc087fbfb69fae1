// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QMimeData>
#include <QPointer>

// The system clipboard through Qt. On X11 another program's text or picture is read on a connection
// and thread of the program's own, so that the window goes on painting while that program answers.
class QtClipboard final : public Clipboard {
public:
    ClipboardText text() const override;
    ClipboardPicture picture() const override;
    void setPicture(const QImage& picture) override;

private:
    // What the capture put on the clipboard, while the clipboard still holds it.
    QPointer<QMimeData> offered_;
};
