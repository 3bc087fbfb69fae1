// SPDX-License-Identifier: MIT
#include "image_file.h"

#include "durable_batch.h"

#include <QBuffer>
#include <QImageWriter>
#include <functional>
#include <optional>

namespace {

using Kind = WriteFailure::Kind;
using Failure = std::optional<WriteFailure>;

WriteFailure failed(Kind kind) {
    return {.kind = kind};
}

WriteFailure fileSystemFailure(const FileError& error) {
    return {.kind = Kind::FileSystem, .text = error.text, .errorNumber = error.errorNumber};
}

WriteFailure invalidName(WriteFailure::NameFault fault) {
    return {.kind = Kind::InvalidName, .nameFault = fault};
}

Failure refuseSpelling(const QString& fileName) {
    if (fileName.contains(QChar(u'\0')))
        return invalidName(WriteFailure::NameFault::NulCharacter);
    if (!fileName.isValidUtf16())
        return invalidName(WriteFailure::NameFault::HalfPair);
    return std::nullopt;
}

Failure refuseEntry(EntryKind entry) {
    switch (entry) {
    case EntryKind::Missing:
    case EntryKind::RegularFile:
        return std::nullopt;
    case EntryKind::ReadOnlyFile:
        return WriteFailure{.kind = Kind::ReadOnlyFile, .entry = entry};
    default:
        break;
    }
    return WriteFailure{.kind = Kind::NotARegularFile, .entry = entry};
}

Failure encode(const QImage& image, const char* format, int quality, QByteArray& bytes) {
    if (qstrcmp(format, "jpeg") == 0 &&
        (image.width() > JpegMaxSide || image.height() > JpegMaxSide))
        return WriteFailure{.kind = Kind::TooLargeForFormat, .pictureSize = image.size()};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return WriteFailure{.kind = Kind::EncodingFailed, .text = writer.errorString()};
    return std::nullopt;
}

Failure writeBytes(const QByteArray& bytes, OpenFolder& folder, const QString& name,
                   Durable durable) {
    FileError error;
    const std::unique_ptr<PendingFile> file = folder.create(name, &error);
    if (!file)
        return fileSystemFailure(error);
    // A short count is no error to the system: the rest is offered again until the system takes it
    // all or says why not, so that the reason is the system's (a full disk, a file size limit).
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 taken = file->write(bytes.constData() + written, bytes.size() - written);
        if (taken < 0)
            return fileSystemFailure(file->error());
        if (taken == 0)
            return failed(Kind::NothingTaken);
        written += taken;
    }
    if (durable == Durable::Now && !file->sync())
        return fileSystemFailure(file->error());
    // The disk's own count, not the writes' sum: a failure that a layer below lost shows here,
    // while the earlier file still has the name.
    const qint64 size = file->size();
    if (size < 0)
        return fileSystemFailure(file->error());
    if (size != bytes.size())
        return WriteFailure{.kind = Kind::ShortFile, .sizeOnDisk = size, .sizeMeant = bytes.size()};
    if (!file->commit(durable))
        return fileSystemFailure(file->error());
    return std::nullopt;
}

// Every step names the file relative to the folder, and the last one replaces whatever then has
// the name: a link made at the name or in the folder's path after the checks is replaced or
// ignored, never followed.
Failure saveIn(OpenFolder& folder, const QString& name,
               const std::function<Failure(QByteArray&)>& bytesToWrite,
               Durable durable = Durable::Now) {
    if (Failure refused = refuseEntry(folder.entryKind(name)))
        return refused;
    QByteArray bytes;
    if (Failure unmade = bytesToWrite(bytes))
        return unmade;
    return writeBytes(bytes, folder, name, durable);
}

Failure save(const QString& fileName, FileStore& files,
             const std::function<Failure(QByteArray&)>& bytesToWrite) {
    if (Failure refused = refuseSpelling(fileName))
        return refused;
    const FolderAndName path = splitPath(fileName);
    FileError error;
    std::unique_ptr<OpenFolder> folder = files.openFolder(path.folder, &error);
    if (!folder)
        return fileSystemFailure(error);
    DurableBatch* batch = files.durableBatch();
    Failure outcome =
        saveIn(*folder, path.name, bytesToWrite, batch ? Durable::Later : Durable::Now);
    if (!outcome && batch)
        batch->written(std::move(folder));
    return outcome;
}

Failure keep(const QByteArray& bytes, QByteArray& into) {
    into = bytes;
    return std::nullopt;
}

bool reported(const Failure& outcome, WriteFailure* failure) {
    if (outcome && failure)
        *failure = *outcome;
    return !outcome;
}

} // namespace

bool saveImageAtomically(const QImage& image, const QString& fileName, const char* format,
                         int quality, FileStore& files, WriteFailure* failure) {
    return reported(save(fileName, files,
                         [&](QByteArray& bytes) { return encode(image, format, quality, bytes); }),
                    failure);
}

bool saveFileAtomically(const QByteArray& bytes, const QString& fileName, FileStore& files,
                        WriteFailure* failure) {
    return reported(save(fileName, files, [&bytes](QByteArray& into) { return keep(bytes, into); }),
                    failure);
}

bool saveFileAtomically(const QByteArray& bytes, OpenFolder& folder, const QString& name,
                        WriteFailure* failure) {
    Failure refused = refuseSpelling(name);
    if (!refused && (name.contains(u'/') || name.isEmpty() || name == u"." || name == u".."))
        refused = invalidName(WriteFailure::NameFault::NotInFolder);
    if (refused)
        return reported(refused, failure);
    return reported(saveIn(folder, name, [&bytes](QByteArray& into) { return keep(bytes, into); }),
                    failure);
}
