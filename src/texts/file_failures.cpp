// SPDX-License-Identifier: MIT
#include "file_failures.h"

#include "basic/conversions.h"

#include <cerrno>
#include <cstring>

namespace {

// The Chinese for a failed call of the file system: words that tell the user what to mend, the
// system's own where the program has none of its own.
QString fileSystemReason(const FileError& error) {
    switch (error.errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘空间不足");
    case EFBIG:
        return QStringLiteral("文件超出了系统允许的大小");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有写入此文件夹的权限");
    case EROFS:
        return QStringLiteral("文件夹所在的磁盘是只读的");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("文件夹不存在");
    case EISDIR:
        return QStringLiteral("同名的是一个文件夹");
    case EEXIST:
        return QStringLiteral("同名的不是文件夹");
    case EIO:
        return QStringLiteral("读写磁盘时出错");
    case ECANCELED:
        return QStringLiteral("没有同意写入这个文件");
    }
    return QStringLiteral("无法写入文件（%1）").arg(error.text);
}

QString englishNameFault(WriteFailure::NameFault fault) {
    using NameFault = WriteFailure::NameFault;
    switch (fault) {
    case NameFault::NulCharacter:
        return QStringLiteral("the name holds a NUL character, which would end it early");
    case NameFault::HalfPair:
        return QStringLiteral("the name holds half of a UTF-16 pair, which no file name can spell");
    case NameFault::NotInFolder:
        break;
    }
    return QStringLiteral("the name is not that of a file in the folder");
}

QString englishEntry(EntryKind entry) {
    const auto taken = [](const char* by) {
        return QStringLiteral("the name belongs to %1, not a file").arg(QLatin1String(by));
    };
    switch (entry) {
    case EntryKind::SymbolicLink:
        return taken("a symbolic link");
    case EntryKind::Directory:
        return taken("a folder");
    case EntryKind::Device:
        return taken("a device");
    case EntryKind::Fifo:
        return taken("a FIFO");
    case EntryKind::Socket:
        return taken("a socket");
    default:
        break;
    }
    return taken("something other than a file");
}

QString englishWriteFailure(const WriteFailure& failure) {
    using Kind = WriteFailure::Kind;
    switch (failure.kind) {
    case Kind::InvalidName:
        return englishNameFault(failure.nameFault);
    case Kind::ReadOnlyFile:
        return QStringLiteral("the file is read-only and may not be replaced");
    case Kind::NotARegularFile:
        return englishEntry(failure.entry);
    case Kind::TooLargeForFormat:
        return QStringLiteral("the picture is %1 × %2 pixels; JPEG holds at most %3 on either side")
            .arg(QString::number(failure.pictureSize.width()),
                 QString::number(failure.pictureSize.height()), QString::number(JpegMaxSide));
    case Kind::NothingTaken:
        return QStringLiteral("the system took no more bytes");
    case Kind::ShortFile:
        return QStringLiteral("the file came out %1 of its %2 bytes long")
            .arg(QString::number(failure.sizeOnDisk), QString::number(failure.sizeMeant));
    case Kind::EncodingFailed:
    case Kind::FileSystem:
        break;
    }
    return failure.text;
}

QString chineseWriteFailure(const WriteFailure& failure, const QString& english) {
    using Kind = WriteFailure::Kind;
    switch (failure.kind) {
    case Kind::InvalidName:
        return QStringLiteral("文件名无效");
    case Kind::ReadOnlyFile:
        return QStringLiteral("文件是只读的");
    case Kind::NotARegularFile:
        switch (failure.entry) {
        case EntryKind::Directory:
            return QStringLiteral("同名的是一个文件夹");
        case EntryKind::SymbolicLink:
            return QStringLiteral("同名的是一个链接，不会写到它指向的地方");
        default:
            return QStringLiteral("同名的不是普通文件");
        }
    case Kind::TooLargeForFormat:
        return QStringLiteral("图片太大，JPEG 每边最多 %1 像素").arg(JpegMaxSide);
    case Kind::EncodingFailed:
        return QStringLiteral("无法把图片编码为 JPEG");
    case Kind::ShortFile:
        return QStringLiteral("文件没有完整写入磁盘，磁盘空间可能不足");
    case Kind::NothingTaken:
    case Kind::FileSystem:
        break;
    }
    return fileSystemReason({failure.errorNumber, english});
}

// A control character as a user knows it.
QString controlCharacterName(QChar c) {
    switch (c.unicode()) {
    case u'\t':
        return QStringLiteral("制表符");
    case u'\n':
        return QStringLiteral("换行符");
    case u'\r':
        return QStringLiteral("回车符");
    }
    return QStringLiteral("控制字符");
}

} // namespace

