#include "export.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "form/form.h"
#include "window_modes.h"

namespace {

constexpr int ExportPauseMs = 500;

// Why the export cannot write the file, before it tries, in the window's words; empty when it can.
QString refusal(const ClipboardPicture& clipboard, const ProgramFolder& folder,
                const QString& name) {
    if (clipboard.read == ClipboardRead::NoAnswer)
        return errorText(ErrorKind::ClipboardNoAnswer);
    if (clipboard.read == ClipboardRead::TooLarge)
        return QStringLiteral("剪贴板中的图片太大，无法读取");
    if (clipboard.picture.isNull())
        return QStringLiteral("剪贴板中没有图片");
    if (folder.path.isEmpty())
        return QStringLiteral("无法确定程序所在的文件夹");
    if (!folder.decodable)
        return QStringLiteral("程序所在文件夹的名称无法解码");
    if (!isPlainFileName(name))
        return QStringLiteral("文件名无效");
    return {};
}

} // namespace

bool isPlainFileName(const QString& name) {
    // A lone UTF-16 half has no spelling in a file name: it would be saved as U+FFFD, under a name
    // other than the one reported, and could replace another number's file.
    return !name.contains(u'/') && !name.contains(QChar(u'\0')) && name != u"." && name != u".." &&
           name.isValidUtf16();
}

void exportClipboardPicture(Form& form) {
    Platform& platform = form.platform();
    const ClipboardPicture clipboard = platform.clipboardPicture();
    platform.sleep(ExportPauseMs);
    const QString name = form.text(ControlId::NumberField);
    const ProgramFolder folder = platform.programFolder();
    // Without a folder the message names the file alone, not a folder it was never meant for.
    const QString fileName = name + QStringLiteral(".jpg");
    const QString path = folder.path.isEmpty() ? fileName : folder.path + u'/' + fileName;

    QString failure = refusal(clipboard, folder, name);
    WriteFailure written;
    if (failure.isEmpty() && !saveImageAtomically(clipboard.picture, path, "jpeg", JpegQuality,
                                                  &written, platform.fileStore()))
        failure = written.text;

    form.setCaption(failure.isEmpty()
                        ? QStringLiteral("图片") + path + QStringLiteral("已保存")
                        : QStringLiteral("图片") + path + QStringLiteral("未保存：") + failure);
    platform.showMessage(form.caption(), QStringLiteral("Vokarelo"));
    form.setWidth(WideWidth);
    if (!failure.isEmpty() && form.exportFailed)
        form.exportFailed(path, failure);
}
