// SPDX-License-Identifier: MIT
#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

ProgramFolder programFolderOf(const QByteArray& executable) {
    const qsizetype lastSeparator = executable.lastIndexOf('/');
    if (!executable.startsWith('/') || lastSeparator < 0)
        return {};
    const QByteArray folder = lastSeparator == 0 ? QByteArray("/") : executable.left(lastSeparator);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(folder);
    return {path, !decoder.hasError() && QFile::encodeName(path) == folder};
}

QString picturesFolderInHome(const QString& pictures, const QString& home) {
    if (!QDir::isAbsolutePath(home) || !QDir::isAbsolutePath(pictures))
        return {};
    const QString homeFolder = QDir::cleanPath(home);
    const QString picturesFolder = QDir::cleanPath(pictures);
    // The root is nobody's home: a pictures folder under it is a folder at the root.
    if (homeFolder == u"/" || !QFileInfo(homeFolder).isDir())
        return {};
    if (picturesFolder != homeFolder && !picturesFolder.startsWith(homeFolder + u'/'))
        return {};
    return picturesFolder;
}
