#include "image_file.h"

#include <QImageWriter>
#include <QSaveFile>

bool saveImageAtomically(const QImage& image, const QString& fileName, const char* format,
                         int quality, QString* reason) {
    QSaveFile file(fileName);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else {
        QImageWriter writer(&file, format);
        writer.setQuality(quality);
        if (!writer.write(image)) {
            failure = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            failure = file.errorString();
        }
    }
    if (reason)
        *reason = failure;
    return failure.isEmpty();
}
