// SPDX-License-Identifier: MIT
#pragma once

#include "file_store.h"

#include <QImage>
#include <QSize>
#include <QString>

// Why a picture was not written: what happened and the facts that word it, for a caller to say in
// its user's language.
struct WriteFailure {
    enum class Kind {
        InvalidName,       // the name spells no file: see nameFault
        ReadOnlyFile,      // the name holds a file this user may not replace
        NotARegularFile,   // the name belongs to a link, folder, device, FIFO or socket: see entry
        TooLargeForFormat, // the format cannot hold a picture of pictureSize
        EncodingFailed,    // text holds the encoder's words
        FileSystem, // a call of the file system failed: errorNumber and text say how, when it said
        NothingTaken, // the system took no more bytes, and gave no reason
        ShortFile,    // the file came out sizeOnDisk bytes long instead of sizeMeant
    };
    // What a name holds that no file's name may.
    enum class NameFault {
        NulCharacter, // would end the name early
        HalfPair,     // a lone UTF-16 half: the system would take it for another name
        NotInFolder,  // a separator, nothing, or a name of the folder itself or its parent
    };
    Kind kind;
    QString text = {};
    int errorNumber = 0;
    EntryKind entry = EntryKind::Missing;
    NameFault nameFault = NameFault::NulCharacter;
    QSize pictureSize = {};
    qint64 sizeOnDisk = 0;
    qint64 sizeMeant = 0;
};

// libjpeg's limit on either side of a picture, below the format's own 65535.
inline constexpr int JpegMaxSide = 65500;

// The quality of every JPEG the program writes: the export's and the script's.
inline constexpr int JpegQuality = 75;

// Writes a picture in a format ("jpeg", "png"; quality -1 for the format's default) so that the
// file is replaced only by a complete new one: the picture is encoded in memory, written as a new
// file in the folder held open, checked on the disk at its full size, and only then given the name
// in that folder. The name must be free or hold a regular file that is not read-only; a link is
// never followed. Returns false with the failure when nothing was written. The file is on the disk
// when the call returns, or, written while the store has a DurableBatch open, when that finishes.
bool saveImageAtomically(const QImage& image, const QString& fileName, const char* format,
                         int quality, FileStore& files, WriteFailure* failure = nullptr);

// Writes bytes under fileName by the same rules: a complete new file or none, never through a link.
bool saveFileAtomically(const QByteArray& bytes, const QString& fileName, FileStore& files,
                        WriteFailure* failure = nullptr);
// Writes bytes by the same rules as the file name (one part of a path) in a folder held open.
bool saveFileAtomically(const QByteArray& bytes, OpenFolder& folder, const QString& name,
                        WriteFailure* failure = nullptr);
