// SPDX-License-Identifier: MIT
#include "export.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "form/form.h"
#include "window_modes.h"

#include <cerrno>

namespace {

constexpr int ExportPauseMs = 500;
const QString PictureWord = QStringLiteral("图片");
const QString SavedWord = QStringLiteral("已保存");

// The folder the export writes into. Beside the program when this user may write there, as a copy
// run from its own folder is; otherwise, as for an installed program, a folder of the program's own
// in the user's pictures folder, made when the first picture goes there.
struct ExportFolder {
    QString path;    // empty when the program's folder is unknown
    bool toBeMade;   // the folder in the pictures folder, perhaps not there yet
    QString refusal; // why nothing can be written anywhere, in the window's words
};

ExportFolder exportFolder(FileStore& files) {
    const ProgramFolder program = files.programFolder();
    if (program.path.isEmpty())
        return {{}, false, QStringLiteral("无法确定程序所在的文件夹")};
    if (!program.decodable)
        return {program.path, false, QStringLiteral("程序所在文件夹的名称无法解码")};
    if (files.canCreateIn(program.path))
        return {program.path, false, {}};
    const QString pictures = files.picturesFolder();
    if (pictures.isEmpty())
        return {program.path, false,
                QStringLiteral("程序所在的文件夹不能写入，也找不到用户的图片文件夹")};
    return {pictures + QStringLiteral("/Vokarelo"), true, {}};
}

// Why the export cannot write the file, before it tries, in the window's words; empty when it can.
QString refusal(const ClipboardPicture& clipboard, const ExportFolder& folder,
                const QString& name) {
    if (clipboard.read == ClipboardRead::NoAnswer)
        return errorText(ErrorKind::ClipboardNoAnswer);
    if (clipboard.read == ClipboardRead::TooLarge)
        return QStringLiteral("剪贴板中的图片太大，无法读取");
    if (clipboard.picture.isNull())
        return QStringLiteral("剪贴板中没有图片");
    if (!folder.refusal.isEmpty())
        return folder.refusal;
    return fileNameRefusal(name);
}

// What went wrong in a call of the file system, in words that tell the user what to mend; the
// system's own words where the program has none of its own.
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

QString writeFailureReason(const WriteFailure& failure) {
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
        return QStringLiteral("图片太大，JPEG 每边最多 65500 像素");
    case Kind::EncodingFailed:
        return QStringLiteral("无法把图片编码为 JPEG");
    case Kind::ShortFile:
        return QStringLiteral("文件没有完整写入磁盘，磁盘空间可能不足");
    case Kind::FileSystem:
        break;
    }
    return fileSystemReason({failure.errorNumber, failure.text});
}

namespace {

// The picture handed over: the export waits for the clipboard's owner, then pauses, so that the
// narrow window is seen before it widens again.
Task<> exportSteps(Form& form) {
    ClipboardPicture clipboard = co_await form.clipboard().picture();
    // The capture's own picture stands in for it when the clipboard refused it, unless the user has
    // put a picture there since, which is the one to save as ever.
    if (clipboard.read == ClipboardRead::Empty && !form.captureOffClipboard().isNull())
        clipboard = answeredPicture(form.captureOffClipboard());
    co_await form.timer().pause(ExportPauseMs);
    form.observer().exportFinished(writePicture(form, clipboard));
    form.setWidth(WideWidth);
}

} // namespace

ExportOutcome writePicture(Form& form, const ClipboardPicture& clipboard) {
    const QString name = form.text(ControlId::NumberField);
    FileStore& files = form.files();
    const ExportFolder folder = exportFolder(files);
    // Without a folder the message names the file alone, not a folder it was never meant for.
    const QString fileName = name + QStringLiteral(".jpg");
    const QString path = folder.path.isEmpty() ? fileName : folder.path + u'/' + fileName;

    QString failure = refusal(clipboard, folder, name);
    FileError madeFolder;
    if (failure.isEmpty() && folder.toBeMade && !files.makeFolder(folder.path, &madeFolder))
        failure =
            QStringLiteral("无法建立文件夹%1：%2").arg(folder.path, fileSystemReason(madeFolder));
    WriteFailure written;
    if (failure.isEmpty() &&
        !saveImageAtomically(clipboard.picture, path, "jpeg", JpegQuality, files, &written))
        failure = writeFailureReason(written);

    form.setCaption(failure.isEmpty() ? PictureWord + path + SavedWord
                                      : PictureWord + path + QStringLiteral("未保存：") + failure);
    return {path, failure, form.caption()};
}

void exportClipboardPicture(Form& form) {
    form.goOnWith(exportSteps(form));
}
