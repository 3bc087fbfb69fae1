// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QMimeData>
#include <QPointer>

// The system clipboard through Qt. On X11 another program's text or picture is read on a connection
// and thread of the program's own, so that the window goes on painting while that program answers.
class QtClipboard final : public Clipboard {
public:
    // The clipboard's owner has ownerAnswerLimitMs for each of its answers.
    explicit QtClipboard(int ownerAnswerLimitMs) : ownerAnswerLimitMs_(ownerAnswerLimitMs) {}

    ClipboardText text(qsizetype mostCharacters) const override;
    ClipboardPicture picture() const override;
    void setPicture(const QImage& picture) override;

private:
    int ownerAnswerLimitMs_;
    // What the capture put on the clipboard, while the clipboard still holds it.
    QPointer<QMimeData> offered_;
};
