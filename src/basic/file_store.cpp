// SPDX-License-Identifier: MIT
#include "file_store.h"

#include <cstring>

FileError systemError(int errorNumber) {
    return {errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

FolderAndName splitPath(const QString& path) {
    const qsizetype separator = path.lastIndexOf(u'/');
    QString folder = separator < 0    ? QStringLiteral(".")
                     : separator == 0 ? QStringLiteral("/")
                                      : path.left(separator);
    QString name = path.mid(separator + 1);
    if (name.isEmpty())
        name = QStringLiteral(".");
    return {folder, name};
}

EntryKind FileStore::entryKind(const QString& path) {
    const FolderAndName parts = splitPath(path);
    FileError error;
    const std::unique_ptr<OpenFolder> folder = openFolder(parts.folder, &error);
    return folder ? folder->entryKind(parts.name) : EntryKind::Missing;
}