BilingualText writeFailureText(const WriteFailure& failure) {
    QString english = englishWriteFailure(failure);
    QString chinese = chineseWriteFailure(failure, english);
    return {std::move(english), std::move(chinese)};
}

BilingualText fileSystemFailureText(const FileError& error) {
    return {error.text, fileSystemReason(error)};
}

BilingualText pictureNotWrittenText(const QString& path, const WriteFailure& failure) {
    const QString shown = elidedMiddle(path, ShownPathCharacters);
    const BilingualText reason = writeFailureText(failure);
    return {QStringLiteral("cannot write %1: %2").arg(shown, reason.english),
            QStringLiteral("无法写入%1：%2").arg(shown, reason.chinese)};
}

BilingualText picturesNotSyncedText(const FileError& error) {
    return {QStringLiteral("the pictures written may not be on the disk: %1").arg(error.text),
            QStringLiteral("写入的图片可能没有存到磁盘上：%1").arg(error.text)};
}

FileError declinedWriteError() {
    return {ECANCELED, QStringLiteral("the user did not agree to the write")};
}

BilingualText notAPictureNameText() {
    return {QStringLiteral("a set-up opened in the window writes only pictures: the name must end "
                           "in .jpg, .jpeg or .png"),
            QStringLiteral("在窗口中打开的设置只写图片文件：文件名要以 .jpg、.jpeg 或 .png 结尾")};
}

QString noDataFolderText() {
    return QStringLiteral("找不到用户的数据文件夹（HOME 或 XDG_DATA_HOME 没有设置为绝对路径）");
}

BilingualText exportNotWrittenText(const QString& path, const QString& reason) {
    return {QStringLiteral("the export did not write %1: %2").arg(path, reason),
            QStringLiteral("没有保存%1：%2").arg(path, reason)};
}

QString folderNotMadeText(const QString& folder, const FileError& error) {
    return QStringLiteral("无法建立文件夹%1：%2").arg(folder, fileSystemReason(error));
}

QString exportFolderRefusal(ExportFolderFault fault) {
    switch (fault) {
    case ExportFolderFault::ProgramFolderUnknown:
        return QStringLiteral("无法确定程序所在的文件夹");
    case ExportFolderFault::ProgramFolderUndecodable:
        return QStringLiteral("程序所在文件夹的名称无法解码");
    case ExportFolderFault::NoWritableFolder:
        break;
    }
    return QStringLiteral("程序所在的文件夹不能写入，也找不到用户的图片文件夹");
}

QString fileNameRefusal(const QString& name) {
    if (name.contains(u'/'))
        return QStringLiteral("手机号码中有“/”，不能作文件名");
    if (name.contains(QChar(u'\0')))
        return QStringLiteral("手机号码中有空字符，不能作文件名");
    // A control character (a pasted line break, a tab, an escape) would make a name that no file
    // list shows as it is, and that looks like another number's file.
    for (const QChar c : name)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f))
            return QStringLiteral("手机号码中有%1（U+%2），不能作文件名")
                .arg(controlCharacterName(c),
                     QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper());
    if (name == u"." || name == u"..")
        return QStringLiteral("手机号码“%1”不能作文件名").arg(name);
    // A lone UTF-16 half has no spelling in a file name: it would be saved as U+FFFD, under a name
    // other than the one reported, and could replace another number's file.
    if (!name.isValidUtf16())
        return QStringLiteral("手机号码中有不能作文件名的字符");
    return {};
}

QString openFailureReason(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("没有这个文件");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有读取此文件的权限");
    case ELOOP:
        return QStringLiteral("链接太多层，找不到文件");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

QString notARegularFileReason(EntryKind entry) {
    switch (entry) {
    case EntryKind::Directory:
        return QStringLiteral("这是一个文件夹，不是设置文件");
    case EntryKind::Fifo:
        return QStringLiteral("这是一个管道，不是普通文件，只能打开普通文件");
    case EntryKind::Device:
        return QStringLiteral("这是一个设备，不是普通文件，只能打开普通文件");
    default:
        break;
    }
    return QStringLiteral("这不是普通文件，只能打开普通文件");
}

QString fileNotOpenedText(const QString& path, const QString& reason) {
    return QStringLiteral("无法打开%1：%2").arg(path, reason);
}

BilingualText fileNotReadText(const QString& path, const QString& reason) {
    return {QStringLiteral("cannot read %1: %2").arg(path, reason),
            QStringLiteral("无法读取%1：%2").arg(path, reason)};
}

BilingualText scriptLineNotReadText(const QString& name, int line, const BilingualText& reason) {
    const QString number = QString::number(line);
    return {QStringLiteral("cannot read %1 at line %2: %3").arg(name, number, reason.english),
            QStringLiteral("无法读取%1的第%2行：%3").arg(name, number, reason.chinese)};
}
