// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"
#include "x11_selection_reader.h"

#include <QMimeData>
#include <QPointer>

// The system clipboard through Qt. On X11 another program's text or picture is read on a connection
// and thread of the program's own, so that the window goes on painting while that program answers.
class QtClipboard final : public Clipboard {
public:
    // The clipboard's owner has the waits' time for each of its answers and for a whole read.
    explicit QtClipboard(ClipboardWaits waits = {});

    void readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) override;
    void readPicture(std::function<void(ClipboardPicture)> then) override;
    // On Wayland the compositor's answer comes later, or never when it ignores the request; the
    // picture counts as the clipboard's only when the request could carry the serial of an input
    // event, which the compositor asks for, and this program then holds the clipboard.
    bool setPicture(const QImage& picture) override;

private:
    ClipboardWaits waits_;
    // What the capture put on the clipboard, while the clipboard still holds it.
    QPointer<QMimeData> offered_;
};
