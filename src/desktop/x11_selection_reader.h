// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QByteArray>
#include <QList>

// How long the clipboard's owner may take for each answer (as Qt's own X11 clipboard waits), and
// for the whole of a read, however slowly it hands a large answer over in parts.
struct ClipboardWaits {
    int ownerAnswerMs = 5000;
    int wholeReadMs = 30000;
};

struct SelectionAnswer {
    // False when no X display could be reached: the caller reads some other way.
    bool connected = false;
    ClipboardRead read = ClipboardRead::Empty;
    // The first of the preferred types that the owner offers, and its bytes when Found.
    QByteArray type;
    QByteArray bytes;
};

// The X clipboard (the CLIPBOARD selection) of the display that DISPLAY names, read on a
// connection and a window of this call's own: the types its owner offers, then the bytes of the
// first of the preferred types it offers, in parts when the owner sends them so. Blocks the calling
// thread until the answer, or until the owner's time is up (NoAnswer); when another program takes
// the clipboard before the owner answered, the read starts again with it. Nobody owning the
// clipboard, no preferred type offered or the owner refusing is Empty; an answer beyond maxBytes
// is TooLarge, and no more than that is kept.
SelectionAnswer readX11Clipboard(const QList<QByteArray>& preferred, qint64 maxBytes,
                                 ClipboardWaits waits);
