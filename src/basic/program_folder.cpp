// SPDX-License-Identifier: MIT
#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <unistd.h>

ProgramFolder programFolderOf(const QByteArray& executable) {
    const qsizetype lastSeparator = executable.lastIndexOf('/');
    if (!executable.startsWith('/') || lastSeparator < 0)
        return {};
    const QByteArray folder = lastSeparator == 0 ? QByteArray("/") : executable.left(lastSeparator);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(folder);
    return {path, !decoder.hasError() && QFile::encodeName(path) == folder};
}

ProgramFolder runningProgramFolder() {
    // Linux names the program file here, links resolved; Qt's own answer comes back empty for a
    // folder whose name is not UTF-8, and the export then wrote into the root.
    QByteArray executable(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size());
        if (length < 0)
            return {};
        if (length < executable.size()) {
            executable.truncate(length);
            return programFolderOf(executable);
        }
        executable.resize(executable.size() * 2);
    }
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

QString userPicturesFolder() {
    return picturesFolderInHome(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                qEnvironmentVariable("HOME"));
}
