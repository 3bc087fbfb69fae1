#include "export.h"

#include "screen/form.h"
#include "window_modes.h"

namespace {

constexpr int JpegQuality = 75;
constexpr int ExportPauseMs = 500;

} // namespace

bool isPlainFileName(const QString& name) {
    // A lone UTF-16 half has no spelling in a file name: it would be saved as U+FFFD, under a name
    // other than the one reported, and could replace another number's file.
    return !name.contains(u'/') && !name.contains(QChar(u'\0')) && name != u"." && name != u".." &&
           name.isValidUtf16();
}

bool PictureBoxSaveJPG(const QImage& pict, const QString& fileName, int quality,
                       WriteFailure* failure, FileStore& files) {
    return saveImageAtomically(pict, fileName, "jpeg", quality, failure, files);
}

void Label34_Click(Form& form) {
    Platform& platform = form.platform();
    const QImage picture = platform.clipboardImage();
    platform.sleep(ExportPauseMs);
    const QString name = form.text(QStringLiteral("Text3"));
    const ProgramFolder folder = platform.programFolder();
    // Without a folder the message names the file alone, not a folder it was never meant for.
    const QString fileName = name + QStringLiteral(".jpg");
    const QString path = folder.path.isEmpty() ? fileName : folder.path + u'/' + fileName;

    QString failure;
    WriteFailure written;
    if (picture.isNull())
        failure = QStringLiteral("剪贴板中没有图片");
    else if (folder.path.isEmpty())
        failure = QStringLiteral("无法确定程序所在的文件夹");
    else if (!folder.decodable)
        failure = QStringLiteral("程序所在文件夹的名称无法解码");
    else if (!isPlainFileName(name))
        failure = QStringLiteral("文件名无效");
    else if (!PictureBoxSaveJPG(picture, path, JpegQuality, &written, platform.fileStore()))
        failure = written.text;

    form.setCaption(failure.isEmpty()
                        ? QStringLiteral("图片") + path + QStringLiteral("已保存")
                        : QStringLiteral("图片") + path + QStringLiteral("未保存：") + failure);
    platform.showMessage(form.caption(), QStringLiteral("Vokarelo"));
    form.setWidth(WideWidth);
    if (!failure.isEmpty() && form.exportFailed)
        form.exportFailed(path, failure);
}
