// SPDX-License-Identifier: MIT
#include "export.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "form/form.h"
#include "texts/file_failures.h"
#include "window_modes.h"

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

ExportFolder exportFolder(ExportLocations& locations) {
    const ProgramFolder program = locations.programFolder();
    if (program.path.isEmpty())
        return {{}, false, exportFolderRefusal(ExportFolderFault::ProgramFolderUnknown)};
    if (!program.decodable)
        return {program.path, false,
                exportFolderRefusal(ExportFolderFault::ProgramFolderUndecodable)};
    if (locations.canCreateIn(program.path))
        return {program.path, false, {}};
    const QString pictures = locations.picturesFolder();
    if (pictures.isEmpty())
        return {program.path, false, exportFolderRefusal(ExportFolderFault::NoWritableFolder)};
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

// Where the export writes: the file named after the number, in the export's folder.
struct ExportTarget {
    QString name;
    ExportFolder folder;
    QString path;
};

ExportTarget exportTarget(Form& form) {
    const QString name = form.text(ControlId::NumberField);
    const ExportFolder folder = exportFolder(form.locations());
    // Without a folder the message names the file alone, not a folder it was never meant for.
    const QString fileName = name + QStringLiteral(".jpg");
    return {name, folder, folder.path.isEmpty() ? fileName : folder.path + u'/' + fileName};
}

// Writes the picture unless refused already, and says in the caption whether it was saved.
ExportOutcome writePicture(Form& form, const ClipboardPicture& clipboard,
                           const ExportTarget& target, QString failure) {
    FileError madeFolder;
    if (failure.isEmpty() && target.folder.toBeMade &&
        !form.locations().makeFolder(target.folder.path, &madeFolder))
        failure = folderNotMadeText(target.folder.path, madeFolder);
    WriteFailure written;
    if (failure.isEmpty() && !saveImageAtomically(clipboard.picture, target.path, "jpeg",
                                                  JpegQuality, form.files(), &written))
        failure = writeFailureText(written).chinese;
    form.setCaption(failure.isEmpty()
                        ? PictureWord + target.path + SavedWord
                        : PictureWord + target.path + QStringLiteral("未保存：") + failure);
    return {target.path, failure, form.caption()};
}

// The picture handed over: the export waits for the clipboard's owner, then pauses, so that the
// narrow window is seen before it widens again. What the write needs the user's word for (in a
// set-up's run) is asked before it starts.
Task<> exportSteps(Form& form) {
    ClipboardPicture clipboard = co_await form.clipboard().picture();
    // The capture's own picture stands in for it when the clipboard refused it, unless the user has
    // put a picture there since, which is the one to save as ever.
    if (clipboard.read == ClipboardRead::Empty && !form.captureOffClipboard().isNull())
        clipboard = answeredPicture(form.captureOffClipboard());
    co_await form.timer().pause(ExportPauseMs);
    const ExportTarget target = exportTarget(form);
    const QString failure = refusal(clipboard, target.folder, target.name);
    if (failure.isEmpty())
        co_await form.files().askedBeforeWriting(target.path);
    form.observer().exportFinished(writePicture(form, clipboard, target, failure));
    form.setWidth(WideWidth);
}

} // namespace

void exportClipboardPicture(Form& form) {
    form.goOnWith(exportSteps(form));
}
