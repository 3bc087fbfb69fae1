// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class FileStore;
class Form;
class Locations;
class QImage;
class QMimeData;
class QWidget;

// Dragging the phone screen out of the window, as screenshot tools do: the picture a capture would
// put on the clipboard, as image/png for programs that take pictures and as a PNG file named after
// the number for file managers and chat windows. The file lives in the program's private runtime
// folder, which the session's end clears.
class PictureDrag {
public:
    // What the drag of the picture carries, the file written through files into folder(); the
    // file is left out when it cannot be written, or the folder is no private folder of this
    // user's.
    static QMimeData* pictureData(const QImage& picture, const QString& number, FileStore& files,
                                  const Locations& locations);
    // Runs the drag from source until it is dropped or given up.
    static void start(QWidget& source, const Form& form, const Locations& locations);
    // The private folder the dragged files are written to, which the file store makes, or checks
    // to be this user's alone, as it opens it; empty when the session has no runtime folder.
    static QString folder(const Locations& locations);
};
