// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QByteArray>
#include <QStringList>

class QMimeData;

// The image types a picture is read in, in order of preference: PNG, then every type Qt reads.
QStringList clipboardPictureTypes();

// The picture and the text that another program offers on the clipboard, read with at most one
// wait for its answer: the formats once, then one format's bytes once.
ClipboardPicture readClipboardPicture(const QMimeData* offered);
ClipboardText readClipboardText(const QMimeData* offered, qsizetype mostCharacters);

// What a clipboard that answered with text holds, TooLarge beyond mostCharacters UTF-16 units.
ClipboardText boundedText(const QString& text, qsizetype mostCharacters);

// The picture in the bytes of an image type. A picture beyond Qt's image allocation limit is too
// large, not missing, although Qt's reader words both alike.
ClipboardPicture decodeClipboardPicture(const QByteArray& bytes);
